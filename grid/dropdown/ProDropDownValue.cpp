// Typed editing of the drop-down edit: the value between prefix and
// suffix, the character filter of each edit type, the caret rules, number
// conversions, focus formatting and the clipboard.
//
// Typed characters, Backspace and Delete are applied here rather than by
// the native edit, so that what follows a change (regrouping thousands,
// mixed case, the modified flag) sees the new text at once.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/Clipboard.h"
#include <algorithm>

namespace {

bool IsNumberType(TDropDownEditType T)
{
    return T == etNumeric || T == etFloat || T == etMoney;
}

bool IsDigit(QChar C)
{
    return C >= u'0' && C <= u'9';
}

// Removes the thousand separators and converts with the format settings; 0
// when the text is no number.
double TextToFloat(const QString& S)
{
    double v = 0;
    if (!TryStrToFloat(RemoveThousandSeparators(S), v))
        return 0;
    return v;
}

} // namespace

// The value

QString TProCustomDropDown::GetText() const
{
    QString s = EditText();
    if (!FPrefix.isEmpty() && s.startsWith(FPrefix))
        s.remove(0, FPrefix.size());
    if (!FSuffix.isEmpty())
        s.chop(std::min<qsizetype>(FSuffix.size(), s.size()));
    return s;
}

void TProCustomDropDown::SetShownText(const QString& Shown)
{
    TCustomMaskEdit::SetText(Shown);
}

void TProCustomDropDown::SetText(const QString& Value)
{
    QString v = Value;
    if (v.isEmpty() && (IsNumberType(FEditType) || FEditType == etHex))
        v = QStringLiteral("0");
    if (FPrecision > 0 && !v.isEmpty() && v != QLatin1String("Error")) {
        const QString digits = QString::number(FPrecision);
        if (FEditType == etMoney)
            v = Format(QStringLiteral("%.") + digits + QStringLiteral("n"), {TextToFloat(v)});
        else if (FEditType == etFloat)
            v = Format(QStringLiteral("%.") + digits + QStringLiteral("f"), {TextToFloat(v)});
    }
    if (FEditType == etHex)
        v = v.toUpper();
    SetShownText(FPrefix + v + FSuffix);
    FOldText = v;
    SetIsModified(false);
}

void TProCustomDropDown::SetTextDirect(const QString& Value)
{
    SetShownText(Value);
}

void TProCustomDropDown::SetIsModified(bool Value)
{
    if (IsLoading() || !FEditorEnabled || ReadOnly())
        return;
    SetModified(Value);
    FIsModified = Value;
}

void TProCustomDropDown::SetEditType(TDropDownEditType Value)
{
    if (FEditType == Value)
        return;
    FEditType = Value;
    if (Value == etPassword) {
        SetPasswordChar(QChar(42));
        FCanUndo = false;
    } else {
        SetPasswordChar(QChar());
    }
    const int kind = ClassifyText(GetText());
    if (Value == etNumeric && kind != 0)
        SetIntValue(0);
    else if ((Value == etFloat || Value == etMoney) && kind != 0 && kind != 1)
        SetFloatValue(0);
    else if (Value == etHex && kind != 0 && kind != 5)
        SetIntValue(0);
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) && Value == etFloat && FPrecision == 0)
        SetPrecision(2);
}

void TProCustomDropDown::SetPrecision(int Value)
{
    if (FPrecision == Value || !(FEditType == etString || FEditType == etFloat || FEditType == etMoney))
        return;
    FPrecision = short(Value);
    const int kind = ClassifyText(GetText());
    if (kind != 0 && kind != 1)
        SetFloatValue(0);
    else
        SetFloatValue(GetFloatValue());
}

