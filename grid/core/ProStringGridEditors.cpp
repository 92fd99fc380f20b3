#include "grid/core/CellEditors.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/core/GridUnit.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

// The special editors: each kind's control is prepared, placed over the
// cell, filled and focused by ShowEditControl, and its value converted and
// written into the cell by HideEditControl.

namespace {

void HideControl(TWinControl* Control)
{
    Control->SetEnabled(false);
    Control->SetVisible(false);
}

TDateTime DateOrNow(const QString& Text)
{
    TDateTime value = 0;
    return !Text.trimmed().isEmpty() && TryStrToDateTime(Text, value) ? value : Now();
}

} // namespace

// The editors made with the grid

void TProStringGrid::CreateEditorControls()
{
    FEditCombo = new TGridCombo(this);
    FEditBtn = new TGridEditBtn(this);
    FUnitEditBtn = new TGridUnitEditBtn(this);
    FEditCheck = new TGridCheckBox(this);
    FGridButton = new TGridButton(this);
    FControlEdit = new TControlEdit(this);
    FControlCombo = new TControlCombo(this);
    FTransEdit = new TGridTransEdit(this);
    FTransCombo = new TGridTransCombo(this);
    for (TWinControl* c : std::initializer_list<TWinControl*>{FEditCombo, FEditBtn, FUnitEditBtn, FEditCheck, FGridButton,
                                                              FControlEdit, FControlCombo, FTransEdit, FTransCombo}) {
        c->SetVisible(false);
        c->SetEnabled(c == FControlEdit || c == FControlCombo || c == FTransEdit || c == FTransCombo);
        c->SetParent(this);
    }
    FControlEdit->SetBorderStyle(bsNone);
    FControlCombo->OnSelect = [this](TObject* Sender) { ControlComboSelect(Sender); };
    FControlEdit->OnExit = [this](TObject* Sender) { ControlExit(Sender); };
    FControlCombo->OnExit = [this](TObject* Sender) { ControlExit(Sender); };
}

void TProStringGrid::DestroyEditorControls()
{
    // Gone before the grid is half destroyed: none of them reports back.
    for (TWinControl** c : std::initializer_list<TWinControl**>{
             reinterpret_cast<TWinControl**>(&FEditCombo), reinterpret_cast<TWinControl**>(&FEditBtn),
             reinterpret_cast<TWinControl**>(&FUnitEditBtn), reinterpret_cast<TWinControl**>(&FEditCheck),
             reinterpret_cast<TWinControl**>(&FGridButton), reinterpret_cast<TWinControl**>(&FEditSpin),
             reinterpret_cast<TWinControl**>(&FEditDate), reinterpret_cast<TWinControl**>(&FEditDateTime),
             reinterpret_cast<TWinControl**>(&FInplaceRichEdit), reinterpret_cast<TWinControl**>(&FRichEdit),
             reinterpret_cast<TWinControl**>(&FControlEdit), reinterpret_cast<TWinControl**>(&FControlCombo),
             reinterpret_cast<TWinControl**>(&FTransEdit), reinterpret_cast<TWinControl**>(&FTransCombo)}) {
        delete *c;
        *c = nullptr;
    }
    DestroyDropDownEditors();
    FEditCtrl = nullptr;
    if (FEditLink) {
        FEditLink->FPopupForm = nullptr;
        SetEditLink(nullptr);
    }
}

// Made on first use

TGridSpin* TProStringGrid::SpinEdit()
{
    if (!FEditSpin) {
        FEditSpin = new TGridSpin(this);
        FEditSpin->SetEnabled(false);
        FEditSpin->SetVisible(false);
        FEditSpin->SetBorderStyle(bsNone);
        FEditSpin->SetIsWinXP(FIsWinXP);
        FEditSpin->SetParent(this);
    }
    return FEditSpin;
}

TGridDatePicker* TProStringGrid::DateTimePicker()
{
    if (!FEditDate) {
        FEditDate = new TGridDatePicker(this);
        FEditDate->SetEnabled(false);
        FEditDate->SetVisible(false);
        FEditDate->SetParent(this);
        FEditDate->OnCloseUp = [this](TObject*) {
            if (OnDatePickerCloseUp)
                OnDatePickerCloseUp(this, Row(), Col());
            if (FMouseActions->DirectDateClose())
                HideInplaceEdit();
        };
        FEditDate->OnDropDown = [this](TObject*) {
            if (OnDatePickerDropDown)
                OnDatePickerDropDown(this, Row(), Col());
        };
        FEditDate->OnChange = [this](TObject*) {
            if (!OnEditChange)
                return;
            const TDateTime value = FEditDate->DateTime();
            OnEditChange(this, Col(), Row(), FEditDate->Kind() == dtkTime ? TimeToStr(value) : DateToStr(value));
        };
    }
    return FEditDate;
}

