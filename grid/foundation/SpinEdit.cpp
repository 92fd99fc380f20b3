#include "grid/foundation/SpinEdit.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <cmath>

namespace {

// Width of the native frame of a bordered edit; the layout counts from inside it.
constexpr int SpinFrameInset = 2;

bool IsDigitChar(QChar c)
{
    return c.isDigit() || c.category() == QChar::Number_Letter || c.category() == QChar::Number_Other;
}

// 1-based position of Sep in S from index From (0-based), 0 when absent.
int SepPos(const QString& S, QChar Sep, int From = 0)
{
    return int(S.indexOf(Sep, From)) + 1;
}

bool IsSpinPasteOrCut(int Key, TShiftState Shift)
{
    if (Shift.Contains(ssCtrl) && (Key == 'V' || Key == 'X'))
        return true;
    return Shift.Contains(ssShift) && (Key == VK_INSERT || Key == VK_DELETE);
}

} // namespace

QString SpinFloatText(double Value, int Precision)
{
    if (Precision == 0)
        return FloatToStr(Value);
    QString s = QString::number(Value, 'f', Precision);
    s.replace(u'.', FormatSettings.DecimalSeparator);
    return s;
}

TSgSpinEdit::TSgSpinEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    FControlStyle -= csSetCaption;
    FButton = new TSgSpinButton(this);
    FButton->SetParent(this);
    FButton->SetBounds(0, 0, 15, 17);
    FButton->SetFocusControl(this);
    FButton->OnUpClick = [this](TObject* s) { UpClick(s); };
    FButton->OnDownClick = [this](TObject* s) { DownClick(s); };
    SetTabStop(true);
    SetText(QStringLiteral("0"));
}

TSgSpinEdit::~TSgSpinEdit()
{
    FButton = nullptr;
}

// Values

int TSgSpinEdit::Value()
{
    const QString t = Text().trimmed();
    if (t.isEmpty())
        return 0;
    int v = 0;
    return TryStrToInt(t, v) ? v : FMinValue;
}

