#pragma once
// TShape: a rectangle, square, rounded rectangle or square, ellipse or
// circle drawn with Pen and Brush; squares and circles are centred.
#include "platform/controls/GraphicControl.h"
#include <memory>

class TPen;
class TBrush;

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TGraphicControl {
public:
    explicit TShape(TComponent* AOwner = nullptr);
    ~TShape() override;

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value);
    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }

protected:
    void Paint() override;

private:
    TShapeType FShape = stRectangle;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
};