TGridDateTimePicker* TProStringGrid::DateAndTimePicker()
{
    if (!FEditDateTime) {
        FEditDateTime = new TGridDateTimePicker(this);
        FEditDateTime->SetVisible(false);
        FEditDateTime->SetEnabled(false);
        FEditDateTime->SetAutoTab(true);
        FEditDateTime->SetParent(this);
        FEditDateTime->OnCloseUp = [this](TObject*) {
            if (OnDatePickerCloseUp)
                OnDatePickerCloseUp(this, Row(), Col());
            if (FMouseActions->DirectDateClose())
                HideInplaceEdit();
        };
        FEditDateTime->OnTimeChange = [this](TObject*) {
            if (OnDateTimeChange)
                OnDateTimeChange(this, Col(), Row(), FEditDateTime->DateTime());
        };
    }
    return FEditDateTime;
}

TProRichEdit* TProStringGrid::InplaceRichEdit()
{
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = new TProRichEdit(this);
        FInplaceRichEdit->SetVisible(false);
        FInplaceRichEdit->SetParent(this);
    }
    return FInplaceRichEdit;
}

TProRichEdit* TProStringGrid::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = new TProRichEdit(this);
        FRichEdit->SetVisible(false);
        FRichEdit->SetBounds(0, 0, 0, 0);
        FRichEdit->SetBorderStyle(bsNone);
        FRichEdit->SetParent(this);
    }
    return FRichEdit;
}

void TProStringGrid::SetEditLink(TEditLink* Value)
{
    if (FEditLink == Value)
        return;
    if (FEditLink)
        FEditLink->RemoveFreeNotification(this);
    FEditLink = Value;
    if (FEditLink)
        FEditLink->FreeNotification(this);
}

// The combo's items

void TProStringGrid::ClearComboString() { FEditCombo->Items()->Clear(); }

void TProStringGrid::AddComboString(const QString& S) { FEditCombo->Items()->Add(S); }

void TProStringGrid::AddComboStringObject(const QString& S, TObject* AObject)
{
    FEditCombo->Items()->AddObject(S, AObject);
}

bool TProStringGrid::RemoveComboString(const QString& S)
{
    const int i = FEditCombo->Items()->IndexOf(S);
    if (i < 0)
        return false;
    FEditCombo->Items()->Delete(i);
    return true;
}

bool TProStringGrid::SetComboSelectionString(const QString& S)
{
    const int i = FEditCombo->Items()->IndexOf(S);
    if (i < 0)
        return false;
    FComboIdx = i;
    return true;
}

int TProStringGrid::GetComboCount() const { return FEditCombo->Items()->Count(); }

int TProStringGrid::GetComboIndex(int ACol, int ARow)
{
    GetEditorProp(ACol, ARow, nullptr);
    return FEditCombo->Items()->IndexOf(GetCellEx(ACol, ARow));
}

void TProStringGrid::SetComboIndex(int ACol, int ARow, int Value)
{
    GetEditorProp(ACol, ARow, nullptr);
    TStrings* items = FEditCombo->Items();
    if (Value >= 0 && Value < items->Count())
        SetCellEx(ACol, ARow, items->Strings(Value));
}

void TProStringGrid::DoUnitChanged(TObject*, const QString& NewUnit)
{
    if (OnUnitChanged)
        OnUnitChanged(this, Col(), Row(), NewUnit);
}

bool TProStringGrid::IsPasswordCellFunc(int ACol, int ARow)
{
    bool password = false;
    IsPasswordCell(ACol, ARow, password);
    return password;
}

// Rich-text cells

void TProStringGrid::CellToRich(int ACol, int ARow, TCustomRichEdit* RichEditor)
{
    const QString text = GetGridCell(ACol, ARow);
    if (text.isEmpty()) {
        RichEditor->Clear();
        return;
    }
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(char(c.unicode() & 0xFF));
    RichEditor->SetRtf(bytes);
}

