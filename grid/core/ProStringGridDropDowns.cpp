#include "grid/core/ControlLook.h"
#include "grid/core/GridDropDownEditors.h"
#include "grid/core/GridProGridDropDown.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/graphics/ImageList.h"

// The drop-down editors: made on first use, shown over the cell with the
// grid's header, footer, style and cell colour, and committed back into
// the cell.

namespace {

// Made on first read: owned and parented by the grid, invisible, with the
// grid's style and (when it has them) colour tones.
template <class T>
T* MakeDropDown(TProStringGrid* Grid, T*& Field)
{
    if (!Field) {
        Field = new T(Grid);
        Field->SetVisible(false);
        Field->SetParent(Grid);
        Field->SetComponentStyle(Grid->ComponentStyle());
        if (Grid->ColorTones().Background.BrushColor != clNone)
            Field->SetColorTones(Grid->ColorTones());
    }
    return Field;
}

} // namespace

TGridProGridDropDown* TProStringGrid::ProGridDropDown() { return MakeDropDown(this, FEditProGridPicker); }

TGridTrackbarDropDown* TProStringGrid::TrackbarDropDown()
{
    if (!FEditTrackBar)
        MakeDropDown(this, FEditTrackBar)->SetEditorEnabled(true);
    return FEditTrackBar;
}

TGridMemoDropDown* TProStringGrid::MemoDropDown()
{
    if (!FEditMemo) {
        MakeDropDown(this, FEditMemo);
        FEditMemo->OnMemoChange = [this](TObject*) {
            if (FEditMode && FEditControl == edMemoDropDown)
                SetCurrentCellEditText(FEditMemo->MemoText()->Text());
        };
    }
    return FEditMemo;
}

TGridCalculatorDropDown* TProStringGrid::CalculatorDropDown()
{
    if (!FEditCalculator)
        MakeDropDown(this, FEditCalculator)->SetEditorEnabled(true);
    return FEditCalculator;
}

TGridTimepickerDropDown* TProStringGrid::TimePickerDropDown() { return MakeDropDown(this, FEditTimePicker); }

TGridDetailPickerDropDown* TProStringGrid::DetailPickerDropDown() { return MakeDropDown(this, FEditDetailPicker); }

TGridGridDropDown* TProStringGrid::GridDropDown() { return MakeDropDown(this, FEditGridPicker); }

TGridImageDropDown* TProStringGrid::ImagePickerDropDown()
{
    if (!FEditImagePicker) {
        MakeDropDown(this, FEditImagePicker);
        FEditImagePicker->OnSelect = [this](TObject*) {
            // Loading the cell's image on opening is no choice.
            if (OnImageSelect && FEditCtrl == FEditImagePicker)
                OnImageSelect(this, Col(), Row(), FEditImagePicker->GetImageIndex());
        };
    }
    return FEditImagePicker;
}

TGridColorDropDown* TProStringGrid::ColorPickerDropDown()
{
    if (!FEditColorPicker) {
        MakeDropDown(this, FEditColorPicker)->AddDefaultColors();
        FEditColorPicker->OnSelect = [this](TObject*) {
            // Only choices made in the shown editor are told.
            if (OnColorSelect && FEditCtrl == FEditColorPicker)
                OnColorSelect(this, Col(), Row(), FEditColorPicker->SelectedColor(),
                              FEditColorPicker->SelectedColorText());
        };
    }
    return FEditColorPicker;
}

void TProStringGrid::DestroyDropDownEditors()
{
    delete FEditProGridPicker;
    FEditProGridPicker = nullptr;
    // The grid is half gone: none of them may report back.
    for (TProCustomDropDown** d : std::initializer_list<TProCustomDropDown**>{
             reinterpret_cast<TProCustomDropDown**>(&FEditTrackBar), reinterpret_cast<TProCustomDropDown**>(&FEditMemo),
             reinterpret_cast<TProCustomDropDown**>(&FEditCalculator),
             reinterpret_cast<TProCustomDropDown**>(&FEditTimePicker),
             reinterpret_cast<TProCustomDropDown**>(&FEditDetailPicker),
             reinterpret_cast<TProCustomDropDown**>(&FEditGridPicker),
             reinterpret_cast<TProCustomDropDown**>(&FEditImagePicker),
             reinterpret_cast<TProCustomDropDown**>(&FEditColorPicker)}) {
        delete *d;
        *d = nullptr;
    }
}

