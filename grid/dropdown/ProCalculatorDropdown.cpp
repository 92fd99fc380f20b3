#include "grid/dropdown/ProCalculatorDropdown.h"
#include "grid/dropdown/CustomButtonPanel.h"
#include "grid/dropdown/DropDownUtils.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>

namespace {

// Pending operations.
constexpr int OpNone = -1;
constexpr int OpAdd = 0;
constexpr int OpMultiply = 1;
constexpr int OpSubtract = 2;
constexpr int OpDivide = 3;

const QString ErrorText = QStringLiteral("Error");

int OperatorOf(QChar Key)
{
    switch (Key.unicode()) {
    case u'+': return OpAdd;
    case u'*': return OpMultiply;
    case u'-': return OpSubtract;
    case u'/': return OpDivide;
    default: return OpNone;
    }
}

} // namespace

TProCalculatorDropdown::TProCalculatorDropdown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FCalcButtonAppearance(std::make_unique<TButtonAppearance>())
{
    // The base applied its style before the keypad's appearance existed.
    SetComponentStyle(tsOffice2007Luna);
    SetDropDownColor(clWhite);
    SetDropDownWidth(230);
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetEditType(etFloat);
    FPrevop = OpNone;
    SetPrecision(2);
    FDecim = 0;
    FCalcClosed = true;
    FMVal = 0;
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProCalculatorDropdown::~TProCalculatorDropdown() = default;

void TProCalculatorDropdown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (FProButtonPanel || !FDropDownForm)
        return;
    FProButtonPanel = new TCustomButtonPanel(this);
    FProButtonPanel->SetParent(FDropDownForm);
    FProButtonPanel->SetProDropDown(this);
    FProButtonPanel->SetHeight(150);
    FProButtonPanel->CreateButtons();
    SetControl(FProButtonPanel);
    FProButtonPanel->OnButtonClick = [this](TObject* Sender, int Index) { PanelButtonClick(Sender, Index); };
}

void TProCalculatorDropdown::SetCalcButtonAppearance(TButtonAppearance* Value)
{
    FCalcButtonAppearance->Assign(Value);
}

void TProCalculatorDropdown::SetShowThousandSeparator(bool Value)
{
    FShowThousandSeparator = Value;
    const double v = this->Value();
    SetEditType(Value ? etMoney : etFloat);
    SetValue(v);
}

double TProCalculatorDropdown::Value()
{
    if (GetText().isEmpty())
        SetText(QStringLiteral("0"));
    double v = 0;
    if (!TryStrToFloat(RemoveThousandSeparators(GetText()), v))
        return 0;
    return v;
}

void TProCalculatorDropdown::SetValue(double Value)
{
    SetText(Format(QStringLiteral("%g"), {Value}));
}

void TProCalculatorDropdown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    TButtonAppearance* c = FCalcButtonAppearance.get();
    if (!c)
        return;
    TProButtonAppearance* s = ButtonAppearance();
    c->SetBorderColor(s->BorderColor());
    c->SetBorderColorHot(s->BorderColorHot());
    c->SetBorderColorDown(s->BorderColorDown());
    c->SetColor(s->Color());
    c->SetColorTo(s->ColorTo());
    c->SetColorDown(s->ColorDown());
    c->SetColorDownTo(s->ColorDownTo());
    c->SetColorHot(s->ColorHot());
    c->SetColorHotTo(s->ColorHotTo());
    c->SetBorderColorChecked(s->BorderColorDisabled());
    c->SetColorChecked(s->ColorDisabledTo());
    c->SetColorDisabledTo(s->ColorDisabledTo());
    c->SetColorCheckedTo(s->ColorHotTo());
    c->SetColorDisabled(s->ColorDisabled());
    if (AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver || AStyle == tsOffice2010Black) {
        c->GlowColorHot = s->ColorHot();
        c->GlowColorDown = s->ColorHot();
    } else {
        c->GlowColorDown = 0xD5C244;
        c->GlowColorHot = s->ColorDownTo();
    }
}

void TProCalculatorDropdown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    if (FDropDownForm)
        FDropDownForm->SetCancelOnDeActivate(false);
    if (FProButtonPanel) {
        // Its own height again: filling an empty popup shrank it.
        FProButtonPanel->SetAlign(alNone);
        FProButtonPanel->SetBounds(0, 0, FProButtonPanel->Width(), 150);
        FProButtonPanel->SetButtonAppearance(FCalcButtonAppearance.get());
        FProButtonPanel->SetColor(DropDownColor());
        FProButtonPanel->ArrangeButtons();
    }
    FNewval = true;
    FDecim = 0;
    FCalcClosed = false;
    FDropText = GetText();
}

