#include "grid/core/SearchPanel.h"
#include "grid/core/ProStringGrid.h"
#include "grid/dropdown/DropDownUtils.h"
#include "grid/foundation/GridBitmaps.h"
#include "grid/foundation/ProCheckBox.h"
#include "grid/foundation/ProGridButton.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

void TRetEdit::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_KEYDOWN && Message.WParam == WPARAM(VK_RETURN)) {
        const TNotifyEvent& event = GetKeyState(VK_CONTROL) < 0 ? OnCtrlReturn : OnReturn;
        if (event)
            event(this);
        return;
    }
    if (Message.Msg == WM_CHAR && (Message.WParam == 10 || Message.WParam == 13)) {
        QChar key(char16_t(Message.WParam));
        if (OnKeyPress)
            OnKeyPress(this, key);
        Message.Result = 0;
        return;
    }
    TEdit::WndProc(Message);
}

void TRetEdit::WMGetDlgCode(TMessage& Message)
{
    TEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
}

// The search bar

namespace {

void LoadGlyph(TBitmap* Target, const char* Name)
{
    TBitmap bmp;
    if (LoadGridBitmap(QLatin1String(Name), &bmp))
        Target->Assign(&bmp);
}

} // namespace

TSearchPanel::TSearchPanel(TComponent* AOwner) : TPanel(AOwner), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
    SetBevelOuter(bvNone);
    SetShowCaption(false);
    FEdit = new TRetEdit(this);
    FEdit->SetParent(this);
    FExitButton = new TProGridButton(this);
    FExitButton->SetParent(this);
    FForwardButton = new TProGridButton(this);
    FForwardButton->SetParent(this);
    FBackwardButton = new TProGridButton(this);
    FBackwardButton->SetParent(this);
    FHiliteButton = new TProGridButton(this);
    FHiliteButton->SetParent(this);
    FMatchCase = new TProCheckBox(this);
    FMatchCase->SetParent(this);

    FEdit->OnChange = [this](TObject* Sender) { EditChanged(Sender); };
    FEdit->OnReturn = [this](TObject*) { Fire(OnForwardClick); };
    FEdit->OnCtrlReturn = [this](TObject*) { Fire(OnBackwardClick); };
    FEdit->OnKeyDown = [](TObject*, int&, TShiftState) {};
    FForwardButton->OnClick = [this](TObject*) { Fire(OnForwardClick); };
    FBackwardButton->OnClick = [this](TObject*) { Fire(OnBackwardClick); };
    FExitButton->OnClick = [this](TObject*) { Fire(OnExitClick); };
    FHiliteButton->OnClick = [this](TObject*) { Fire(OnHighlightClick); };

    LoadGlyph(FForwardButton->Glyph(), "SGARDOWN");
    LoadGlyph(FForwardButton->GlyphDisabled(), "SGARDOWND");
    LoadGlyph(FBackwardButton->Glyph(), "SGARUP");
    LoadGlyph(FBackwardButton->GlyphDisabled(), "SGARUPD");
    LoadGlyph(FExitButton->Glyph(), "RIZEZERO");
    LoadGlyph(FExitButton->GlyphHot(), "RIZEZEROH");
    LoadGlyph(FExitButton->GlyphDown(), "RIZEZEROD");
    LoadGlyph(FHiliteButton->Glyph(), "SGHI");
    LoadGlyph(FHiliteButton->GlyphDisabled(), "SGHID");
    FHiliteButton->SetStyle(tasCheck);
    for (TProGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton})
        b->SetEnabled(false);
    PlaceChildren();
}

void TSearchPanel::PlaceChildren()
{
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    FForwardButton->SetBounds(140, 5, 90, 23);
    FBackwardButton->SetBounds(235, 5, 90, 23);
    FExitButton->SetBounds(5, 7, 14, 14);
    FHiliteButton->SetBounds(330, 5, 90, 23);
    FMatchCase->SetBounds(FHiliteButton->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height());
    const struct {
        TProGridButton* Button;
        const QString& Hint;
        const QString& Caption;
    } buttons[] = {{FForwardButton, HintFindNext, FindNextCaption},
                   {FBackwardButton, HintFindPrev, FindPrevCaption},
                   {FExitButton, HintClose, QString()},
                   {FHiliteButton, HintHighlight, HighLightCaption}};
    for (const auto& b : buttons) {
        b.Button->SetHint(b.Hint);
        b.Button->SetShowHint(!b.Hint.isEmpty());
        b.Button->SetCaption(b.Caption);
        b.Button->SetParentFont(true);
    }
    FMatchCase->SetCaption(MatchCaseCaption);
    if (UseRightToLeftAlignment())
        for (TControl* c : std::initializer_list<TControl*>{FEdit, FForwardButton, FBackwardButton, FExitButton,
                                                            FHiliteButton})
            c->SetLeft(Width() - c->Width() - c->Left());
}

void TSearchPanel::CreateWnd()
{
    TPanel::CreateWnd();
    PlaceChildren();
    if (FGrid && FGrid->OnCreatedSearchFooter)
        FGrid->OnCreatedSearchFooter(FGrid);
}

void TSearchPanel::Paint()
{
    TPanel::Paint();
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(Color());
    const TRect r = ClientRect();
    if (FColorTo == clNone)
        c->Rectangle(r);
    else
        DrawGradient(c, Color(), FColorTo, 32, r, false);
    c->Pen()->SetColor(FGrid ? FGrid->GridLineColor() : clSilver);
    c->MoveTo(0, 0);
    c->LineTo(Width(), 0);
}

void TSearchPanel::SetColorTo(TColor Value)
{
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::EditChanged(TObject*)
{
    const bool any = !FEdit->Text().isEmpty();
    for (TProGridButton* b : {FForwardButton, FBackwardButton, FHiliteButton})
        b->SetEnabled(any);
    Fire(OnEditChange);
}

void TSearchPanel::Fire(const TNotifyEvent& Event)
{
    if (Event)
        Event(this);
}
