#include "grid/core/ProInplaceEdit.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Clipboard.h"

bool IsTextEditorKind(TEditorType Kind)
{
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edValidChars:
    case edPositiveFloat: return true;
    default: return false;
    }
}

namespace {

constexpr LPARAM KeypadBit = LPARAM(1) << 22;

bool CtrlDown() { return GetKeyState(VK_CONTROL) < 0; }

} // namespace

TProInplaceEdit::TProInplaceEdit(TComponent* AOwner) : TInplaceEdit(AOwner) {}

TProStringGrid* TProInplaceEdit::ProGrid() const { return dynamic_cast<TProStringGrid*>(Grid()); }

void TProInplaceEdit::SetVAlign(bool Value)
{
    if (FValign == Value)
        return;
    FValign = Value;
    SetAlignment(Value ? taRightJustify : taLeftJustify);
}

// Filling and placing

void TProInplaceEdit::UpdateContents()
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::UpdateContents();
        return;
    }
    g->FNoEditChange = true;
    TInplaceEdit::UpdateContents();
    g->FNoEditChange = false;
    FGotKey = false;
    FWorkmode = true;
    FLengthLimit = g->GetEditLimit();
    SetWordWrap(g->WordWrap());
    TBrush brush;
    TFont font;
    font.Assign(g->Font());
    TGridDrawState state;
    TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = g->DefaultAlignment();
    TVAlignment va = g->VAlignment();
    bool wordWrap = g->WordWrap();
    TCellGradientDirection gd = GradientVertical;
    brush.SetColor(g->Color());
    g->GetVisualProperties(g->Col(), g->Row(), state, false, false, false, &brush, colorTo, mirror, mirrorTo, &font,
                           ha, va, wordWrap, gd);
    SetColor(brush.Color());
    SetFont(g->Font());
    SetAlignment(FValign ? taRightJustify : ha);
    FColE = g->Col();
    FRowE = g->Row();
    g->GetEditorProp(g->RealCol(), g->Row(), nullptr);
}

void TProInplaceEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TProStringGrid* g = ProGrid();
    if (g) {
        // The grid places the editor over its plain cell rectangle (plus
        // its frame); the editor takes the merged range instead and
        // leaves the grid lines free.
        const TRect plain = g->TCustomGrid::CellRect(g->Col(), g->Row());
        const int frame = ALeft - plain.Left;
        if (!plain.IsEmpty() && ATop - plain.Top == frame && AWidth == plain.Width()) {
            const TRect r = g->CellRect(g->Col(), g->Row());
            ALeft = r.Left + frame;
            ATop = r.Top + frame;
            AWidth = std::max(r.Width() - 1, 0);
            AHeight = std::max(r.Height() - 1, 0);
        }
    }
    TInplaceEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
}

// Keys

void TProInplaceEdit::CMWantSpecialKey(TWMKey& Message)
{
    TInplaceEdit::CMWantSpecialKey(Message);
    TProStringGrid* g = ProGrid();
    if (g && Message.CharCode == VK_TAB && g->WantTabKey())
        Message.Result = 1;
}

bool TProInplaceEdit::Validate(bool Write, bool Repaint)
{
    TProStringGrid* g = ProGrid();
    const QString oldText = g->FOldCell.Text;
    if (Write) {
        bool& validating = g->FValidating;
        validating = true;
        struct Reset {
            bool& Flag;
            ~Reset() { Flag = false; }
        } reset{validating};
        g->SetCurrentCell(Text());
    }
    if (g->ValidateCell(Text()))
        return true;
    Refuse(oldText, Repaint);
    return false;
}

void TProInplaceEdit::Refuse(const QString& OldText, bool Repaint)
{
    TProStringGrid* g = ProGrid();
    // The accepted text shows for correction; the cell keeps its own.
    g->FNoEditChange = true;
    SetText(g->FNewCellText);
    g->FNoEditChange = false;
    if (g->Navigation()->EditSelectAll())
        SelectAll();
    else
        SetSelStart(int(Display().size()));
    if (Repaint)
        Invalidate();
    g->FOldCell.Text = OldText;
}

