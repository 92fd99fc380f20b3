#pragma once
// edProGridDropDown: the grid drop-down as a cell editor of the string
// grid, with the drop-down editors' shared key protocol
// (GridDropDownEditors.h). Enter in its open popup chooses a row and
// closes the popup; Enter in the edit then ends the edit.
#include "grid/core/GridDropDownEditors.h"
#include "grid/core/ProCustomGridDropDown.h"

class TGridProGridDropDown : public TCustomProGridDropDown, public IGridDropDown {
public:
    explicit TGridProGridDropDown(TComponent* AOwner = nullptr);
    TGridDropDownKeys& Keys() override { return FKeys; }
    // The popup grid as a string grid.
    TProStringGrid* GetGrid() const;

protected:
    void CMWantSpecialKey(TWMKey& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Change() override;
    void DoExit() override;

private:
    TGridDropDownKeys FKeys;
};
