#pragma once
// THeaderDragButton: the floating picture of a column header while the
// column is dragged: the grid's fixed-cell look with the caption on it.
#include "platform/controls/CustomControl.h"

class TProStringGrid;

class THeaderDragButton : public TCustomControl {
public:
    explicit THeaderDragButton(TComponent* AOwner = nullptr);

    // Lends its fixed-cell look; not owned.
    TProStringGrid* Grid() const { return FGrid; }
    void SetGrid(TProStringGrid* Value) { FGrid = Value; }
    // Centred on one line, cut with an ellipsis when too long.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    // Note: not used in painting.
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }

protected:
    // A bordered pop-up window that stays on top and takes no activation;
    // its bounds are in screen coordinates.
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    TProStringGrid* FGrid = nullptr;
    QString FCaption;
    bool FFlat = false;
};