void TProCustomDropDown::SetFloatValue(double Value)
{
    const QString fixed = QStringLiteral("%.") + QString::number(FPrecision) + QStringLiteral("f");
    switch (FEditType) {
    case etString:
    case etFloat: SetText(FPrecision < 0 ? Format(QStringLiteral("%g"), {Value}) : Format(fixed, {Value})); break;
    case etNumeric:
        SetText(FPrecision < 0 ? Format(QStringLiteral("%g"), {Value})
                               : Format(QStringLiteral("%.") + QString::number(FPrecision) + QStringLiteral("n"),
                                        {Value}));
        break;
    case etMoney:
        SetText(FPrecision < 0 ? Format(QStringLiteral("%g"), {Value}) : Format(fixed, {Value}));
        ApplyThousandSeparator();
        break;
    case etHex: SetText(IntToHex(static_cast<long long>(Trunc(Value)), 0)); break;
    default: break;
    }
    SetIsModified(true);
}

void TProCustomDropDown::SetIntValue(int Value)
{
    switch (FEditType) {
    case etNumeric:
    case etFloat: SetText(IntToStr(Value)); break;
    case etMoney:
        SetText(IntToStr(Value));
        ApplyThousandSeparator();
        break;
    case etHex: SetText(IntToHex(Value, 0)); break;
    default: break;
    }
    SetIsModified(true);
}

double TProCustomDropDown::GetFloatValue() const
{
    const QString v = GetText();
    switch (FEditType) {
    case etString: {
        double d = 0;
        int code = 0;
        Val(v, d, code);
        return d;
    }
    case etNumeric:
    case etFloat:
        if (v.isEmpty() || v == QLatin1String("Error") || v == QLatin1String("-"))
            return 0;
        return TextToFloat(v);
    case etMoney: {
        if (v.isEmpty())
            return 0;
        QString s = RemoveThousandSeparators(v);
        if (s.endsWith(DecimalSeparatorChar()))
            s.chop(1);
        if (s.isEmpty() || s == QLatin1String("-"))
            return 0;
        return TextToFloat(s);
    }
    case etHex: return v.isEmpty() ? 0 : double(HexToInt(v));
    default: return 0;
    }
}

// Selection inside the value

void TProCustomDropDown::SelectAll()
{
    const int start = int(FPrefix.size());
    SetSelection(start, start + int(GetText().size()));
}

void TProCustomDropDown::SelectAfterDecimal()
{
    const int p = int(GetText().indexOf(DecimalSeparatorChar())) + 1;
    const int caret = int(FPrefix.size()) + p;
    SetSelection(caret, caret);
}

void TProCustomDropDown::SelectBeforeDecimal()
{
    const int p = int(GetText().indexOf(DecimalSeparatorChar())) + 1;
    const int caret = int(FPrefix.size()) + (p > 0 ? p - 1 : 0);
    SetSelection(caret, caret);
}

int TProCustomDropDown::IntegerDigitCount(const QString& Value) const
{
    const QString s = RemoveThousandSeparators(Value);
    const int p = int(s.indexOf(DecimalSeparatorChar())) + 1;
    int count = p > 0 ? p : int(s.size()) + 1;
    if (FSigned && IsNumberType(FEditType) && Value.contains(u'-'))
        --count;
    return count;
}

int TProCustomDropDown::DecimalSeparatorPos() const
{
    const QString v = GetText();
    const int p = int(v.indexOf(DecimalSeparatorChar())) + 1;
    if (p > 0)
        return int(FPrefix.size()) + p;
    return int(FPrefix.size() + v.size() + FSuffix.size()) + 1;
}

// Thousands are grouped by three: the separator nearest to the caret must
// be exactly three characters away.
bool TProCustomDropDown::ThousandDistanceOk() const
{
    const QChar ts = ThousandSeparatorChar();
    QString v = GetText();
    int k = SelStart() - int(FPrefix.size());
    int m = int(v.size());
    for (int p = int(v.indexOf(ts)) + 1; p > 0; p = int(v.indexOf(ts)) + 1) {
        const int d = std::abs(p - k);
        m = std::min(m, d);
        if (d < 3)
            return false;
        if (p <= k)
            k -= p;
        v.remove(0, p);
    }
    return m <= 3;
}

