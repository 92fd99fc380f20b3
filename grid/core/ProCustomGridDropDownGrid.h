#pragma once
// TProColGrid of the grid drop-down: the string grid in the popup of
// TCustomProGridDropDown. The drop-down fills it from its items and
// columns at each opening; it sizes columns and rows to their texts,
// reports a chosen row through OnSelect, and keeps its keys and mouse to
// a popup: Tab does nothing, Enter chooses, Alt+Up and Alt+Down go back to
// the edit, and the wheel only moves the highlighted row.
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProStringGrid.h"

namespace ProCustomGridDropDownUnit {

// Declared; never fired (the grid's own OnDrawCell neither).
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, TFont* AFont, TColor& AColor, TColor& AColorTo)>;
using TGetCellTextEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Text)>;

class TProColGrid : public TProStringGrid {
public:
    explicit TProColGrid(TComponent* AOwner = nullptr);
    ~TProColGrid() override;

    // Links D and takes its columns, colours, sizes and options; in items
    // mode also the row count. The columns never shrink here.
    void PrepareFromDropDown(TCustomProGridDropDown* D);
    // The header row from the columns, one row per item; column 0 of a
    // data row carries the item's index as its object.
    void FillFromItems();
    // Borders, columns and, unless every row shows, a vertical scroll bar.
    int GetPreferredWidth() const;
    // Only for an AutoSize column while the grid sits on the popup form.
    void AutoSizeColumn(int Index);
    // Rows as tall as the wrapped columns' texts (at least 24).
    void UpdateWordWrapRowHeights();

    TCustomProGridDropDown* ProDropDown() const { return FProDropDown; }
    void SetProDropDown(TCustomProGridDropDown* Value) { FProDropDown = Value; }
    TDropDownColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TDropDownColumns* Value);
    // Stored only: the string grid paints the cells.
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    // Stored; the string grid's own cell lines stay off.
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    // Used when columns and rows are sized; cleared when the list is freed.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    // Set by a key or a press in the grid and by Enter in the edit;
    // cleared by the wheel and by a confirmed close.
    bool ConfirmSelection() const { return FConfirmSelection; }
    void SetConfirmSelection(bool Value) { FConfirmSelection = Value; }
    // True while the wheel moves the current row.
    bool MouseWheelSelection() const { return FMouseWheelSelection; }

    // A column's data cells wrap only when its Wordwrap is on.
    void GetWordWrapEx(int ACol, int ARow, bool& WordWrap) override;

    // Enter or a left click on a data row.
    TNotifyEvent OnSelect;
    TGetCellTextEvent OnGetCellText;
    TGetCellPropEvent OnGetCellProp;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool SelectCell(int ACol, int ARow) override;
    virtual void DoSelect();
    void KeyDown(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    // The wheel goes to the platform's handling, one row per notch.
    void WndProc(TMessage& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMGetDlgCode(TMessage& Message) override;

private:
    // The popup form's canvas while the grid sits on it, else nullptr.
    TCanvas* PopupCanvas() const;
    // The text and image of data row R in column C for sizing.
    QString SizingText(int C, int R, bool& HasImage);

    TCustomProGridDropDown* FProDropDown = nullptr;
    std::unique_ptr<TDropDownColumns> FColumns;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FHeaderColorTo = 0x808080;
    TColor FLineColor = 0x808080;
    TCustomImageList* FImages = nullptr;
    int FHeaderHeight = 25;
    std::unique_ptr<TFont> FHeaderFont;
    TColor FFixedLineColor = 0;
    int FGridLineWidth = 1;
    int FOldRow = 0;
    bool FMouseWheelSelection = false;
    bool FConfirmSelection = false;
};

} // namespace ProCustomGridDropDownUnit
