#include "platform/controls/RadioGroup.h"
#include "platform/controls/CheckBox.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/rtl/Exceptions.h"

TRadioGroup::TRadioGroup(TComponent* AOwner) : TCustomControl(AOwner), FItems(new TStringList)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 105);
    FItems->OnChange = [this](TObject*) { UpdateButtons(); };
}

TRadioGroup::~TRadioGroup()
{
    FItems->OnChange = nullptr;
    delete FItems;
}

TRadioButton* TRadioGroup::Buttons(int Index) const
{
    if (Index < 0 || Index >= int(FButtons.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FButtons[std::size_t(Index)];
}

void TRadioGroup::SetItemIndex(int value)
{
    if (value < -1 || value >= FItems->Count())
        value = -1;
    if (value == FItemIndex)
        return;
    FItemIndex = value;
    FUpdating = true;
    for (std::size_t i = 0; i < FButtons.size(); ++i)
        FButtons[i]->SetChecked(int(i) == value);
    FUpdating = false;
    Click();
}

void TRadioGroup::SetColumns(int value)
{
    FColumns = std::clamp(value, 1, 16);
    Realign();
}

void TRadioGroup::UpdateButtons()
{
    FUpdating = true;
    while (int(FButtons.size()) > FItems->Count()) {
        delete FButtons.back();
        FButtons.pop_back();
    }
    while (int(FButtons.size()) < FItems->Count()) {
        auto* b = new TRadioButton(this);
        b->SetParent(this);
        b->OnClick = [this, b](TObject*) { ButtonClicked(b); };
        FButtons.push_back(b);
    }
    for (int i = 0; i < FItems->Count(); ++i) {
        FButtons[std::size_t(i)]->SetCaption(FItems->Strings(i));
        FButtons[std::size_t(i)]->SetChecked(i == FItemIndex);
    }
    if (FItemIndex >= FItems->Count())
        FItemIndex = -1;
    FUpdating = false;
    Realign();
}

void TRadioGroup::ButtonClicked(TRadioButton* Button)
{
    if (FUpdating || !Button->Checked())
        return;
    auto it = std::find(FButtons.begin(), FButtons.end(), Button);
    if (it == FButtons.end())
        return;
    FItemIndex = int(it - FButtons.begin());
    Click();
}

void TRadioGroup::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    // Room for the caption line at the top and the frame around.
    Rect = ::Rect(Rect.Left + 8, Rect.Top + 18, Rect.Right - 8, Rect.Bottom - 6);
}

void TRadioGroup::AlignControls(TControl*, TRect& Rect)
{
    int n = int(FButtons.size());
    if (n == 0)
        return;
    int rows = (n + FColumns - 1) / FColumns;
    int w = Rect.Width() / FColumns;
    int h = std::max(Rect.Height() / rows, 1);
    for (int i = 0; i < n; ++i) {
        int col = i / rows;
        int row = i % rows;
        int bh = std::min(h, 20);
        FButtons[std::size_t(i)]->SetBounds(Rect.Left + col * w, Rect.Top + row * h + (h - bh) / 2, w, bh);
    }
}

void TRadioGroup::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}

void TRadioGroup::Paint()
{
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(Color());
    c->FillRect(ClientRect());
    c->SetFont(Font());
    int th = c->TextHeight(QStringLiteral("0"));
    TRect frame = Rect(0, th / 2, Width(), Height());
    DrawEdge(c, &frame, EDGE_ETCHED, BF_RECT);
    if (!Caption().isEmpty()) {
        TRect t = Rect(8, 0, 0, 0);
        DrawText(c, Caption(), -1, &t, DT_SINGLELINE | DT_CALCRECT);
        t = Rect(6, 0, t.Right + 4, th);
        c->FillRect(t);
        t.Left += 2;
        DrawText(c, Caption(), -1, &t, DT_SINGLELINE);
    }
}