void TProCustomDropDown::ApplyThousandSeparator()
{
    const QString v = GetText();
    if (v.isEmpty())
        return;
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    const QChar ds = DecimalSeparatorChar();
    const bool negative = v.startsWith(u'-');
    const int dp = int(v.indexOf(ds));
    const QString decimals = dp >= 0 ? v.mid(dp, 255) : QString();
    QString whole = Format(FAutoThousandSeparator ? QStringLiteral("%n") : QStringLiteral("%f"),
                           {double(Trunc(std::abs(GetFloatValue())))});
    if (const int cut = int(whole.indexOf(ds)); cut >= 0)
        whole.truncate(cut);
    const QString value = (negative ? QStringLiteral("-") : QString()) + whole + decimals;
    const QString shown = FPrefix + value + FSuffix;
    const int saved = FPrecision;
    FPrecision = 0;
    FBlockChange = shown != EditText();
    SetShownText(shown);
    FPrecision = short(saved);
    caret = std::max(0, caret + int(value.size()) - int(v.size()));
    SetSelection(caret, caret);
}

void TProCustomDropDown::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode == EN_CHANGE && FBlockChange) {
        FBlockChange = false;
        return;
    }
    TCustomMaskEdit::CNCommand(Message);
}

// Typing

namespace {

// Replaces the selection by Text as the user's change; false when MaxLength
// leaves no room.
bool TypeText(TCustomMaskEdit* Edit, const QString& Text)
{
    const int room = Edit->MaxLength();
    if (room > 0 && int(Edit->EditText().size()) - Edit->SelLength() + int(Text.size()) > room)
        return false;
    Edit->SetSelText(Text);
    return true;
}

} // namespace

void TProCustomDropDown::WMChar(TWMKey& Message)
{
    if (!FEditorEnabled) {
        Message.CharCode = 0;
        return;
    }
    if (!ValueCharAllowed(Message)) {
        Message.CharCode = 0;
        return;
    }
}

// Steps 1 to 14 of the character filter; false drops the character.
bool TProCustomDropDown::ValueCharAllowed(TWMKey& Message)
{
    QChar ch(char16_t(Message.CharCode));
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const QString v = GetText();
    const QChar ds = DecimalSeparatorChar();
    TCustomForm* form = GetParentForm(this);
    const bool preview = form && form->KeyPreview();
    if (SelLength() == int(v.size()) && !v.isEmpty())
        FBlockChange = true;
    if (ctrl && ch == QChar(13)) {
        Message.Result = 1;
        return false;
    }
    if (ch == QChar(13)) {
        QChar key = ch;
        CallEvent(OnKeyPress, this, key);
        if (!FDefaultHandling && Parent()) {
            PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
            if (preview) {
                Message.CharCode = 0;
                TCustomMaskEdit::WMChar(Message);
            } else {
                PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
            }
        }
        return false;
    }
    if (ch == QChar(27) && !FDefaultHandling && Parent()) {
        if (preview) {
            TCustomMaskEdit::WMChar(Message);
            return false;
        }
        PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
        PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
    }
    if (ch == QChar(27) && !FCanUndo) {
        TCustomMaskEdit::WMChar(Message);
        return false;
    }
    if (ctrl && (ch == QChar(3) || ch == QChar(22) || ch == QChar(24))) {
        TCustomMaskEdit::WMChar(Message);
        return false;
    }
    // The numeric keypad's decimal key types the locale's separator.
    if (FExcelStyleDecimalSeparator && (ch == u'.' || ch == u',') && (Message.KeyData & (1 << 22)))
        ch = ds;
    const int caret = SelStart();
    const bool numberSign = ch == u'-' && FSigned && IsNumberType(FEditType);
    if (FLengthLimit > 0 && IntegerDigitCount(v) > FLengthLimit && SelLength() == 0 && caret < DecimalSeparatorPos()
        && ch != QChar(8) && ch != ds && !numberSign)
        return false;
    if (ch == QChar(8)) {
        // Backspace edits on its key-down; its character only reaches the events.
        TCustomMaskEdit::WMChar(Message);
        return false;
    }
    if (ctrl && ch == QChar(10))
        return false;
    if (ch == u'-' && IsNumberType(FEditType) && !FSigned)
        return false;
    Message.CharCode = ch.unicode();
    if (!TypeRule(ch, Message))
        return false;
    if (Modified())
        SetIsModified(true);
    return true;
}