void TSgSpinEdit::SetValue(int value)
{
    if (FMinValue != FMaxValue)
        value = std::clamp(value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
    SetText(IntToStr(value));
    if (!FEditorEnabled)
        SelectAll();
}

double TSgSpinEdit::FloatValue()
{
    double v = 0;
    return TryStrToFloat(Text(), v) ? v : FMinFloatValue;
}

void TSgSpinEdit::SetFloatValue(double value)
{
    if (FMinFloatValue != FMaxFloatValue)
        value = std::clamp(value, std::min(FMinFloatValue, FMaxFloatValue), std::max(FMinFloatValue, FMaxFloatValue));
    SetText(SpinFloatText(value, FPrecision));
}

TDateTime TSgSpinEdit::DateValue()
{
    const QString t = Text();
    if (t.isEmpty() || t == QLatin1String("0"))
        return Now();
    TDateTime v = 0;
    return TryStrToDate(t, v) ? v : FMinDateValue;
}

void TSgSpinEdit::SetDateValue(TDateTime value)
{
    FDateValue = value;
    if (IsLoading())
        return;
    if (FMinDateValue != FMaxDateValue)
        value = std::clamp(value, std::min(FMinDateValue, FMaxDateValue), std::max(FMinDateValue, FMaxDateValue));
    FDateValue = value;
    WriteKeepingCaret(DateToStr(value));
}

TDateTime TSgSpinEdit::TimeValue()
{
    TDateTime v = 0;
    return TryStrToTime(Text(), v) ? v : 0;
}

void TSgSpinEdit::SetTimeValue(TDateTime value)
{
    FTimeValue = value;
    if (IsLoading())
        return;
    if (FMinDateValue != FMaxDateValue)
        value = std::clamp(value, std::min(FMinDateValue, FMaxDateValue), std::max(FMinDateValue, FMaxDateValue));
    FTimeValue = value;
    WriteKeepingCaret(FormatDateTime(FShowSeconds ? FormatSettings.LongTimeFormat : QStringLiteral("h:nn"), value));
}

void TSgSpinEdit::WriteKeepingCaret(const QString& Text)
{
    const int caret = SelStart();
    SetText(Text);
    SetSelStart(std::min(caret, int(Text.size())));
    SetSelLength(0);
}

void TSgSpinEdit::SetSpinType(TSgSpinType value)
{
    FSpinType = value;
    switch (value) {
    case sptNormal: SetValue(Value()); break;
    case sptFloat: SetFloatValue(FloatValue()); break;
    case sptDate: SetDateValue(DateValue()); break;
    case sptTime: SetTimeValue(TimeValue()); break;
    }
}

void TSgSpinEdit::SetPrecision(int value)
{
    FPrecision = value;
    if (FSpinType == sptFloat)
        SetFloatValue(FloatValue());
}

void TSgSpinEdit::ClampText()
{
    switch (FSpinType) {
    case sptNormal: {
        const int v = Value();
        if (FMinValue != FMaxValue && (v < std::min(FMinValue, FMaxValue) || v > std::max(FMinValue, FMaxValue)))
            SetValue(v);
        break;
    }
    case sptFloat: {
        const double v = FloatValue();
        if (FMinFloatValue != FMaxFloatValue &&
            (v < std::min(FMinFloatValue, FMaxFloatValue) || v > std::max(FMinFloatValue, FMaxFloatValue)))
            SetFloatValue(v);
        break;
    }
    case sptDate:
    case sptTime: {
        const TDateTime v = FSpinType == sptDate ? DateValue() : TimeValue();
        if (FMinDateValue != FMaxDateValue &&
            (v < std::min(FMinDateValue, FMaxDateValue) || v > std::max(FMinDateValue, FMaxDateValue))) {
            if (FSpinType == sptDate)
                SetDateValue(v);
            else
                SetTimeValue(v);
        }
        break;
    }
    }
}

// Looks

void TSgSpinEdit::SetDirection(TSpinDirection value)
{
    FDirection = value;
    FButton->SetDirection(value);
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TSgSpinEdit::SetSpinFlat(bool value)
{
    FButton->UpButton()->SetFlat(value);
    FButton->DownButton()->SetFlat(value);
    FSpinFlat = value;
}

void TSgSpinEdit::SetSpinTransparent(bool value)
{
    FSpinTransparent = value;
    SetWidth(Width() + 1);
    SetWidth(Width() - 1);
}

void TSgSpinEdit::SetEditAlign(TEditAlign value)
{
    FEditAlign = value;
    SetAlignment(value == eaRight ? taRightJustify : value == eaCenter ? taCenter : taLeftJustify);
}

void TSgSpinEdit::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->SetIsWinXP(value);
}

// Stepping

void TSgSpinEdit::UpClick(TObject*)
{
    StepUp(false);
}

void TSgSpinEdit::DownClick(TObject*)
{
    StepDown(false);
}

void TSgSpinEdit::StepUp(bool Page)
{
    Step(+1, Page);
}

void TSgSpinEdit::StepDown(bool Page)
{
    Step(-1, Page);
}

void TSgSpinEdit::Step(int Sign, bool Page)
{
    if (ReadOnly()) {
        MessageBeep();
        return;
    }
    switch (FSpinType) {
    case sptNormal: SetValue(Value() + Sign * FIncrement); break;
    case sptFloat: SetFloatValue(FloatValue() + Sign * (Page ? FIncrementFloatPage : FIncrementFloat)); break;
    case sptDate: StepDate(Sign); break;
    case sptTime: StepTime(Sign); break;
    }
}

void TSgSpinEdit::StepDate(int Sign)
{
    const QString t = Text();
    const QChar dt = FormatSettings.DateSeparator;
    const int p1 = SepPos(t, dt);
    const int p2 = p1 > 0 ? SepPos(t, dt, p1) : 0;
    const int caret = SelStart();
    const QString f = FormatSettings.ShortDateFormat.toUpper();
    FUsDates = f.indexOf(u'M') + 1 < f.indexOf(u'D') + 1;

    const TDateTime v = DateValue();
    const double time = v - std::trunc(v);
    enum { Month, Day, Year } field = Year;
    if (caret < p1)
        field = FUsDates ? Month : Day;
    else if (caret < p2)
        field = FUsDates ? Day : Month;
    TDateTime next = v;
    switch (field) {
    case Month: next = IncMonth(v, Sign); break;
    case Day: next = v + Sign; break;
    case Year: {
        int y, m, d;
        DecodeDate(v, y, m, d);
        // 29 February into a year without it becomes 28 February.
        d = std::min(d, DaysInMonth(y + Sign, m));
        next = EncodeDate(y + Sign, m, d) + (v < 0 ? -time : time);
        break;
    }
    }
    SetDateValue(next);
}

void TSgSpinEdit::StepTime(int Sign)
{
    const QString t = Text();
    const QChar tm = FormatSettings.TimeSeparator;
    const int p1 = SepPos(t, tm);
    const int p2 = p1 > 0 ? SepPos(t, tm, p1) : 0;
    const int caret = SelStart();
    int h = 0, m = 0, s = 0;
    if (caret < p1)
        h = FIncrementHours;
    else if (FShowSeconds && caret >= p2)
        s = FIncrementSeconds;
    else
        m = FIncrementMinutes;
    const TDateTime inc = EncodeTime(h, m, s, 0);
    if (Sign > 0) {
        SetTimeValue(TimeValue() + inc);
    } else {
        TDateTime v = TimeValue() + 1 - inc;
        if (v > 1)
            v -= 1;
        SetTimeValue(v);
    }
}

// Typing

bool TSgSpinEdit::IsValidChar(QChar& Key)
{
    const TFormatSettings& fs = FormatSettings;
    const QChar ds = fs.DecimalSeparator, ts = fs.ThousandSeparator, tm = fs.TimeSeparator, dt = fs.DateSeparator;
    const char16_t k = Key.unicode();
    if (k == 8)
        return FEditorEnabled;
    bool ok = Key == ds || Key == ts || Key == tm || Key == dt || IsDigitChar(Key) || Key == u'-';
    if (!ok)
        ok = k < 32 && k != 13;
    auto separatorRule = [&](QChar sep) {
        if (sep == ds || sep == ts || sep == u'-' || sep == u'+')
            ok = ok && (FSpinType == sptNormal || FSpinType == sptFloat);
        else
            ok = false;
    };
    if (Key == tm && FSpinType != sptTime)
        separatorRule(tm);
    if (Key == dt && FSpinType != sptDate)
        separatorRule(dt);
    const QString text = Text();
    if (Key == u'-') {
        if (!text.contains(u'-'))
            ok = ok && SelStart() == 0;
        else
            ok = ok && SelText().contains(u'-') && SelStart() == 0;
    }
    if (FSpinType == sptNormal)
        ok = ok && (IsDigitChar(Key) || Key == u'-');
    if (FSpinType == sptFloat && k != 27 && k != 13 && k != 8) {
        if (Key == ts)
            ok = false;
        if (Key == ds && text.contains(ds))
            ok = ok && SelText().contains(ds);
        const int p = SepPos(text, ds);
        if (FPrecision > 0 && p > 0 && SelStart() >= p && SelLength() == 0 && ok &&
            int(text.size()) >= p + FPrecision)
            ok = false;
    }
    if (FSpinType == sptTime && Key == tm && text.count(tm) >= 2)
        ok = false;
    if (!FEditorEnabled && ok && k >= 32)
        ok = false;
    return ok;
}

void TSgSpinEdit::KeyPress(QChar& Key)
{
    if (!IsValidChar(Key)) {
        Key = QChar();
        MessageBeep();
        return;
    }
    TCustomMaskEdit::KeyPress(Key);
}

void TSgSpinEdit::KeyDown(int& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_DELETE && !FEditorEnabled)
        Key = 0;
    // Backspace edits on its key press here; refuse it as its character would be.
    if (Key == VK_BACK && !FEditorEnabled) {
        Key = 0;
        MessageBeep();
    }
    if (IsSpinPasteOrCut(Key, Shift) && (!FEditorEnabled || ReadOnly()))
        Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
}

