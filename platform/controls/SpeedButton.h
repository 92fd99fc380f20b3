#pragma once
// TSpeedButton: a button without focus, drawn on its parent. With a
// GroupIndex it stays down when clicked and the others of its group (same
// parent and GroupIndex) come up; a down button comes up on a click only
// with AllowAllUp. Glyph holds NumGlyphs images side by side: up,
// disabled, down, stay-down.
#include "platform/controls/GraphicControl.h"
#include <memory>

class TBitmap;

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner = nullptr);
    ~TSpeedButton() override;

    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    // No frame until the mouse is over the button.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);

    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void UpdateExclusive();
    int FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    std::unique_ptr<TBitmap> FGlyph;
    int FNumGlyphs = 1;
    bool FPressed = false;
    bool FMouseInside = false;
};