// The rule of the edit type; an accepted character is typed here.
bool TProCustomDropDown::TypeRule(QChar Ch, TWMKey& Message)
{
    const bool control = Ch.unicode() < 0x20;
    const bool ctrlDown = GetKeyState(VK_CONTROL) < 0;
    bool accepted = false;
    bool marks = false;
    QChar typed = Ch;
    switch (FEditType) {
    case etString:
    case etPassword: accepted = marks = true; break;
    case etNumeric:
        accepted = control || Ch == u'-' || IsDigit(Ch) || ctrlDown;
        if (accepted && Ch == u'-' && !ctrlDown) {
            SignToggle();
            return false;
        }
        break;
    case etFloat: {
        const QChar ds = DecimalSeparatorChar();
        const QChar ts = ThousandSeparatorChar();
        accepted = control || IsDigit(Ch) || Ch == u',' || Ch == u'-' || Ch == u'.';
        if (Ch == u',' && ds != u',' && ts != u',')
            return false;
        if (Ch == u'.' && ds != u'.' && ts != u'.')
            return false;
        if (accepted && !control && !DecimalRules(Ch))
            return false;
        break;
    }
    case etUppercase:
        accepted = true;
        typed = Ch.toUpper();
        break;
    case etLowerCase:
        accepted = true;
        typed = Ch.toLower();
        break;
    case etMixedCase: accepted = true; break;
    case etMoney:
        accepted = control || IsDigit(Ch) || Ch == u'-' || Ch == DecimalSeparatorChar();
        if (accepted && !control && !DecimalRules(Ch))
            return false;
        break;
    case etRange: {
        accepted = control || IsDigit(Ch) || Ch == u',' || Ch == u'-' || Ch == u';';
        marks = true;
        if (accepted && IsRangeSeparator(Ch)) {
            const QString shown = EditText();
            const int caret = SelStart();
            if (caret <= int(FPrefix.size()) || (caret > 0 && IsRangeSeparator(shown[caret - 1]))
                || (caret < int(shown.size()) && IsRangeSeparator(shown[caret])))
                return false;
        }
        break;
    }
    case etHex:
        accepted = control || IsDigit(Ch) || Ch == u'-' || (Ch >= u'A' && Ch <= u'F') || (Ch >= u'a' && Ch <= u'f');
        marks = true;
        break;
    case etAlphaNumeric:
        accepted = control || IsDigit(Ch) || (Ch >= u'A' && Ch <= u'Z') || (Ch >= u'a' && Ch <= u'z');
        marks = true;
        break;
    case etValidChars:
        accepted = FValidChars.contains(Ch) || Ch == QChar(8);
        marks = true;
        break;
    }
    if (!accepted)
        return false;
    if (marks)
        SetIsModified(true);
    // The character's own events first; a handler may drop or change it.
    Message.CharCode = typed.unicode();
    TControlGuard alive = Guard();
    TCustomMaskEdit::WMChar(Message);
    if (alive.expired() || Message.CharCode == 0)
        return false;
    typed = QChar(char16_t(Message.CharCode));
    Message.CharCode = 0;
    if (typed.unicode() < 0x20 || ReadOnly())
        return false;
    const int caret = SelStart();
    if (!TypeText(this, QString(typed)))
        return false;
    if (FEditType == etMixedCase) {
        const QString mixed = ToMixedCase(GetText());
        SetShownText(FPrefix + mixed + FSuffix);
        SetModified(true);
        SetSelection(caret + 1, caret + 1);
    }
    if (FEditType == etMoney && typed != DecimalSeparatorChar()) {
        const QString v = GetText();
        if (!v.isEmpty() && v != QLatin1String("-"))
            ApplyThousandSeparator();
    }
    if (Modified())
        SetIsModified(true);
    return false;
}