TProCustomDropDown* TProStringGrid::DropDownEditor(TEditorType Kind)
{
    switch (Kind) {
    case edProGridDropDown: return ProGridDropDown();
    case edTrackbarDropDown: return TrackbarDropDown();
    case edMemoDropDown: return MemoDropDown();
    case edCalculatorDropDown: return CalculatorDropDown();
    case edTimePickerDropDown: return TimePickerDropDown();
    case edDetailDropDown: return DetailPickerDropDown();
    case edGridDropDown: return GridDropDown();
    case edImagePickerDropDown: return ImagePickerDropDown();
    case edColorPickerDropDown: return ColorPickerDropDown();
    default: return nullptr;
    }
}

// Styles and tones reach the drop-downs that exist.

void TProStringGrid::ApplyEditorStyle(TQLXStyle AStyle)
{
    if (FEditProGridPicker)
        FEditProGridPicker->SetComponentStyle(AStyle);
    for (TProCustomDropDown* d : std::initializer_list<TProCustomDropDown*>{
             FEditTrackBar, FEditMemo, FEditCalculator, FEditTimePicker, FEditDetailPicker, FEditGridPicker,
             FEditImagePicker, FEditColorPicker})
        if (d)
            d->SetComponentStyle(AStyle);
}

void TProStringGrid::ApplyEditorTones(const TColorTones& ATones)
{
    if (FEditProGridPicker)
        FEditProGridPicker->SetColorTones(ATones);
    for (TProCustomDropDown* d : std::initializer_list<TProCustomDropDown*>{
             FEditTrackBar, FEditMemo, FEditCalculator, FEditTimePicker, FEditDetailPicker, FEditGridPicker,
             FEditImagePicker, FEditColorPicker})
        if (d)
            d->SetColorTones(ATones);
}

// Showing

TWinControl* TProStringGrid::ShowDropDownEditor(const TRect& R, int W, int H, TColor Clr, const QString& Text, int C,
                                                int ARow)
{
    TProCustomDropDown* d = DropDownEditor(FEditControl);
    if (!d)
        return nullptr;
    d->DropDownFooter()->Assign(FControlLook->DropDownFooter());
    d->DropDownHeader()->Assign(FControlLook->DropDownHeader());
    d->SetComponentStyle(FComponentStyle);
    d->OnDropDownHeaderButtonClick = [this](TObject*, int ButtonIndex) {
        if (OnDropDownHeaderButtonClick)
            OnDropDownHeaderButtonClick(this, Col(), Row(), ButtonIndex);
    };
    d->OnDropDownFooterButtonClick = [this](TObject*, int ButtonIndex) {
        if (OnDropDownFooterButtonClick)
            OnDropDownFooterButtonClick(this, Col(), Row(), ButtonIndex);
    };
    if (FEditControl == edProGridDropDown) {
        d->SetColor(Clr);
        d->SetEditorEnabled(true);
    }
    if (FEditControl == edGridDropDown) {
        d->SetColor(Clr);
        d->SetEditorEnabled(true);
    }
    GetEditorProp(C, ARow, FEditLink);
    d->SetBounds(R.Left, R.Top, 0, 0);
    d->SetEnabled(true);
    d->SetBorderStyle(bsNone);
    d->SetBounds(R.Left, R.Top, W, H);
    SetDropDownValue(d, Text, C, ARow);
    d->SetColor(Clr);
    d->SetVisible(true);
    d->SetFocus();
    if (FEditControl == edDetailDropDown) {
        TGridDetailPickerDropDown* detail = FEditDetailPicker;
        const int found = detail->Items()->IndexOf(detail->Text());
        if (found >= 0)
            detail->SetItemIndex(found);
    }
    PostStartChar(d);
    if (FMouseActions->DirectComboDrop())
        d->ShowDropDown();
    if (FEditControl == edMemoDropDown) {
        FEditMemo->SetSelStart(0);
        FEditMemo->SetSelLength(0);
    }
    return d;
}

