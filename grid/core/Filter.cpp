#include "grid/core/Filter.h"
#include "grid/core/GridSettingsOwner.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsObjects.h"

// TFilterData

void TFilterData::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFilterData*>(Source);
    if (!src)
        return;
    FColumn = src->FColumn;
    FCondition = src->FCondition;
    FCaseSensitive = src->FCaseSensitive;
    FData = src->FData;
    FPrefix = src->FPrefix;
    FSuffix = src->FSuffix;
    FOperation = src->FOperation;
}

// TFilter

TFilter::TFilter(IGridSettingsOwner* AOwner)
    : TCollection([](TCollection* c) -> TCollectionItem* { return new TFilterData(c); }), FOwner(AOwner)
{
}

TPersistent* TFilter::GetOwner() const { return dynamic_cast<TPersistent*>(FOwner); }

TFilterData* TFilter::Add()
{
    auto* item = static_cast<TFilterData*>(TCollection::Add());
    item->SetOperation(Count() == 1 ? foNONE : foAND);
    return item;
}

TFilterData* TFilter::Insert(int Index) { return static_cast<TFilterData*>(TCollection::Add()); }

TFilterData* TFilter::GetColFilter(int Col)
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Column() == Col)
            return Items(i);
    TFilterData* item = Add();
    item->SetColumn(int16_t(Col));
    return item;
}

bool TFilter::HasFilter(int Col) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Column() == Col)
            return true;
    return false;
}

void TFilter::RemoveColumnFilter(int Col)
{
    for (int i = Count() - 1; i >= 0; --i)
        if (Items(i)->Column() == Col)
            Delete(i);
    if (FOwner)
        FOwner->RepaintCell(Col, 0);
}

// TFilterDropDown

TFilterDropDown::TFilterDropDown()
    : FFont(std::make_unique<TFont>()), FGlyph(std::make_unique<TBitmap>()), FGlyphActive(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](TObject*) { Changed(); };
    FGlyphActive->OnChange = [this](TObject*) { Changed(); };
}

TFilterDropDown::~TFilterDropDown() = default;

void TFilterDropDown::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TFilterDropDown::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFilterDropDown*>(Source);
    if (!src)
        return;
    FColor = src->FColor;
    FColumnWidth = src->FColumnWidth;
    FFont->Assign(src->FFont.get());
    FHeight = src->FHeight;
    FWidth = src->FWidth;
    FGlyph->Assign(src->FGlyph.get());
    FGlyphActive->Assign(src->FGlyphActive.get());
}

void TFilterDropDown::SetFont(TFont* Value) { FFont->Assign(Value); }
void TFilterDropDown::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }
void TFilterDropDown::SetGlyphActive(TBitmap* Value) { FGlyphActive->Assign(Value); }

// The drop-down lists

namespace {

// On a cancelled mode: true when the pointer is outside the list, after
// telling the grid that no filter list is open. A press on the grid
// itself leaves that to the grid's release, so that a second click on a
// filter button closes its list instead of opening it again.
bool CancelledOutside(TWinControl* List, const TMessage& Message)
{
    const TPoint p = List->ScreenToClient(GetCursorPos());
    if (p.X >= 0 && p.Y >= 0 && p.X < List->Width() && p.Y < List->Height())
        return false;
    auto* pressed = reinterpret_cast<TControl*>(Message.LParam);
    if (auto* grid = dynamic_cast<IGridSettingsOwner*>(List->Owner()); grid && pressed != List->Owner())
        grid->SetFilterColumn(-1);
    return true;
}

} // namespace

void TDropList::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE && CancelledOutside(this, Message))
        Hide();
    TListBox::WndProc(Message);
}

void TDropList::Select()
{
    Hide();
    if (OnSelect)
        OnSelect(this, ItemIndex());
}

void TDropList::KeyPress(QChar& Key)
{
    TListBox::KeyPress(Key);
    if (Key == QChar(13))
        Select();
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TListBox::MouseUp(Button, Shift, X, Y);
    Select();
}

void TDropCheckList::WndProc(TMessage& Message)
{
    if (Message.Msg == CM_CANCELMODE && CancelledOutside(this, Message))
        Hide();
    TCheckListBox::WndProc(Message);
}

void TDropCheckList::ClickCheck()
{
    TCheckListBox::ClickCheck();
    if (OnSelect)
        OnSelect(this, -1);
}