QString TProStringGrid::RichToString(TCustomRichEdit* RichEditor)
{
    if (ComponentState().Contains(TComponentStateFlag::csDestroying))
        return QString();
    return AnsiToUtf16(RichEditor->Rtf());
}

void TProStringGrid::RichToCell(int ACol, int ARow, TCustomRichEdit* RichEditor)
{
    SetCellEx(ACol, ARow, RichToString(RichEditor));
}

// Showing

TColor TProStringGrid::EditorColor(int ACol, int ARow)
{
    TBrush brush;
    brush.SetColor(Color());
    TFont font;
    font.Assign(Font());
    TGridDrawState state;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = FDefaultAlignment;
    TVAlignment va = FVAlignment;
    bool wordWrap = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, state, false, false, false, &brush, colorTo, mirror, mirrorTo, &font, ha, va,
                        wordWrap, gd);
    return brush.Color();
}

void TProStringGrid::PostStartChar(TWinControl* Control)
{
    if (Control && !FStartEditChar.isNull())
        PostMessage(Control, WM_CHAR, WPARAM(FStartEditChar.unicode()), 0);
}

void TProStringGrid::ShowEditControl(int ACol, int ARow)
{
    FEditing = true;
    FSpecialEditor = true;
    FEditActive = true;
    const int c = DisplToRealCol(ACol);
    TRect r = CellRect(ACol, ARow);
    if (UseRightToLeftAlignment())
        ++r.Left;
    r = TRect(r.Left + FrameSize(), r.Top + FrameSize(), r.Right + FrameSize(), r.Bottom + FrameSize());
    const int w = r.Right - r.Left - 1;
    const int h = r.Bottom - r.Top - 1;
    const TColor clr = EditorColor(ACol, ARow);
    const QString text = GetEditText(ACol, ARow);
    FGridState = gsNormal;
    FEditCtrl = nullptr;
    if (FEditControl != edCustom)
        FLastValidation = true;
    TWinControl* shown = nullptr;
    switch (FEditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: shown = ShowSpinEditor(r, w, h, clr, text, c, ARow); break;
    case edComboEdit:
    case edComboList: shown = ShowComboEditor(r, w, h, clr, text, c, ARow); break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        FEditBtn->SetBounds(r.Left, r.Top, w, h);
        FEditBtn->SetEditMask(FEditControl == edMaskEditBtn ? GetEditMask(ACol, ARow) : QString());
        FEditBtn->SetText(text);
        FEditBtn->SetMaxLength(GetEditLimit());
        FEditBtn->SetVisible(true);
        FEditBtn->SetEnabled(true);
        FEditBtn->SetColor(clr);
        FEditBtn->SetFocus();
        shown = FEditBtn;
        PostStartChar(shown);
        break;
    case edCheckBox:
        FEditCheck->SetBounds(r.Left, r.Top, w, h);
        FEditCheck->SetCaption(text);
        FEditCheck->SetEnabled(true);
        FEditCheck->SetState(cbUnchecked);
        FEditCheck->SetVisible(true);
        FEditCheck->SetFocus();
        break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: shown = ShowDateEditor(r, w, h, clr, text, c, ARow); break;
    case edButton:
        FGridButton->SetBounds(r.Left - 1, r.Top - 1, w + 2, h + 2);
        FGridButton->SetCaption(text);
        FGridButton->SetVisible(true);
        FGridButton->SetEnabled(true);
        FGridButton->SetFocus();
        shown = FGridButton;
        break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        FUnitEditBtn->SetBounds(r.Left, r.Top, w, h);
        FUnitEditBtn->SetMaxLength(GetEditLimit());
        FUnitEditBtn->SetUnitID(QString());
        FUnitEditBtn->SetText(QString());
        FUnitEditBtn->SetTextAndUnit(text);
        GetEditorProp(c, ARow, FEditLink);
        FUnitEditBtn->SetVisible(true);
        FUnitEditBtn->SetEnabled(true);
        FUnitEditBtn->SetColor(clr);
        FUnitEditBtn->SetFocus();
        shown = FUnitEditBtn;
        PostStartChar(shown);
        break;
    case edCustom: shown = ShowCustomEditor(r, clr, text, c, ARow); break;
    case edRichEdit: {
        TProRichEdit* rich = InplaceRichEdit();
        rich->SetBorderStyle(bsNone);
        rich->SetBounds(r.Left, r.Top, w, h);
        GetEditorProp(c, ARow, FEditLink);
        rich->Lock();
        CellToRich(c, ARow, rich);
        if (FNavigation->EditSelectAll())
            rich->SelectAll();
        rich->SetVisible(true);
        rich->SetEnabled(true);
        rich->SetColor(clr);
        rich->SetFocus();
        shown = rich;
        PostStartChar(shown);
        rich->Unlock();
        break;
    }
    case edDateTimeEdit: {
        TGridDateTimePicker* picker = DateAndTimePicker();
        const TDateTime d = DateOrNow(text);
        FOriginalDateTime = d;
        picker->SetDateTime(d);
        picker->SetKind(dkDateTime);
        picker->SetBounds(r.Left, r.Top, w, std::max(picker->Height(), h));
        GetEditorProp(c, ARow, FEditLink);
        picker->SetEnabled(true);
        picker->SetVisible(true);
        picker->SetColor(clr);
        picker->SetFocus();
        break;
    }
    case edProGridDropDown:
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edImagePickerDropDown:
    case edColorPickerDropDown: shown = ShowDropDownEditor(r, w, h, clr, text, c, ARow); break;
    default: break;
    }
    FEditCtrl = shown;
    FStartEditChar = QChar();
}