// The decimal rules of etFloat and etMoney; false drops the character.
bool TProCustomDropDown::DecimalRules(QChar Ch)
{
    const QChar ds = DecimalSeparatorChar();
    const QChar ts = ThousandSeparatorChar();
    const QString v = GetText();
    const QString sel = SelText();
    const bool money = FEditType == etMoney;
    if (Ch == ds && ((v.contains(ds) && (money || !sel.contains(ds))) || FPrecision == 0)) {
        if (money && SelLength() == int(v.size()) && !v.isEmpty())
            SetText(QStringLiteral("0") + ds + QStringLiteral("0"));
        if (FPrecision > 0)
            SelectAfterDecimal();
        return false;
    }
    if (!money && Ch == u',' && v.contains(u',') && !sel.contains(u',') && ts != u',')
        return false;
    if ((Ch == ts || Ch == ds) && v.contains(ts) && !ThousandDistanceOk())
        return false;
    const int c = int(v.indexOf(ds)) + 1;
    const int k = SelStart() - int(FPrefix.size());
    if (FPrecision > 0 && c > 0 && k >= c && int(v.size()) - c >= FPrecision && int(v.size()) - k <= FPrecision
        && (IsDigit(Ch) || Ch == ds) && SelLength() == 0) {
        if (IsDigit(Ch) && k < int(v.size())) {
            // The digit replaces the one after the caret.
            SetSelection(SelStart(), SelStart() + 1);
        } else {
            return false;
        }
    }
    if (Ch == ds && k <= 0 && v.isEmpty()) {
        SetShownText(FPrefix + QStringLiteral("0") + ds + FSuffix);
        const int caret = int(FPrefix.size()) + 2;
        SetSelection(caret, caret);
        SetModified(true);
        SetIsModified(true);
        return false;
    }
    if (Ch == u'-' && SelLength() == 0) {
        SignToggle();
        return false;
    }
    return true;
}

bool TProCustomDropDown::SignToggle()
{
    const int saved = FPrecision;
    if (FEditType != etNumeric)
        FPrecision = 0;
    const QString v = GetText();
    const int prefix = int(FPrefix.size());
    const int caret = SelStart();
    if (FEditType == etNumeric && SelLength() == int(v.size()) && !v.isEmpty()) {
        SetText(QStringLiteral("-"));
        SetSelection(prefix + 1, prefix + 1);
    } else if (v.contains(u'-')) {
        SetText(v.mid(1));
        const int c = std::max(prefix, caret - 1);
        SetSelection(c, c);
        SetIsModified(true);
    } else {
        SetText(QStringLiteral("-") + v);
        SetSelection(caret + 1, caret + 1);
        SetIsModified(true);
    }
    FPrecision = short(saved);
    return true;
}

// Caret rules on WM_KEYDOWN; false when the key is dropped or consumed.
bool TProCustomDropDown::CaretKeyRules(TWMKey& Message)
{
    const int key = Message.CharCode;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const QString v = GetText();
    const int prefix = int(FPrefix.size());
    const int e = prefix + int(v.size());
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    const int selEnd = std::max(anchor, caret);
    auto drop = [&Message] {
        Message.CharCode = 0;
        Message.KeyData = 0;
        return false;
    };
    if (key == VK_RETURN && FReturnIsTab) {
        Message.CharCode = VK_TAB;
        if (IsVisibleOnScreen())
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        return true;
    }
    if (key == VK_RIGHT && !FSuffix.isEmpty() && selEnd >= e && !shift)
        return drop();
    if (key == VK_DELETE && !FSuffix.isEmpty()) {
        if (selEnd >= e && SelLength() == 0)
            return drop();
        SetIsModified(true);
    }
    if (key == VK_LEFT && !FPrefix.isEmpty() && selEnd <= prefix && !shift)
        return drop();
    if (key == VK_END && !FSuffix.isEmpty()) {
        if (shift)
            SetSelection(SelStart(), e);
        else
            SetSelection(e, e);
        return drop();
    }
    if (key == VK_HOME && !FPrefix.isEmpty()) {
        if (shift)
            SetSelection(e, prefix);
        else
            SetSelection(prefix, prefix);
        return drop();
    }
    if (key == VK_BACK && !FPrefix.isEmpty()) {
        if (caret <= prefix && SelLength() == 0)
            return drop();
        SetIsModified(true);
    }
    if (key == VK_DELETE && caret >= prefix) {
        QString predicted = v;
        const int at = SelStart() - prefix;
        predicted.remove(std::max(0, at), SelLength() > 0 ? SelLength() : 1);
        if (FLengthLimit > 0 && IntegerDigitCount(predicted) - 1 > FLengthLimit)
            return drop();
        SetIsModified(true);
    }
    return true;
}

