#include "grid/core/CellEditors.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupText.h"
#include "platform/rtl/StringList.h"

// The form controls of a cell's markup: an EDIT, PASSWORD, MASK or COMBO
// control opens a real edit or combo over the control's place; closing it
// writes the value into that control's tag of the cell text, and nothing
// else of the text changes.

void TProStringGrid::ControlStart(const QString& CellText, const QString& CtrlType, int ARow, int ARealCol, int ACol,
                                  const TRect& R, const QString& CtrlVal, const QString& CtrlID)
{
    const QString type = CtrlType.toUpper();
    const bool edit = type == u"EDIT" || type == u"PASSWORD" || type == u"MASK";
    if (!edit && type != u"COMBO")
        return;
    if (FCtrlEditing)
        ControlExit(this);
    FCtrlXY = TPoint{ARealCol, ARow};
    FCtrlID = CtrlID;
    FCtrlType = type;
    FCtrlEditing = true;
    const int frame = FrameSize();
    if (edit) {
        TControlEdit* e = FControlEdit;
        e->SetWidth(0);
        e->SetPasswordChar(type == u"PASSWORD" ? QChar(u'*') : QChar());
        e->SetEditMask(type == u"MASK" ? GetControlProp(CellText, CtrlID) : QString());
        e->SetText(CtrlVal);
        e->SetBorderStyle(bsNone);
        e->SetBounds(R.Left + 1 + frame, R.Top + 8 + frame, R.Right - R.Left - 4, 14);
        e->SetMaxLength(GetControlMaxLen(CellText, CtrlID));
        e->SetParent(this);
        e->SetVisible(true);
        e->BringToFront();
        e->SetFocus();
        return;
    }
    TControlCombo* combo = FControlCombo;
    combo->SetIsWinXP(FIsWinXP);
    combo->SetWidth(0);
    bool editable = true;
    int dropCount = 8;
    combo->SetFlat(false);
    combo->SetParent(this);
    combo->Items()->Clear();
    if (OnControlComboList) {
        TStringList values;
        OnControlComboList(this, ARow, ACol, CtrlID, CtrlType, CtrlVal, &values, editable, dropCount);
        combo->Items()->Assign(&values);
    }
    combo->SetStyle(editable ? csDropDown : csDropDownList);
    combo->SetItemIndex(combo->Items()->IndexOf(CtrlVal));
    if (editable)
        combo->SetText(CtrlVal);
    combo->SetDropDownCount(dropCount);
    combo->SetBounds(R.Left - 1 + frame, R.Top + 4 + frame, R.Right - R.Left, combo->Height());
    combo->SetMaxLength(GetControlMaxLen(CellText, CtrlID));
    combo->SetVisible(true);
    combo->SetFocus();
    combo->SetDroppedDown(true);
}

void TProStringGrid::ControlComboSelect(TObject*)
{
    if (OnControlComboSelect)
        OnControlComboSelect(this, FCtrlXY.Y, FCtrlXY.X, FControlCombo->ItemIndex(), FCtrlID, FControlCombo->Text());
}

void TProStringGrid::ControlExit(TObject*)
{
    if (!FCtrlEditing)
        return;
    FCtrlEditing = false;
    const bool combo = FCtrlType == u"COMBO";
    TWinControl* control = combo ? static_cast<TWinControl*>(FControlCombo) : FControlEdit;
    const QString value = control->Text();
    QString cell = GetGridCell(FCtrlXY.X, FCtrlXY.Y);
    if (SetControlValue(cell, FCtrlID, value))
        SetCellEx(FCtrlXY.X, FCtrlXY.Y, cell);
    control->SetVisible(false);
    if (OnControlEditDone)
        OnControlEditDone(this, FCtrlXY.Y, FCtrlXY.X, FCtrlID, FCtrlType, value);
    FCtrlType.clear();
}