TWinControl* TProStringGrid::ShowSpinEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C,
                                            int ARow)
{
    TGridSpin* spin = SpinEdit();
    spin->SetBounds(R.Left, R.Top, W, H);
    spin->SetVisible(true);
    spin->SetEnabled(true);
    spin->SetColor(Clr);
    spin->SetExcelStyleDecimalSeparator(FExcelStyleDecimalSeparator);
    GetEditorProp(C, ARow, FEditLink);
    switch (FEditControl) {
    case edSpinEdit:
        spin->SetSpinType(sptNormal);
        spin->SetValue(Text.trimmed().toInt());
        break;
    case edFloatSpinEdit:
        spin->SetSpinType(sptFloat);
        spin->SetFloatValue(ExtractFloatText(Text).toDouble());
        break;
    case edTimeSpinEdit:
        spin->SetSpinType(sptTime);
        spin->SetText(Text);
        break;
    default: {
        spin->SetSpinType(sptDate);
        TDateTime d = 0;
        spin->SetDateValue(!Text.isEmpty() && TryStrToDate(Text, d) ? d : Now());
        break;
    }
    }
    spin->SetFocus();
    PostStartChar(spin);
    if (FSpinUpClick)
        spin->StepUp(false);
    if (FSpinDnClick)
        spin->StepDown(false);
    return spin;
}

