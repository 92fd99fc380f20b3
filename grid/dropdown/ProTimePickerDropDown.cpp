#include "grid/dropdown/ProTimePickerDropDown.h"
#include "platform/controls/DateTimePicker.h"
#include "platform/controls/Panel.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"

namespace {

QChar TimeSeparator()
{
    return FormatSettings.TimeSeparator;
}

// A field of one or two digits; empty counts as 0.
bool FieldValue(const QString& Text, int& Value)
{
    const QString f = Trim(Text);
    for (int i = 0; i < std::min<int>(2, int(f.size())); ++i)
        if (f[i] < u'0' || f[i] > u'9')
            return false;
    Value = f.isEmpty() ? 0 : f.left(2).toInt();
    return true;
}

bool IsStepKey(int Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
}

} // namespace

TProTimePickerDropDown::TProTimePickerDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FWatchAppearance(std::make_unique<TWatchAppearance>())
{
    FWatchAppearance->OnChange = [](TObject*) {};
    // The base applied its style before the watch's appearance existed.
    SetComponentStyle(tsOffice2007Luna);
    FShowTimePicker = false;
    SetEditorEnabled(false);
    SetDropDownEnabled(true);
    FShowSeconds = true;
    FInternalCall = true;
    InstallMask();
    SetTextDirect(FormatTimeText(0, 0, 0));
    FInternalCall = false;
    FWatchSettings = std::make_unique<TWatchSettings>();
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProTimePickerDropDown::~TProTimePickerDropDown()
{
    if (FProWatch)
        FProWatch->OnChange = nullptr;
    if (FDateTimePicker)
        FDateTimePicker->OnChange = nullptr;
}

QString TProTimePickerDropDown::FormatTimeText(int Hour, int Minute, int Second) const
{
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    QString s = two(Hour) + TimeSeparator() + two(Minute);
    if (FShowSeconds)
        s += TimeSeparator() + two(Second);
    return s;
}

void TProTimePickerDropDown::InstallMask()
{
    const QString ts(TimeSeparator());
    SetEditMask(FShowSeconds ? QStringLiteral("!90") + ts + QStringLiteral("00") + ts + QStringLiteral("00;1; ")
                             : QStringLiteral("!90") + ts + QStringLiteral("00;1; "));
}

void TProTimePickerDropDown::SetTime(TDateTime Value)
{
    if (Value == FTime)
        return;
    FTime = Value;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(Value, h, m, s, ms);
    const bool internal = FInternalCall;
    FInternalCall = true;
    SetTextDirect(FormatTimeText(h, m, s));
    FInternalCall = internal;
    if (FDropDownForm && FDropDownForm->Visible()) {
        if (FProWatch)
            FProWatch->SetTime(Value);
        if (FShowTimePicker && FDateTimePicker)
            FDateTimePicker->SetTime(Value);
    }
}

void TProTimePickerDropDown::SetShowSeconds(bool Value)
{
    if (FShowSeconds == Value)
        return;
    FShowSeconds = Value;
    const TDateTime time = FTime;
    FInternalCall = true;
    SetEditMask(QString());
    SetTextDirect(QString());
    InstallMask();
    FInternalCall = false;
    FTime += 1;
    SetTime(time);
}

void TProTimePickerDropDown::SetWatchAppearance(TWatchAppearance* Value)
{
    FWatchAppearance->Assign(Value);
}

void TProTimePickerDropDown::SetWatchSettings(TWatchSettings* Value)
{
    FWatchSettings->Assign(Value);
}

void TProTimePickerDropDown::SetPart(int Index, int Value)
{
    int part[4] = {0, 0, 0, 0};
    DecodeTime(FTime, part[0], part[1], part[2], part[3]);
    const int limit = Index == 0 ? 23 : 59;
    if (Value < 0 || Value > limit || part[Index] == Value)
        return;
    part[Index] = Value;
    SetTime(EncodeTime(part[0], part[1], part[2], 0));
    CallEvent(OnTimeChange, this);
}

void TProTimePickerDropDown::SetHourPart(int Hour)
{
    SetPart(0, Hour);
}

void TProTimePickerDropDown::SetMinutePart(int Minute)
{
    SetPart(1, Minute);
}

void TProTimePickerDropDown::SetSecondPart(int Second)
{
    SetPart(2, Second);
}

void TProTimePickerDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    TWatchAppearance* a = FWatchAppearance.get();
    if (!a)
        return;
    a->SetCenterPointOuterBorderColor(clBlack);
    a->HourFont()->SetColor(clBlack);
    a->AMPMFont()->SetColor(clBlack);
    ApplyWatchColorStyle(a, AStyle);
}