void TProCalculatorDropdown::DoHideDropDown(bool Cancelled)
{
    const bool open = FDropDownForm && FDropDownForm->Visible();
    TControlGuard alive = Guard();
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (!alive.expired() && open && Cancelled) {
        // The pending operation belonged to the calculation thrown away.
        SetText(FDropText);
        FPrevop = OpNone;
    }
}

// Calculating

double TProCalculatorDropdown::DisplayedValue()
{
    return StrToFloat(RemoveThousandSeparators(GetText()));
}

bool TProCalculatorDropdown::AtMaxLength() const
{
    return MaxLength() > 0 && int(EditText().size()) == MaxLength();
}

void TProCalculatorDropdown::DoCalc()
{
    if (GetText().isEmpty() || GetText() == ErrorText)
        SetText(QStringLiteral("0"));
    const double x = DisplayedValue();
    switch (FPrevop) {
    case OpAdd: FPrevval += x; break;
    case OpMultiply: FPrevval *= x; break;
    case OpSubtract: FPrevval -= x; break;
    case OpDivide:
        if (x == 0) {
            FPrevval = 0;
            SetText(ErrorText);
            return;
        }
        FPrevval /= x;
        break;
    default: FPrevval = x; break;
    }
    if (!std::isfinite(FPrevval))
        FPrevval = 0;
    SetFloatValue(FPrevval);
    FNewval = true;
}

void TProCalculatorDropdown::DoOperator(int Op)
{
    DoCalc();
    FPrevop = Op;
}

void TProCalculatorDropdown::DoEquals()
{
    DoCalc();
    if (GetText().isEmpty())
        SetText(QStringLiteral("0"));
    FPrevop = OpNone;
    if (GetText() != ErrorText)
        FPrevval = DisplayedValue();
}

void TProCalculatorDropdown::DoPercent()
{
    if (GetText().isEmpty() || GetText() == ErrorText)
        SetText(QStringLiteral("0"));
    const double x = DisplayedValue();
    SetText(Format(QStringLiteral("%g"), {FPrevval * x / 100}));
}

// A digit applies to the magnitude, so a negative value grows away from 0.
void TProCalculatorDropdown::DoDigit(int Digit)
{
    const double v = GetFloatValue();
    if ((v == 0 && FDecim == 0) || FNewval) {
        SetText(QString::number(Digit));
        FNewval = false;
        return;
    }
    const double signedDigit = v < 0 ? -Digit : Digit;
    if (FDecim > 0) {
        SetFloatValue(v + signedDigit / FDecim);
        FDecim *= 10;
    } else {
        SetFloatValue(v * 10 + signedDigit);
    }
}

void TProCalculatorDropdown::EndPendingOperation()
{
    FPrevop = OpNone;
}

void TProCalculatorDropdown::Clear()
{
    SetText(QStringLiteral("0"));
    FPrevval = 0;
    FPrevop = OpNone;
}

void TProCalculatorDropdown::PanelButtonClick(TObject*, int Index)
{
    if (!FProButtonPanel || Index < 0 || Index >= FProButtonPanel->Buttons()->Count())
        return;
    BeforeCalculate();
    const int tag = FProButtonPanel->Buttons()->Items(Index)->Tag();
    // The sign keeps the decimal position of the number being entered.
    if ((tag >= 10 && tag <= 13) || (tag >= 16 && tag <= 18))
        FDecim = 0;
    if (tag >= 0 && tag <= 15 && tag != 10 && tag != 11 && tag != 12 && tag != 13 && AtMaxLength())
        return;
    const QChar ds = DecimalSeparatorChar();
    switch (tag) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7: case 8: case 9: DoDigit(tag); break;
    case 10: DoOperator(OpAdd); break;
    case 11: DoOperator(OpSubtract); break;
    case 12: DoOperator(OpMultiply); break;
    case 13: DoOperator(OpDivide); break;
    case 14: {
        const QString t = GetText();
        SetText(t.contains(u'-') ? t.mid(1) : QStringLiteral("-") + t);
        break;
    }
    case 15:
        if (!GetText().contains(ds))
            SetText(GetText() + ds);
        FDecim = 10;
        if (FNewval)
            SetText(QStringLiteral("0"));
        FNewval = false;
        break;
    case 16:
    case 30:
    case 32: Clear(); break;
    case 17: DoEquals(); break;
    case 18: DoPercent(); break;
    case 31:
        if (FPrevop == OpNone) {
            QString t = FloatToStr(GetFloatValue());
            t.chop(1);
            SetText(t);
        }
        break;
    case 33: FMVal = 0; break;
    case 34: SetFloatValue(FMVal); break;
    case 35: FMVal = Value(); break;
    case 36: FMVal += Value(); break;
    case 37:
        if (GetFloatValue() < 0)
            SetText(ErrorText);
        else
            SetFloatValue(std::sqrt(GetFloatValue()));
        break;
    case 38:
        if (GetFloatValue() == 0)
            SetText(ErrorText);
        else
            SetFloatValue(1 / GetFloatValue());
        break;
    default: break;
    }
    SetIsModified(true);
}