TWinControl* TProStringGrid::ShowComboEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C,
                                             int ARow)
{
    TGridCombo* combo = FEditCombo;
    combo->SetDropDownCount(FControlLook->DropDownCount());
    GetEditorProp(C, ARow, FEditLink);
    combo->SetEnabled(true);
    combo->SetDroppedDown(false);
    int fired = -1;
    if (FEditControl == edComboEdit) {
        combo->SetStyle(csDropDown);
        combo->SetText(Text);
        if (FComboIdx != -1 && combo->ItemIndex() == -1)
            combo->SetItemIndex(FComboIdx);
        combo->SetMaxLength(FMaxComboLength);
    } else {
        combo->SetStyle(csDropDownList);
        TStrings* items = combo->Items();
        int index = items->IndexOf(GetCellEx(C, ARow));
        if (FComboIdx == -1 && index < 0) {
            // A value that is no item shows an item, and the application
            // hears of that choice at once.
            index = std::max(items->IndexOf(Text), 0);
            combo->SetItemIndex(index);
            combo->Change();
            if (items->Count() > 0)
                fired = combo->ItemIndex();
        } else {
            combo->SetItemIndex(index);
            if (combo->ItemIndex() == -1)
                combo->SetItemIndex(FComboIdx);
        }
    }
    combo->SetBounds(R.Left, R.Top, W, H);
    combo->SetColor(Clr);
    combo->SetVisible(true);
    // The one combo serves every cell: keys typed in the last cell's list
    // must not lead this one's search.
    combo->ResetTypeAhead();
    const bool flat = FLook != glStandard && FLook != glClassic && FLook != glCustom;
    combo->SetFlat(flat);
    combo->SetEtched(flat);
    if (FNavigation->AutoComboDropSize())
        combo->SizeDropDownWidth();
    combo->SetFocus();
    combo->SetDroppedDown(FMouseActions->DirectComboDrop() || FControlLook->DropDownAlwaysVisible());
    if (FMouseActions->DirectEdit() && FMouseActions->DirectComboDrop()) {
        const TGridRect sel = Selection();
        DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
    if (fired >= 0)
        FireComboChange(fired);
    PostStartChar(combo);
    return combo;
}

TWinControl* TProStringGrid::ShowDateEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C,
                                            int ARow)
{
    if (!IsComCtl470)
        return nullptr;
    TGridDatePicker* picker = DateTimePicker();
    picker->SetParent(this);
    if (FEditControl == edTimeEdit) {
        TDateTime t = 0;
        picker->SetTime(!Text.trimmed().isEmpty() && TryStrToTime(Text, t) ? t : Now());
        picker->SetKind(dtkTime);
        picker->SetBounds(R.Left, R.Top, W, H);
        picker->SetEnabled(true);
        picker->SetVisible(true);
        picker->SetColor(Clr);
        GetEditorProp(C, ARow, FEditLink);
        picker->SetFocus();
        return picker;
    }
    TDateTime d = Now();
    if (Text.trimmed().isEmpty()) {
        d = Now();
    } else if (OnCustomStrToDate) {
        OnCustomStrToDate(this, Text, d);
    } else if (!TryStrToDateTime(Text, d)) {
        d = Now();
    } else {
        if (picker->MaxDate() != 0 && d > picker->MaxDate())
            d = picker->MaxDate() - 1;
        if (picker->MinDate() != 0 && d <= picker->MinDate())
            d = picker->MinDate() + 1;
    }
    picker->SetDate(d);
    picker->SetKind(dtkDate);
    GetEditorProp(C, ARow, FEditLink);
    picker->SetBounds(R.Left, R.Top, W, H);
    picker->SetEnabled(true);
    picker->SetVisible(true);
    picker->SetColor(Clr);
    picker->SetFocus();
    if (FMouseActions->DirectDateDrop())
        picker->SetDroppedDown(true);
    PostStartChar(picker);
    return picker;
}

TWinControl* TProStringGrid::ShowCustomEditor(const TRect& R, TColor Clr, const QString& Text, int C, int ARow)
{
    TEditLink* link = FEditLink;
    if (!link)
        return nullptr;
    link->FGrid = this;
    link->FEditCell = TPoint{C, ARow};
    if (link->EditStyle() == esPopup) {
        if (link->AutoPopupWidth())
            link->SetPopupWidth(R.Right - R.Left);
        if (!link->FPopupForm) {
            link->FPopupForm = new TForm(this);
            link->FPopupForm->SetBorderStyle(bsNone);
            link->FPopupForm->SetFormStyle(fsStayOnTop);
        }
        TCustomForm* form = link->FPopupForm;
        TPoint p{link->PopupLeft(), link->PopupTop()};
        if (p.X == -1 || p.Y == -1)
            p = ClientToScreen(TPoint{R.Left, R.Top});
        form->OnDeactivate = [link](TObject* Sender) { link->FormExit(Sender); };
        form->SetBounds(p.X, p.Y, link->PopupWidth(), link->PopupHeight());
        form->Show();
        link->CreateEditor(form);
        link->SetRect(TRect(0, 0, link->PopupWidth(), link->PopupHeight()));
    } else {
        link->CreateEditor(this);
        link->SetRect(R);
    }
    link->SetVisible(true);
    link->SetCellProps(Clr, Font());
    link->SetProperties();
    GetEditorProp(C, ARow, link);
    link->SetEditorValue(Text);
    link->SetFocus(true);
    FEditActive = true;
    PostStartChar(link->GetEditControl());
    return link->GetEditControl();
}

// Committing