void TSgSpinEdit::WMKeyDown(TWMKey& Message)
{
    switch (Message.CharCode) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        const bool up = Message.CharCode == VK_UP || Message.CharCode == VK_PRIOR;
        const bool page = Message.CharCode == VK_PRIOR || Message.CharCode == VK_NEXT;
        Message.CharCode = 0;
        Message.Result = 0;
        if (up)
            StepUp(page);
        else
            StepDown(page);
        return;
    }
    default:
        TCustomMaskEdit::WMKeyDown(Message);
    }
}

void TSgSpinEdit::WMChar(TWMKey& Message)
{
    constexpr LPARAM KeypadBit = LPARAM(1) << 22;
    if (FExcelStyleDecimalSeparator && Message.CharCode == '.' && (Message.KeyData & KeypadBit))
        Message.CharCode = FormatSettings.DecimalSeparator.unicode();
    TCustomMaskEdit::WMChar(Message);
}

void TSgSpinEdit::Dispatch(TMessage& Message)
{
    if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly()))
        return;
    if (Message.Msg == CM_WANTSPECIALKEY && Message.WParam == WPARAM(VK_RETURN) && FReturnIsTab) {
        Message.Result = 1;
        return;
    }
    TCustomMaskEdit::Dispatch(Message);
}