// Keys

void TProCalculatorDropdown::CalcKeyPress(QChar Key)
{
    BeforeCalculate();
    const QChar ds = DecimalSeparatorChar();
    if (Key == ds && !GetText().contains(ds))
        SetText(GetText() + ds);
    if (Key.isNumber() && AtMaxLength())
        return;
    if (Key == QChar(13)) {
        DoEquals();
        DoHideDropDown(false);
    } else if (Key == QChar(27) || (Key == u'&' && GetKeyState(VK_MENU) < 0)) {
        DoHideDropDown(true);
    } else if (Key == u'%') {
        DoPercent();
    } else if (OperatorOf(Key) != OpNone) {
        DoOperator(OperatorOf(Key));
    } else if (Key == u'=') {
        DoEquals();
    } else if (Key >= u'0' && Key <= u'9') {
        FNewval = false;
    } else if (Key == u'C' || Key == u'c') {
        SetText(QStringLiteral("0"));
        FPrevval = 0;
        FNewval = true;
        FPrevop = OpNone;
    }
}

void TProCalculatorDropdown::DropDownKeyPress(QChar& Key)
{
    TControlGuard alive = Guard();
    QChar key = Key;
    TProCustomDropDown::DropDownKeyPress(Key);
    if (!alive.expired())
        CalcKeyPress(key);
}

void TProCalculatorDropdown::DropDownKeyDown(int& Key, TShiftState Shift)
{
    // Enter closes the popup on its key-down: the result comes first.
    if (Key == VK_RETURN && FDropDownForm && FDropDownForm->Visible())
        DoEquals();
    TControlGuard alive = Guard();
    TProCustomDropDown::DropDownKeyDown(Key, Shift);
    if (alive.expired())
        return;
    if (Key == VK_TAB || Key == VK_F4) {
        DoHideDropDown(false);
    } else if (Key == VK_BACK) {
        QString t = GetText();
        t.chop(1);
        if (t.isEmpty() || t == ErrorText)
            t = QStringLiteral("0");
        SetText(t);
    }
}

void TProCalculatorDropdown::KeyPress(QChar& Key)
{
    const bool closed = FCalcClosed || (FDropDownForm && !FDropDownForm->Visible());
    if (closed) {
        if (Key == QChar(13) || Key == u'=')
            DoEquals();
        else if (Key == u'%')
            DoPercent();
        else if (OperatorOf(Key) != OpNone && Key != u'-')
            DoOperator(OperatorOf(Key));
        else if (Key == u'C' || Key == u'c') {
            SetText(QStringLiteral("0"));
            FNewval = true;
            FPrevop = OpNone;
        }
    }
    const QChar ds = DecimalSeparatorChar();
    if (!(Key.isNumber() || Key == ds || Key == QChar(8) || Key == u'-')) {
        Key = QChar(0);
        return;
    }
    const int caret = int(Prefix().size()) + 1;
    if (Key.isNumber() && (GetText() == QLatin1String("0") || FNewval)) {
        SetText(QString(Key));
        Key = QChar(0);
        SetSelStart(caret);
        FNewval = false;
        return;
    }
    if (Key == QChar(8) && GetText().size() == 1) {
        SetText(QStringLiteral("0"));
        Key = QChar(0);
        SetSelStart(caret);
        return;
    }
    if (Key == ThousandSeparatorChar() || (Key == ds && GetText().contains(ds))) {
        Key = QChar(0);
        return;
    }
    TProCustomDropDown::KeyPress(Key);
}

void TProCalculatorDropdown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TControlGuard alive = Guard();
    TProCustomDropDown::WMKeyDown(Message);
    if (alive.expired())
        return;
    if (key == VK_DELETE && (GetText().isEmpty() || GetText() == ErrorText))
        SetText(QStringLiteral("0"));
}