bool TProInplaceEdit::HandleTab(TShiftState Shift)
{
    TProStringGrid* g = ProGrid();
    const QString oldText = g->FOldCell.Text;
    if (!g->ValidateCell(Text())) {
        Refuse(oldText, false);
        return true;
    }
    SetText(g->FNewCellText);
    g->HideInplaceEdit();
    if (g->Options().Contains(goTabs))
        g->TabNavigate(Shift.Contains(ssShift));
    else
        PostMessage(g, WM_KEYDOWN, VK_TAB, 0);
    return true;
}

int TProInplaceEdit::CaretLine() const
{
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    return int(Display().left(caret).count(u'\n'));
}

int TProInplaceEdit::LineCount() const { return int(Display().count(u'\n')) + 1; }

bool TProInplaceEdit::HandleLeaveKey(int Key, TShiftState Shift, bool& Committed)
{
    TProStringGrid* g = ProGrid();
    TNavigation* nav = g->Navigation();
    const int len = int(Display().size());
    const int caret = SelStart() + SelLength();
    const bool walk = Shift.Contains(ssShift) && nav->CursorWalkEditor()
        && ((Key == VK_LEFT && SelStart() == 0) || (Key == VK_RIGHT && caret == len));
    if (walk) {
        if (Validate(true, true)) {
            SetText(g->FNewCellText);
            g->HideInplaceEdit();
            if (g->CanFocus())
                g->SetFocus();
        }
        return true;
    }
    if ((Key == VK_UP && CaretLine() == 0) || (Key == VK_DOWN && CaretLine() == LineCount() - 1)) {
        if (!Validate(true, true))
            return true;
        SetText(g->FNewCellText);
        Committed = true;
        return false;
    }
    if (Key == VK_RETURN && !nav->LineFeedOnEnter() && !Shift.Contains(ssCtrl)) {
        const QString oldText = g->FOldCell.Text;
        if (!g->ValidateCell(Text())) {
            Refuse(oldText, false);
            return true;
        }
        SetText(g->FNewCellText);
        return false;
    }
    if (!Shift.Contains(ssCtrl) && !Shift.Contains(ssShift)) {
        if (Key == VK_HOME)
            SetSelStart(0);
        else if (Key == VK_END)
            SetSelStart(len);
    }
    return false;
}

void TProInplaceEdit::WMKeyDown(TWMKey& Message)
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::WMKeyDown(Message);
        return;
    }
    TControlGuard alive = Guard();
    const TShiftState shift = KeyDataToShiftState(Message.KeyData);
    const int key = Message.CharCode;
    TNavigation* nav = g->Navigation();
    FOldSelStart = SelStart();
    FKeypadKey = key == VK_DECIMAL;
    if (key == VK_ESCAPE) {
        SetText(g->FCellCache);
        g->HideInplaceEdit();
    } else if (key == 'A' && shift.Contains(ssCtrl) && GetKeyState(VK_RMENU) >= 0) {
        SelectAll();
        Message.CharCode = 0;
        return;
    } else if (key == VK_RETURN && shift.Contains(ssCtrl)
               && !(nav->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells()))) {
        Message.CharCode = 0;
        return;
    } else if (key == VK_TAB && g->WantTabKey()) {
        HandleTab(shift);
        Message.CharCode = 0;
        return;
    } else {
        bool committed = false;
        if (HandleLeaveKey(key, shift, committed)) {
            Message.CharCode = 0;
            return;
        }
        if (alive.expired())
            return;
        if (key == VK_RETURN && shift.Contains(ssCtrl) && nav->LineFeedOnEnter()) {
            SetSelText(QStringLiteral("\r\n"));
            Message.CharCode = 0;
            return;
        }
        TInplaceEdit::WMKeyDown(Message);
        if (committed && !alive.expired() && g->MouseActions()->DisjunctRowSelect()) {
            g->ClearRowSelect();
            g->SetRowSelect(g->Row(), true);
        }
        return;
    }
    if (!alive.expired())
        TInplaceEdit::WMKeyDown(Message);
}