// The text

// A complete text (with seconds 8 characters, without 5) sets the time.
void TProTimePickerDropDown::Change()
{
    TProCustomDropDown::Change();
    const QString text = EditText();
    const int complete = FShowSeconds ? 8 : 5;
    if (text.isEmpty() || Trim(text).size() != complete || FInternalCall)
        return;
    const QChar ts = TimeSeparator();
    const int first = int(text.indexOf(ts));
    if (first < 0)
        return;
    QString rest = Trim(text.mid(first + 1));
    const int second = int(rest.indexOf(ts));
    if ((second >= 0) != FShowSeconds)
        return;
    if (second >= 0 && Trim(rest.mid(second + 1)).contains(ts))
        return;
    QString t = text;
    t.replace(u' ', u'0');
    const int p1 = int(t.indexOf(ts));
    int hour = 0, minute = 0, sec = 0;
    if (!FieldValue(t.left(p1), hour))
        return;
    QString after = t.mid(p1 + 1);
    QString minuteText = after;
    if (FShowSeconds) {
        const int p2 = int(after.indexOf(ts));
        minuteText = after.left(p2);
        if (!FieldValue(after.mid(p2 + 1), sec))
            return;
    }
    if (!FieldValue(minuteText, minute))
        return;
    FTime = EncodeTime(hour, minute, sec, 0);
    const QString formatted = FormatTimeText(hour, minute, sec);
    if (minute == 0 && sec == 0 && formatted != text) {
        FInternalCall = true;
        SetText(formatted);
        FInternalCall = false;
    }
}

// Keys

void TProTimePickerDropDown::WMKeyDown(TWMKey& Message)
{
    // A non-editable edit hands only Enter and Escape on; the field steps
    // are its own keys.
    const int key = Message.CharCode;
    if (!FEditorEnabled && (key == VK_UP || key == VK_DOWN) && GetKeyState(VK_MENU) >= 0) {
        int k = key;
        KeyDown(k, KeyDataToShiftState(Message.KeyData));
        Message.CharCode = 0;
        return;
    }
    TProCustomDropDown::WMKeyDown(Message);
}

void TProTimePickerDropDown::KeyDown(int& Key, TShiftState Shift)
{
    TControlGuard alive = Guard();
    TProCustomDropDown::KeyDown(Key, Shift);
    if (alive.expired() || Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0 || Shift.Contains(ssCtrl))
        return;
    if (Key != VK_UP && Key != VK_DOWN)
        return;
    const int step = Key == VK_UP ? -1 : 1;
    const QString text = EditText();
    const QChar ts = TimeSeparator();
    const int p = SelStart();
    const int s1 = int(text.indexOf(ts)) + 1;
    const int s2 = int(text.mid(s1).indexOf(ts)) + 1;
    int h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(FTime, h, m, s, ms);
    if (p < s1)
        SetHourPart((h + step + 24) % 24);
    else if (FShowSeconds && s2 > 0 && p - s1 >= s2)
        SetSecondPart((s + step + 60) % 60);
    else
        SetMinutePart((m + step + 60) % 60);
    SetSelStart(p);
    Key = 0;
}

void TProTimePickerDropDown::DropDownKeyDown(int& Key, TShiftState Shift)
{
    const bool alt = Shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0;
    if (!(IsStepKey(Key) && !alt))
        TProCustomDropDown::DropDownKeyDown(Key, Shift);
    if (FDropDownForm && FDropDownForm->Visible() && FProWatch)
        FProWatch->HandleKey(Key);
}

void TProTimePickerDropDown::DropDownKeyUp(int& Key, TShiftState Shift)
{
    if (!(IsStepKey(Key) && GetKeyState(VK_MENU) >= 0))
        TProCustomDropDown::DropDownKeyUp(Key, Shift);
}

void TProTimePickerDropDown::ControlKeyDown(int& Key, TShiftState Shift)
{
    if (!(IsStepKey(Key) && GetKeyState(VK_MENU) >= 0))
        TProCustomDropDown::ControlKeyDown(Key, Shift);
}

void TProTimePickerDropDown::ControlKeyUp(int& Key, TShiftState Shift)
{
    if (!(IsStepKey(Key) && GetKeyState(VK_MENU) >= 0))
        TProCustomDropDown::ControlKeyUp(Key, Shift);
}

