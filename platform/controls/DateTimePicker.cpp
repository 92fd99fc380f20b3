#include "platform/controls/DateTimePicker.h"
#include "platform/controls/NativeControl.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>

TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner)
{
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 186, 21);
    FDateTime = ::Now();
}

void TDateTimePicker::SetKind(TDateTimeKind value)
{
    FKind = value;
    Push();
}

TDateTime TDateTimePicker::Clamp(TDateTime value) const
{
    if (FMinDate != 0 && value < FMinDate)
        value = FMinDate;
    if (FMaxDate != 0 && value > FMaxDate)
        value = FMaxDate;
    return value;
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    FDateTime = Clamp(value);
    Push();
}

TDateTime TDateTimePicker::Date() const { return std::trunc(FDateTime); }

void TDateTimePicker::SetDate(TDateTime value) { SetDateTime(std::trunc(value) + Time()); }

TDateTime TDateTimePicker::Time() const { return std::fabs(FDateTime - std::trunc(FDateTime)); }

void TDateTimePicker::SetTime(TDateTime value)
{
    TDateTime day = std::trunc(FDateTime);
    double t = std::fabs(value - std::trunc(value));
    SetDateTime(day >= 0 ? day + t : day - t);
}

void TDateTimePicker::SetFormat(const QString& value)
{
    FFormat = value;
    Push();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat value)
{
    FDateFormat = value;
    Push();
}

void TDateTimePicker::SetShowCheckbox(bool value)
{
    if (FShowCheckbox == value)
        return;
    FShowCheckbox = value;
    RecreateWnd();
}

void TDateTimePicker::SetChecked(bool value)
{
    FChecked = value;
    Push();
}

void TDateTimePicker::SetMinDate(TDateTime value)
{
    FMinDate = value;
    SetDateTime(FDateTime);
}

void TDateTimePicker::SetMaxDate(TDateTime value)
{
    FMaxDate = value;
    SetDateTime(FDateTime);
}

QString TDateTimePicker::EffectiveFormat() const
{
    if (!FFormat.isEmpty())
        return FFormat;
    switch (FKind) {
    case dtkTime: return FormatSettings.LongTimeFormat;
    case dtkDateTime: return FormatSettings.ShortDateFormat + u' ' + FormatSettings.LongTimeFormat;
    case dtkDate: break;
    }
    return FDateFormat == dfShort ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat;
}

QString TDateTimePicker::DisplayText() const { return FormatDateTime(EffectiveFormat(), FDateTime); }

void TDateTimePicker::Change()
{
    if (OnChange)
        OnChange(this);
}

void TDateTimePicker::NativeChanged(TDateTime value)
{
    value = Clamp(value);
    if (value == FDateTime)
        return;
    FDateTime = value;
    Change();
}

void TDateTimePicker::NativeChecked(bool value)
{
    FChecked = value;
    Push();
    Change();
}

void TDateTimePicker::KeyDown(int& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    if (FKind != dtkTime && ((Key == VK_F4 && Shift.Empty()) || (Key == VK_DOWN && Shift == TShiftState{ssAlt}))) {
        Key = 0;
        SetDroppedDown(!DroppedDown());
    }
}

void TDateTimePicker::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}

void TDateTimePicker::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    NativeApplyFont(this);
}