// After the framework's key handling: Backspace and Delete edit here.
void TProCustomDropDown::AfterCaretKey(TWMKey& Message, int Key)
{
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    if ((Key == VK_BACK || Key == VK_DELETE) && !ctrl && Message.CharCode != 0 && FEditorEnabled && !ReadOnly()) {
        Message.CharCode = 0;
        const QString before = GetText();
        int anchor = 0, caret = 0;
        GetSelection(anchor, caret);
        if (anchor == caret) {
            const QString shown = EditText();
            if (Key == VK_BACK && caret > 0)
                SetSelection(caret - 1, caret);
            else if (Key == VK_DELETE && caret < int(shown.size()))
                SetSelection(caret, caret + 1);
        }
        const QString removed = SelText();
        if (!removed.isEmpty()) {
            SetSelText(QString());
            SetIsModified(true);
        }
        if (Key == VK_DELETE && FEditType == etMoney)
            ApplyThousandSeparator();
        if (GetText().isEmpty() && !before.isEmpty() && removed.isEmpty())
            Change();
    }
    const int prefix = int(FPrefix.size());
    if (!FPrefix.isEmpty() && SelStart() < prefix && SelLength() == 0)
        SetSelection(prefix, prefix);
}

// Focus

void TProCustomDropDown::WMSetFocus(TWMFocus& Message)
{
    if (IsLoading())
        return;
    TCustomMaskEdit::WMSetFocus(Message);
    if (FEditorEnabled) {
        FOldString = GetText();
        if (AutoSelect())
            SelectAll();
        else if (FEditType == etFloat || FEditType == etMoney)
            SelectBeforeDecimal();
    } else {
        DrawFocusText();
        Invalidate();
    }
}

void TProCustomDropDown::CMEnter(TMessage& Message)
{
    TCustomMaskEdit::CMEnter(Message);
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0) {
        if (FEditorEnabled)
            SelectAll();
        else
            DrawFocusText();
    }
    RedrawBorder();
}

void TProCustomDropDown::WMKillFocus(TWMFocus& Message)
{
    if (IsLoading())
        return;
    const QString v = GetText();
    if (FPrecision > 0 && (FEditType == etFloat || FEditType == etMoney) && (!v.isEmpty() || !FAllowNumericNullValue)) {
        const bool modified = FIsModified;
        SetFloatValue(GetFloatValue());
        FIsModified = modified;
        SetModified(modified);
    }
    if (FEditType == etNumeric && GetText().isEmpty() && !FAllowNumericNullValue)
        SetText(QStringLiteral("0"));
    if ((FEditType == etFloat || FEditType == etMoney) && GetText().isEmpty() && !FAllowNumericNullValue)
        SetFloatValue(0);
    TCustomMaskEdit::WMKillFocus(Message);
    if (!FEditorEnabled)
        Invalidate();
}

void TProCustomDropDown::DoEnter()
{
    TCustomMaskEdit::DoEnter();
    SetEditRect();
}

// Mouse

void TProCustomDropDown::WMLButtonDown(TWMMouse& Message)
{
    TControlGuard alive = Guard();
    TCustomMaskEdit::WMLButtonDown(Message);
    if (alive.expired())
        return;
    if (!FEditorEnabled) {
        if (CanFocus() && !Focused())
            SetFocus();
        ClickDropDown();
    }
}

void TProCustomDropDown::WMLButtonUp(TWMMouse& Message)
{
    if (!FEditorEnabled || ReadOnly())
        DrawFocusText();
    FButtonDown = false;
    TControlGuard alive = Guard();
    TCustomMaskEdit::WMLButtonUp(Message);
    if (alive.expired() || !FEditorEnabled)
        return;
    MouseUpCaretRules();
}