void TProInplaceEdit::KeyDown(int& Key, TShiftState Shift)
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::KeyDown(Key, Shift);
        return;
    }
    TNavigation* nav = g->Navigation();
    FSelKeyDown = SelStart();
    if (Key == VK_BACK || Key == VK_DELETE)
        FWorkmode = false;
    else if (Key != VK_RETURN && Key != VK_UP && Key != VK_DOWN)
        FWorkmode = true;
    if (Key == VK_RETURN) {
        if (!nav->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells()))
            g->FEditing = false;
        if ((Shift.Contains(ssCtrl) || Shift.Contains(ssShift)) && g->SizeWhileTyping()->Height()
            && g->Multilinecells())
            SizeRowToText();
    }
    if ((Key == VK_UP && CaretLine() > 0) || (Key == VK_DOWN && CaretLine() < LineCount() - 1))
        return;
    // The clipboard keys go through the grid's clipboard events.
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool shiftKey = Shift.Contains(ssShift);
    unsigned clip = 0;
    if ((ctrl && Key == 'V') || (shiftKey && !ctrl && Key == VK_INSERT))
        clip = WM_PASTE;
    else if ((ctrl && Key == 'C') || (ctrl && !shiftKey && Key == VK_INSERT))
        clip = WM_COPY;
    else if ((ctrl && Key == 'X') || (shiftKey && !ctrl && Key == VK_DELETE))
        clip = WM_CUT;
    if (clip) {
        Perform(clip, 0, 0);
        Key = 0;
        return;
    }
    g->EditorKeyDown(Key, Shift);
    if (Key != 0)
        TInplaceEdit::KeyDown(Key, Shift);
}

void TProInplaceEdit::SizeRowToText()
{
    TProStringGrid* g = ProGrid();
    TColumnSize* sizes = g->ColumnSize();
    const bool synch = sizes->SynchWithGrid();
    sizes->SetSynchWithGrid(false);
    g->SizeRowToLines(g->Row(), std::max(CountLines(Text(), true), g->MaxLinesInRow(g->Row())),
                      g->TotalYOffset());
    sizes->SetSynchWithGrid(synch);
    if (g->OnEndRowSize)
        g->OnEndRowSize(g, g->Row());
}

void TProInplaceEdit::WalkLeft()
{
    TProStringGrid* g = ProGrid();
    TNavigation* nav = g->Navigation();
    const int col = g->Col();
    if (col > g->FixedCols() && g->IsControlCell(g->DisplToRealCol(col - 1), g->Row())) {
        if (g->ValidateCell(Text())) {
            g->HideInplaceEdit();
            g->SetCol(col - 1);
        }
        return;
    }
    if (g->ValidateCell(Text()))
        g->HideInplaceEdit();
    const TAdvanceDirection direction = nav->AdvanceDirection();
    nav->SetAdvanceDirection(adLeftRight);
    g->AdvanceEdit(g->Col(), g->Row(), true, true, false, false, true);
    nav->SetAdvanceDirection(direction);
}

void TProInplaceEdit::WalkRight()
{
    TProStringGrid* g = ProGrid();
    TNavigation* nav = g->Navigation();
    const int col = g->Col();
    const int span = g->CellSpan(g->RealCol(), g->Row()).X;
    if (col < g->ColCount() - g->FixedRightCols() - 1
        && g->IsControlCell(g->DisplToRealCol(col + span + 1), g->Row())) {
        if (g->ValidateCell(Text())) {
            g->HideInplaceEdit();
            g->SetCol(col + span + 1);
        }
        return;
    }
    const TAdvanceDirection direction = nav->AdvanceDirection();
    nav->SetAdvanceDirection(adLeftRight);
    g->AdvanceEdit(g->Col(), g->Row(), true, true, true, false, true);
    nav->SetAdvanceDirection(direction);
}

void TProInplaceEdit::KeyUp(int& Key, TShiftState Shift)
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::KeyUp(Key, Shift);
        return;
    }
    TNavigation* nav = g->Navigation();
    const bool plain = SelLength() == 0 && !Shift.Contains(ssShift) && nav->CursorWalkEditor();
    const bool left = Key == VK_LEFT && plain && SelStart() == 0 && FSelKeyDown == 0;
    const bool right = Key == VK_RIGHT && plain && FOldSelStart == int(Display().size());
    if (left || right) {
        TControlGuard alive = Guard();
        if (left)
            WalkLeft();
        else
            WalkRight();
        if (!alive.expired() && !nav->CursorWalkAlwaysEdit())
            g->HideInplaceEdit();
        Key = 0;
        return;
    }
    if (Key == VK_LEFT || Key == VK_RIGHT)
        return;
    TInplaceEdit::KeyUp(Key, Shift);
    DoChange();
    if (g->SizeWhileTyping()->Height() && g->WordWrap())
        SizeRowToText();
}