void TProStringGrid::SetDropDownValue(TProCustomDropDown* DropDown, const QString& Text, int C, int ARow)
{
    switch (FEditControl) {
    case edProGridDropDown: SetProGridDropDownValue(Text); break;
    case edTrackbarDropDown: FEditTrackBar->SetPosition(Text.trimmed().toInt()); break;
    case edMemoDropDown: FEditMemo->MemoText()->SetText(Text); break;
    case edTimePickerDropDown:
        FEditTimePicker->SetEditorEnabled(true);
        FEditTimePicker->SetText(Text);
        break;
    case edDetailDropDown:
        FEditDetailPicker->SetEditorEnabled(true);
        FEditDetailPicker->SetText(Text);
        break;
    case edGridDropDown: {
        TGridGridDropDown* list = FEditGridPicker;
        list->BeginUpdate();
        list->EndUpdate();
        list->SetItemIndex(Text.isEmpty() ? 0 : list->GetItemIndex(Text));
        list->SetText(Text);
        break;
    }
    case edImagePickerDropDown: {
        TGridImageDropDown* picker = FEditImagePicker;
        const TCellType type = GetCellType(C, ARow);
        if (type == ctImageList || type == ctDataImage) {
            picker->SetImages(FGridImages);
            if (picker->Items()->Count() == 0)
                picker->AddImagesFromImageList();
            int index = -1;
            if (type == ctImageList)
                GetImageIdx(C, ARow, index);
            else
                index = GetCellEx(C, ARow).trimmed().toInt();
            picker->SetImageIndex(index);
        }
        picker->OpeningIndex = picker->GetImageIndex();
        const int item = picker->ItemIndex();
        picker->SetTextDirect(item < 0 ? QString() : picker->Items()->Items(item)->Caption());
        break;
    }
    case edColorPickerDropDown: {
        TGridColorDropDown* picker = FEditColorPicker;
        const TColor color = GetCellType(C, ARow) == ctShape ? GetShapeColor(C, ARow) : Colors(C, ARow);
        // An entry of an earlier edit must not name a colour it is not:
        // the colour is looked up afresh.
        picker->SetSelectedColor(clNone);
        picker->SetItemIndex(-1);
        picker->SetSelectedColor(color);
        picker->OpeningColor = color;
        break;
    }
    default: DropDown->SetText(Text); break;
    }
}

// Committing

void TProStringGrid::CommitDropDownEditor(int C, int ARow)
{
    TProCustomDropDown* d = DropDownEditor(FEditControl);
    if (!FEditMode || !d)
        return;
    FEditMode = false;
    TGridDropDownKeys& keys = dynamic_cast<IGridDropDown*>(d)->Keys();
    const bool cancelled = keys.Cancelled();
    keys.SetCancelled(false);
    if (d->DroppedDown())
        d->HideDropDown(cancelled);
    if (cancelled) {
        // The memo writes as it changes: its cell gets the old text back.
        if (FEditControl == edMemoDropDown)
            RestoreCurrentCell();
    } else if (FEditControl == edColorPickerDropDown) {
        TColor color = FEditColorPicker->SelectedColor();
        QString value = FEditColorPicker->SelectedColorText();
        if (OnColorSelected)
            OnColorSelected(this, C, ARow, color, value);
        SetEditTextEx(C, ARow, value);
        if (GetCellType(C, ARow) == ctShape)
            SetShapeColor(C, ARow, color);
        else
            SetColors(C, ARow, color);
    } else if (FEditControl == edImagePickerDropDown) {
        int index = FEditImagePicker->GetImageIndex();
        if (OnImageSelected)
            OnImageSelected(this, C, ARow, index);
        const TCellType type = GetCellType(C, ARow);
        if (type == ctImageList)
            SetImageIdx(C, ARow, index);
        else if (type == ctDataImage)
            SetEditTextEx(C, ARow, QString::number(index));
    } else {
        SetEditTextEx(C, ARow, keys.CurrentValue());
    }
    d->SetEnabled(false);
    d->SetVisible(false);
}