void TProTimePickerDropDown::ControlKeyPress(QChar& Key)
{
    const char16_t c = Key.unicode();
    if ((c == 33 || c == 34 || c == 38 || c == 40) && GetKeyState(VK_MENU) >= 0)
        return;
    TProCustomDropDown::ControlKeyPress(Key);
}

// Popup

void TProTimePickerDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm)
        return;
    if (!FPanelCtrl) {
        FPanelCtrl = new TPanel(this);
        FPanelCtrl->SetParent(FDropDownForm);
        FPanelCtrl->SetBevelOuter(bvNone);
        FPanelCtrl->SetBevelInner(bvNone);
        FPanelCtrl->SetBorderWidth(0);
        FPanelCtrl->SetBounds(0, 0, FPanelCtrl->Width(), 180);
    }
    if (!FProWatch) {
        FProWatch = new TProWatch(this);
        FProWatch->SetParent(FPanelCtrl);
        FProWatch->SetAlign(alClient);
    }
    SetControl(FPanelCtrl);
}

void TProTimePickerDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    if (!FPanelCtrl || !FProWatch)
        return;
    FDropTime = FTime;
    FPanelCtrl->SetAlign(alNone);
    FPanelCtrl->SetBounds(0, 0, 170, 170);
    FDropDownForm->SetCancelOnDeActivate(false);
    FPanelCtrl->SetColor(DropDownColor());
    FProWatch->SetAppearance(FWatchAppearance.get());
    FProWatch->SetSettings(FWatchSettings.get());
    FProWatch->SetShowAMPM(FShowWatchAMPM);
    FProWatch->SetShowNumbers(FShowWatchNumbers);
    FProWatch->SetAnimation(FAnimation);
    FProWatch->SetAnimationFactor(FAnimationFactor);
    FProWatch->OnChange = nullptr;
    if (!FWatchSettings->Auto())
        FProWatch->SetTime(FTime);
    FProWatch->OnChange = [this](TObject* s) { WatchChange(s); };
    if (!FShowTimePicker) {
        if (FDateTimePicker)
            FDateTimePicker->SetVisible(false);
        return;
    }
    if (!FDateTimePicker) {
        FDateTimePicker = new TDateTimePicker(this);
        FDateTimePicker->SetParent(FPanelCtrl);
        FDateTimePicker->SetKind(dtkTime);
    }
    FDateTimePicker->OnChange = nullptr;
    FDateTimePicker->SetAlign(alBottom);
    FDateTimePicker->SetVisible(true);
    FDateTimePicker->SetTime(FTime);
    FDateTimePicker->BringToFront();
    FDateTimePicker->OnChange = [this](TObject* s) { TimePickerChange(s); };
    FDateTimePicker->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
    FDateTimePicker->OnKeyUp = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
    FDateTimePicker->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
    FDateTimePicker->SetFormat(FShowSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    FPanelCtrl->SetHeight(FDateTimePicker->Height() + 170);
}

void TProTimePickerDropDown::WatchChange(TObject*)
{
    if (FDateTimePicker && FShowTimePicker && FDateTimePicker->Time() != FProWatch->Time()) {
        FDateTimePicker->SetTime(FProWatch->Time());
        CallEvent(OnTimeChange, this);
    }
    SetTime(FProWatch->Time());
}

void TProTimePickerDropDown::TimePickerChange(TObject*)
{
    if (FProWatch && !FWatchSettings->Auto())
        FProWatch->SetTime(FDateTimePicker->Time());
}

// A cancelled close keeps the time and the text of before the drop-down.
void TProTimePickerDropDown::DoHideDropDown(bool Cancelled)
{
    const bool open = FDropDownForm && FDropDownForm->Visible();
    TControlGuard alive = Guard();
    FCancelling = Cancelled;
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (alive.expired())
        return;
    FCancelling = false;
    if (!open || !FProWatch)
        return;
    if (Cancelled) {
        FProWatch->SetTime(FDropTime);
        FTime = FDropTime + 1;
        SetTime(FDropTime);
    } else {
        SetTime(FProWatch->Time());
    }
}

void TProTimePickerDropDown::AfterHideDropDown()
{
    TProCustomDropDown::AfterHideDropDown();
    if (FProWatch && !FCancelling)
        SetTime(FProWatch->Time());
}