void TProInplaceEdit::KeyPress(QChar& Key)
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::KeyPress(Key);
        return;
    }
    TNavigation* nav = g->Navigation();
    if (Key == QChar(VK_RETURN) && !nav->LineFeedOnEnter() && !g->ValidateCell(Text())) {
        SetText(g->CurrentCell());
        Key = QChar();
        return;
    }
    TControlGuard alive = Guard();
    TInplaceEdit::KeyPress(Key);
    if (alive.expired() || Key.isNull())
        return;
    if (nav->AdvanceAuto() && IsMasked() && !Text().contains(u' ') && SelStart() == int(Display().size())) {
        QChar ret(u'\r');
        g->KeyPress(ret);
    }
}

// Characters

bool FilterEditorChar(TEditorType Kind, QChar& C, const QString& Text, int SelStart, int SelLength, bool Ctrl,
                      const QString& ValidChars)
{
    const ushort c = C.unicode();
    const bool control = c == VK_BACK || c == VK_TAB || c == VK_RETURN || c == VK_ESCAPE;
    const bool digit = C >= u'0' && C <= u'9';
    auto beep = [] {
        MessageBeep(0);
        return false;
    };
    switch (Kind) {
    case edNumeric:
        if (control || digit || (C == u'-' && !Text.contains(u'-') && SelStart == 0))
            return true;
        return beep();
    case edPositiveNumeric: return control || digit ? true : beep();
    case edFloat:
    case edPositiveFloat: {
        const bool minus = C == u'-' && Kind == edFloat;
        if (!(control || digit || C == u',' || C == u'.' || minus))
            return Ctrl;
        const QString outside = Text.left(SelStart) + Text.mid(SelStart + SelLength);
        if (C == LocaleDecimalSeparator() && outside.contains(C))
            return false;
        if (C == LocaleThousandSeparator())
            return false;
        if (minus && (SelStart != 0 || Text.contains(u'-')) && !Text.mid(SelStart, SelLength).contains(u'-'))
            return beep();
        return true;
    }
    case edCapital:
    case edUpperCase: C = C.toUpper(); return true;
    case edLowerCase: C = C.toLower(); return true;
    case edValidChars:
        if (c == VK_BACK || c == VK_RETURN || ValidChars.contains(C))
            return true;
        return beep();
    default: return true;
    }
}

bool TProInplaceEdit::FilterChar(QChar& C, bool Ctrl, bool Keypad)
{
    TProStringGrid* g = ProGrid();
    TNavigation* nav = g->Navigation();
    const QString display = Display();
    const ushort c = C.unicode();
    if (c == u'.' && Keypad && g->ExcelStyleDecimalSeparator())
        C = LocaleDecimalSeparator();
    if (c == 1 && Ctrl)
        return false;
    if (c == 10 && Ctrl && !(nav->AllowCtrlEnter() && (g->WordWrap() || g->Multilinecells())))
        return false;
    if (FLengthLimit > 0 && display.size() >= FLengthLimit && SelLength() == 0 && c != VK_BACK && c != VK_ESCAPE
        && c != VK_RETURN)
        return false;
    return FilterEditorChar(g->EditControl(), C, display, SelStart(), SelLength(), Ctrl, g->ValidChars());
}

