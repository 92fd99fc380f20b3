#pragma once
// The search bar under the grid: TSearchPanel with its edit TRetEdit,
// which reports Return and Ctrl+Return instead of inserting a line, the
// find next, find previous, highlight and close buttons and the
// match-case box. The grid binds the panel's events and copies its
// SearchFooter settings into it (UpdateSearchFooter).
#include "platform/controls/Edit.h"
#include "platform/controls/Panel.h"

class TProCheckBox;
class TProGridButton;
class TProStringGrid;

class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;

    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    // Return fires OnCtrlReturn with Ctrl down, else OnReturn, and goes
    // no further; a line feed or carriage return character goes to
    // OnKeyPress only, so nothing is inserted.
    void WndProc(TMessage& Message) override;
    // The edit wants Return, as a multi-line edit does.
    void WMGetDlgCode(TMessage& Message) override;
};

class TSearchPanel : public TPanel {
public:
    // AOwner is the grid; the panel owns its children.
    explicit TSearchPanel(TComponent* AOwner);

    TRetEdit* EditControl() const { return FEdit; }
    TProGridButton* ExitButton() const { return FExitButton; }
    TProGridButton* ForwardButton() const { return FForwardButton; }
    TProGridButton* BackwardButton() const { return FBackwardButton; }
    TProGridButton* HiliteButton() const { return FHiliteButton; }
    TProCheckBox* MatchCase() const { return FMatchCase; }
    // The lower gradient colour; clNone fills with Color alone.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);

    // Captions and hints as the grid last copied them.
    QString FindNextCaption;
    QString FindPrevCaption;
    QString MatchCaseCaption;
    QString HighLightCaption;
    QString HintFindNext;
    QString HintFindPrev;
    QString HintClose;
    QString HintHighlight;

    // Sender: the panel. Return in the edit finds forward, Ctrl+Return
    // backward.
    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;

protected:
    // Lays out and wires the children, then the grid's OnCreatedSearchFooter.
    void CreateWnd() override;
    // Color (to ColorTo in 32 bands) with a line in the grid's line colour on top.
    void Paint() override;

private:
    void PlaceChildren();
    void EditChanged(TObject* Sender);
    void Fire(const TNotifyEvent& Event);

    TProStringGrid* FGrid;
    TRetEdit* FEdit;
    TProGridButton* FExitButton;
    TProGridButton* FForwardButton;
    TProGridButton* FBackwardButton;
    TProGridButton* FHiliteButton;
    TProCheckBox* FMatchCase;
    TColor FColorTo = clNone;
};