void TSgSpinEdit::CMEnter(TMessage& Message)
{
    TCustomMaskEdit::CMEnter(Message);
    if (AutoSelect() && !(GetKeyState(VK_LBUTTON) < 0 && FEditorEnabled))
        SelectAll();
}

void TSgSpinEdit::CMExit(TMessage& Message)
{
    TCustomMaskEdit::CMExit(Message);
    ClampText();
}

// Loading and layout

void TSgSpinEdit::Loaded()
{
    TCustomMaskEdit::Loaded();
    if (FSpinType == sptDate)
        SetText(DateToStr(FDateValue));
    if (FSpinType == sptTime)
        SetText(FormatDateTime(FShowSeconds ? FormatSettings.LongTimeFormat : QStringLiteral("h:nn"), FTimeValue));
    SetSpinType(FSpinType);
}

int TSgSpinEdit::MinHeight() const
{
    TBitmap measure(1, 1);
    TCanvas* c = measure.Canvas();
    const int s = c->TextHeight(QStringLiteral("0"));
    c->Font()->Assign(Font());
    const int f = c->TextHeight(QStringLiteral("0"));
    return f + std::min(s, f) / 4 + 2 + (BorderStyle() == bsSingle ? 4 : 0);
}

void TSgSpinEdit::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

void TSgSpinEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceButton();
}

void TSgSpinEdit::WMSize(TWMSize& Message)
{
    TCustomMaskEdit::WMSize(Message);
    const int min = MinHeight();
    if (Height() < min) {
        SetHeight(min);
        return;
    }
    PlaceButton();
}

void TSgSpinEdit::PlaceButton()
{
    if (!FButton)
        return;
    const bool border = BorderStyle() == bsSingle;
    const int d = border ? 5 : 1;
    const int inset = border ? SpinFrameInset : 0;
    FButton->SetBounds(Width() - FButton->Width() - d + inset, inset, FButton->Width(), Height() - d);
    SetEditRect();
}

void TSgSpinEdit::SetEditRect()
{
    if (!HandleAllocated() || !FButton)
        return;
    const bool border = BorderStyle() == bsSingle;
    const int left = border ? 0 : 3;
    const int inset = border ? SpinFrameInset : 0;
    TRect r{left, left, Width() - inset - FButton->Width() - 2 - left, Height() + 1};
    Perform(EM_SETRECTNP, 0, LPARAM(&r));
}