void TProInplaceEdit::WMChar(TWMKey& Message)
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::WMChar(Message);
        return;
    }
    TNavigation* nav = g->Navigation();
    QChar c(char16_t(Message.CharCode));
    const TEditorType kind = g->EditControl();
    const bool lineKinds = kind == edNormal || kind == edCapital || kind == edMixedCase || kind == edLowerCase
        || kind == edUpperCase || kind == edValidChars;
    if (c == QChar(VK_RETURN) && lineKinds && nav->LineFeedOnEnter()) {
        SetSelText(QStringLiteral("\r\n"));
        return;
    }
    const bool keypad = (Message.KeyData & KeypadBit) != 0 || FKeypadKey;
    if (!FilterChar(c, CtrlDown(), keypad)) {
        Message.CharCode = 0;
        return;
    }
    Message.CharCode = c.unicode();
    TControlGuard alive = Guard();
    TInplaceEdit::WMChar(Message);
    if (alive.expired() || Message.CharCode < 32)
        return;
    // The character goes in here, so that what follows sees it.
    const int caret = SelStart();
    SetSelText(QString(QChar(char16_t(Message.CharCode))));
    Message.CharCode = 0;
    if (kind == edMixedCase) {
        const QString mixed = ToMixedCase(Text());
        if (mixed != Text()) {
            SetText(mixed);
            SetSelStart(caret + 1);
        }
    }
    const int limit = g->MaxEditLength();
    if (nav->AdvanceAuto() && nav->AdvanceOnEnter() && limit > 0 && Display().size() == limit && SelLength() == 0
        && SelStart() == limit) {
        QChar ret(u'\r');
        g->KeyPress(ret);
    }
}

// Look-up completion

void TProInplaceEdit::DoChange()
{
    TProStringGrid* g = ProGrid();
    if (!g || !FWorkmode || SelLength() > 0 || !g->Lookup())
        return;
    TStringList* items = g->LookupItems();
    if (items->Count() == 0)
        return;
    const int caret = SelStart();
    const QString typed = Display().left(caret);
    if (typed.isEmpty())
        return;
    const bool caseSensitive = g->LookupCaseSensitive();
    const QString key = caseSensitive ? typed : typed.toUpper();
    for (int i = 0; i < items->Count(); ++i) {
        const QString item = items->Strings(i);
        if (!(caseSensitive ? item : item.toUpper()).startsWith(key))
            continue;
        const QString text = typed + item.mid(typed.size(), 255);
        SetText(text);
        SetSelection(int(text.size()), int(typed.size()));
        FGotKey = false;
        return;
    }
}

// Clipboard

void TProInplaceEdit::Paste()
{
    TProStringGrid* g = ProGrid();
    QString t = Clipboard()->AsText();
    bool allow = !t.isEmpty();
    if (g->OnClipboardPaste)
        g->OnClipboardPaste(this, allow);
    if (allow && g->OnClipboardBeforePasteCell)
        g->OnClipboardBeforePasteCell(this, g->Col(), g->Row(), t, allow);
    if (!allow || (FLengthLimit >= 1 && t.size() > FLengthLimit))
        return;
    const int crlf = int(t.indexOf(QStringLiteral("\r\n")));
    if (crlf >= 0 && crlf == t.size() - 2)
        t.chop(2);
    const int start = SelStart();
    const int length = SelLength();
    QString n = Display();
    n.replace(start, length, QString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    if (FLengthLimit >= 1 && n.size() > FLengthLimit)
        return;
    bool take = true;
    switch (g->EditControl()) {
    case edNumeric:
    case edPositiveNumeric:
        take = ClassifyNumberText(n) == ntInteger && (g->EditControl() == edNumeric || !n.contains(u'-'));
        break;
    case edFloat:
    case edPositiveFloat: {
        const int kind = ClassifyNumberText(n);
        take = (kind == ntInteger || kind == ntFloat) && (g->EditControl() == edFloat || !n.contains(u'-'));
        break;
    }
    case edMixedCase: n = ToMixedCase(n); break;
    case edLowerCase: n = n.toLower(); break;
    case edUpperCase: n = n.toUpper(); break;
    case edValidChars:
        for (QChar ch : n)
            if (!g->ValidChars().contains(ch))
                take = false;
        break;
    default: break;
    }
    if (take) {
        SetText(TextFromDisplay(n));
        const int end = start + int(QString(t).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).size());
        if (length > 0)
            SetSelection(start, end);
        else
            SetSelection(end, end);
    }
    g->SetCurrentCellEditText(Text());
    if (g->OnClipboardAfterPasteCell)
        g->OnClipboardAfterPasteCell(this, g->Col(), g->Row(), Text());
}