void TProStringGrid::HideEditControl(int ACol, int ARow)
{
    if (ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    FSpecialEditor = false;
    const bool blockKill = FBlockKill;
    FBlockKill = true;
    struct Restore {
        bool& Flag;
        bool Value;
        ~Restore() { Flag = Value; }
    } restore{FBlockKill, blockKill};
    const int c = DisplToRealCol(ACol);
    FStartEditChar = QChar();
    switch (FEditControl) {
    case edSpinEdit:
    case edFloatSpinEdit:
    case edTimeSpinEdit:
    case edDateSpinEdit: CommitSpinEditor(c, ARow); break;
    case edComboEdit:
    case edComboList:
        if (FEditMode) {
            FEditMode = false;
            SetEditTextEx(c, ARow, FEditCombo->Text());
            FEditCombo->SetVisible(false);
            FEditCombo->SetEnabled(false);
        }
        break;
    case edEditBtn:
    case edNumericEditBtn:
    case edFloatEditBtn:
    case edMaskEditBtn:
        if (FEditMode) {
            FEditMode = false;
            SetEditTextEx(c, ARow, FEditBtn->Text());
            HideControl(FEditBtn);
        }
        break;
    case edCheckBox:
        HideControl(FEditCheck);
        FEditMode = false;
        break;
    case edDateEdit:
    case edDateEditUpDown:
    case edTimeEdit: CommitDateEditor(c, ARow); break;
    case edButton:
        HideControl(FGridButton);
        FEditMode = false;
        break;
    case edUnitEditBtn:
    case edNumericUnitEditBtn:
    case edFloatUnitEditBtn:
        SetEditTextEx(c, ARow, FUnitEditBtn->TextAndUnit());
        HideControl(FUnitEditBtn);
        FEditMode = false;
        break;
    case edCustom:
        if (FControlLook->DropDownAlwaysVisible())
            GetCellEditorType(c, ARow, FEditControl);
        if (FEditLink) {
            SetEditTextEx(c, ARow, FEditLink->GetEditorValue());
            if (FEditLink->EditStyle() != esPopup)
                FEditLink->SetVisible(false);
            FEditLink->RestoreWinProc();
            FEditMode = false;
        }
        break;
    case edRichEdit:
        if (FInplaceRichEdit) {
            SetEditTextEx(c, ARow, RichToString(FInplaceRichEdit));
            HideControl(FInplaceRichEdit);
        }
        FEditMode = false;
        break;
    case edDateTimeEdit:
        if (FEditDateTime && IsComCtl470) {
            const QString value = FEditDateTime->Checked()
                ? FormatDateTime(FormatSettings.ShortDateFormat + u' ' + FormatSettings.ShortTimeFormat,
                                 FEditDateTime->DateTime())
                : QString();
            SetEditTextEx(c, ARow, value);
            HideControl(FEditDateTime);
        }
        FEditMode = false;
        break;
    case edProGridDropDown:
    case edTrackbarDropDown:
    case edMemoDropDown:
    case edCalculatorDropDown:
    case edTimePickerDropDown:
    case edDetailDropDown:
    case edGridDropDown:
    case edImagePickerDropDown:
    case edColorPickerDropDown: CommitDropDownEditor(c, ARow); break;
    default: break;
    }
    if (FEditControl != edNormal && FEditActive)
        EditingDone(c, ARow);
    FEditActive = false;
    FEditCtrl = nullptr;
}

void TProStringGrid::CommitSpinEditor(int C, int ARow)
{
    FEditMode = false;
    if (!FEditSpin)
        return;
    if (FEditSpin->AllowEmptyValue() && FEditSpin->Text().trimmed().isEmpty()) {
        SetCellEx(C, ARow, QString());
    } else {
        switch (FEditControl) {
        case edSpinEdit: SetInts(C, ARow, FEditSpin->Value()); break;
        case edFloatSpinEdit: SetFloats(C, ARow, FEditSpin->FloatValue()); break;
        case edTimeSpinEdit: SetEditTextEx(C, ARow, FEditSpin->Text()); break;
        default: SetDates(C, ARow, FEditSpin->DateValue()); break;
        }
    }
    HideControl(FEditSpin);
}

void TProStringGrid::CommitDateEditor(int C, int ARow)
{
    if (!IsComCtl470 || !FEditDate)
        return;
    TGridDatePicker* picker = FEditDate;
    QString value;
    if (FEditControl == edTimeEdit) {
        const QString format = picker->Format().isEmpty() ? FormatSettings.LongTimeFormat : picker->Format();
        value = FormatDateTime(format, picker->Time());
    } else if (picker->Checked()) {
        value = FormatDateTime(picker->EffectiveFormat(), picker->DateTime());
    }
    SetEditTextEx(C, ARow, value);
    FEditMode = false;
    HideControl(picker);
}
