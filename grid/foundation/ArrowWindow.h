#pragma once
// TArrowWindow: a small green arrow-shaped popup window, the insertion
// marker shown while columns or rows are moved. Outside the arrow's shape
// the window lets clicks through to what lies below.
#include "grid/foundation/GridTypes.h"
#include "platform/controls/Panel.h"
#include <vector>

class TArrowWindow : public TPanel {
public:
    // Owned by and parented to AOwner (a windowed control), hidden.
    TArrowWindow(TWinControl* AOwner, TArrowDirection Direction);

    TArrowDirection Dir() const { return FDir; }
    // The seven points of the arrow's outline in window coordinates.
    static std::vector<TPoint> ArrowPoints(TArrowDirection Direction);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Paint() override;

private:
    TArrowDirection FDir;
};
