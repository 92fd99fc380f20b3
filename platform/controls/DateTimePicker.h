#pragma once
// TDateTimePicker: a date or a time over the native date-time edit, with a
// drop-down calendar for dates. Format uses FormatDateTime's letters (empty:
// the short or long date format of DateFormat, or the long time format).
// With ShowCheckbox a check box in front switches the value on and off.
// A change by the user runs OnChange; the program's changes do not.
#include "platform/controls/WinControl.h"
#include "platform/rtl/DateTime.h"

enum TDateTimeKind { dtkDate, dtkTime, dtkDateTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl {
public:
    explicit TDateTimePicker(TComponent* AOwner = nullptr);

    TDateTimeKind Kind() const { return FKind; }
    void SetKind(TDateTimeKind value);
    TDateTime DateTime() const { return FDateTime; }
    void SetDateTime(TDateTime value);
    // The whole days.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    // The time of day.
    TDateTime Time() const;
    void SetTime(TDateTime value);
    const QString& Format() const { return FFormat; }
    void SetFormat(const QString& value);
    TDTDateFormat DateFormat() const { return FDateFormat; }
    void SetDateFormat(TDTDateFormat value);
    bool ShowCheckbox() const { return FShowCheckbox; }
    void SetShowCheckbox(bool value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    // 0: no limit.
    TDateTime MinDate() const { return FMinDate; }
    void SetMinDate(TDateTime value);
    TDateTime MaxDate() const { return FMaxDate; }
    void SetMaxDate(TDateTime value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    // The text the control shows.
    QString DisplayText() const;
    // The format in use, in FormatDateTime's letters.
    QString EffectiveFormat() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

protected:
    virtual void Change();
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    // F4 and Alt+Down open the calendar.
    void KeyDown(int& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void CMFontChanged(TMessage& Message) override;

private:
    friend class PickerBridge;
    TDateTime Clamp(TDateTime value) const;
    void Push();
    void NativeChanged(TDateTime value);
    void NativeChecked(bool value);

    TDateTimeKind FKind = dtkDate;
    TDateTime FDateTime = 0;
    QString FFormat;
    TDTDateFormat FDateFormat = dfShort;
    bool FShowCheckbox = false;
    bool FChecked = true;
    TDateTime FMinDate = 0;
    TDateTime FMaxDate = 0;
    bool FUpdating = false;
};