void TProInplaceEdit::WndProc(TMessage& Message)
{
    TProStringGrid* g = ProGrid();
    if (g) {
        switch (Message.Msg) {
        case WM_PASTE: Paste(); return;
        case WM_COPY:
        case WM_CUT: {
            bool allow = true;
            const TClipboardEvent& event = Message.Msg == WM_COPY ? g->OnClipboardCopy : g->OnClipboardCut;
            if (event)
                event(this, allow);
            if (!allow)
                return;
            if (SelLength() > 0)
                Clipboard()->SetAsText(TextFromDisplay(SelText()));
            if (Message.Msg == WM_CUT)
                ClearSelection();
            return;
        }
        case WM_SYSKEYDOWN:
            if (Message.WParam == VK_BACK)
                FAltBack = true;
            break;
        case WM_SYSKEYUP:
            if (Message.WParam == VK_BACK)
                FAltBack = false;
            break;
        default: break;
        }
    }
    TInplaceEdit::WndProc(Message);
}

void TProInplaceEdit::WMKeyUp(TWMKey& Message)
{
    TInplaceEdit::WMKeyUp(Message);
    if (TProStringGrid* g = ProGrid())
        g->FormulaEditing(Text().startsWith(u'='));
}

// Focus

void TProInplaceEdit::WMSetFocus(TWMFocus& Message)
{
    TInplaceEdit::WMSetFocus(Message);
    TProStringGrid* g = ProGrid();
    if (!g)
        return;
    FGotFocus = true;
    g->FNoEditChange = false;
    FLengthLimit = g->GetEditLimit();
    SetMaxLength(FLengthLimit);
    if (IsMasked() && !g->LButFlg && g->Navigation()->ImproveMaskSel()) {
        SetSelection(0, 1);
        return;
    }
    if (!g->Navigation()->EditSelectAll())
        SetSelStart(int(Display().size()));
    g->LButFlg = false;
}

void TProInplaceEdit::WMKillFocus(TWMFocus& Message)
{
    TProStringGrid* g = ProGrid();
    if (!g) {
        TInplaceEdit::WMKillFocus(Message);
        return;
    }
    g->FStartEditChar = QChar();
    TStringList* items = g->LookupItems();
    if (g->LookupHistory() && !Text().isEmpty() && items->IndexOf(Text()) < 0)
        items->Add(Text());
    g->FormulaEditing(false);
    TControlGuard alive = Guard();
    TInplaceEdit::WMKillFocus(Message);
    if (alive.expired() || FAltBack)
        return;
    if (FindControl(Message.FocusedWnd) != g) {
        struct Close {
            TProStringGrid* G;
            ~Close()
            {
                G->HideInplaceEdit();
                G->FEditing = false;
                G->FEditMode = false;
            }
        };
        {
            Close close{g};
            g->ValidateCell(Text());
            if (!alive.expired())
                SetText(g->CurrentCell());
        }
        g->SelectCell(FColE, FRowE);
    }
    if (alive.expired())
        return;
    g->FNoEditChange = true;
    SetText(g->CurrentCell());
    g->FNoEditChange = false;
    if (FGotFocus) {
        FGotFocus = false;
        g->EditingDone(g->DisplToRealCol(FColE), FRowE);
    }
}

void TProInplaceEdit::WMLButtonDblClk(TWMMouse& Message)
{
    TInplaceEdit::WMLButtonDblClk(Message);
    if (TProStringGrid* g = ProGrid(); g && g->OnDblClickCell)
        g->OnDblClickCell(g, g->Row(), g->Col());
}

void TProInplaceEdit::Change()
{
    TInplaceEdit::Change();
    TProStringGrid* g = ProGrid();
    if (!g || g->FNoEditChange)
        return;
    if (g->OnEditChange)
        g->OnEditChange(g, g->Col(), g->Row(), Text());
    // The typed text goes into the cell at once; validation compares
    // with the text the edit started from.
    if (g->FShowEditProcess && g->FEditMode && Visible())
        g->SetEditText(g->Col(), g->Row(), Text());
}