void TProCustomDropDown::MouseUpCaretRules()
{
    const int prefix = int(FPrefix.size());
    const int e = prefix + int(GetText().size());
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    if (!FPrefix.isEmpty() && std::min(anchor, caret) < prefix) {
        SelectAll();
        return;
    }
    if (!FSuffix.isEmpty()) {
        if (anchor == caret && caret > e)
            SetSelection(e, e);
        else if (std::max(anchor, caret) > e)
            SetSelection(std::min(anchor, caret), e);
    }
}

// Clipboard

void TProCustomDropDown::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CUT: WMCut(Message); return;
    case WM_COPY: WMCopy(Message); return;
    case WM_PASTE: WMPaste(Message); return;
    default: TCustomMaskEdit::Dispatch(Message); return;
    }
}

void TProCustomDropDown::WndProc(TMessage& Message)
{
    TCustomMaskEdit::WndProc(Message);
}

void TProCustomDropDown::WMCut(TMessage&)
{
    if (!FEditorEnabled || ReadOnly())
        return;
    bool allow = true;
    FBlockCopy = true;
    CallEvent(OnClipboardCut, this, SelText(), allow);
    if (allow && SelLength() > 0) {
        Clipboard()->SetAsText(SelText());
        SetSelText(QString());
    }
    FBlockCopy = false;
}

void TProCustomDropDown::WMCopy(TMessage&)
{
    bool allow = true;
    if (OnClipboardCopy && !FBlockCopy)
        CallEvent(OnClipboardCopy, this, SelText(), allow);
    FBlockCopy = false;
    if (allow && SelLength() > 0)
        Clipboard()->SetAsText(FPasswordChar.isNull() ? SelText() : QString());
}

void TProCustomDropDown::WMPaste(TMessage&)
{
    if (ReadOnly() || !Clipboard()->HasFormat(CF_UNICODETEXT))
        return;
    PasteText(Clipboard()->AsText());
}

void TProCustomDropDown::PasteText(const QString& Clip)
{
    const QString v = GetText();
    const int prefix = int(FPrefix.size());
    const int start = std::clamp(SelStart() - prefix, 0, int(v.size()));
    const int length = std::clamp(SelLength(), 0, int(v.size()) - start);
    const QString n = v.left(start) + Clip + v.mid(start + length);
    const bool hadSelection = length > 0;
    bool allow = true;
    CallEvent(OnClipboardPaste, this, n, allow);
    if (!allow)
        return;
    if (MaxLength() > 0 && int(Clip.size() + v.size()) - length > MaxLength())
        return;
    const int kind = ClassifyText(n);
    const bool signOk = FSigned || !n.contains(u'-');
    bool applied = true;
    switch (FEditType) {
    case etString:
    case etPassword: SetText(n); break;
    case etNumeric:
        applied = kind == 0 && signOk;
        if (applied) {
            SetText(n);
            SetIsModified(true);
        }
        break;
    case etFloat:
    case etMoney:
        applied = (kind == 0 || kind == 1) && (FPrecision != 0 || !Clip.contains(DecimalSeparatorChar())) && signOk;
        if (applied) {
            SetText(n);
            SetFloatValue(GetFloatValue());
            SetIsModified(true);
        }
        break;
    case etUppercase: SetText(n.toUpper()); break;
    case etMixedCase: SetText(ToMixedCase(n)); break;
    case etLowerCase: SetText(n.toLower()); break;
    case etAlphaNumeric:
    case etValidChars: {
        applied = std::all_of(n.begin(), n.end(), [this](QChar c) {
            if (FEditType == etValidChars)
                return FValidChars.contains(c);
            return IsDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        });
        if (applied) {
            SetText(n);
            SetIsModified(true);
        }
        break;
    }
    case etRange:
    case etHex: applied = false; break;
    }
    if (FEditType == etMoney && GetText().size() > 3) {
        SelectAll();
    } else if (applied) {
        const int at = prefix + start;
        if (hadSelection)
            SetSelection(at, at + int(Clip.size()));
        else
            SetSelection(at + int(Clip.size()), at + int(Clip.size()));
    }
    if (FEditType == etString || (FEditType >= etUppercase && FEditType <= etPassword))
        SetIsModified(true);
}
