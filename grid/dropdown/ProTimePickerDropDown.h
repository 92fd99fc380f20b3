#pragma once
// TProTimePickerDropDown: a drop-down edit for a time of day. The edit
// shows two-digit fields joined by the locale time separator under an edit
// mask; the popup holds the analogue watch and, optionally, a time picker
// below it. Up and Down in the edit step the field under the caret (Up
// lowers it), clicks and keys on the watch set hour and minute, and
// closing the popup takes the watch's time.
#include "grid/dropdown/ProDropDown.h"
#include "grid/dropdown/ProWatch.h"

class TDateTimePicker;
class TPanel;

class TProTimePickerDropDown : public TProCustomDropDown {
public:
    explicit TProTimePickerDropDown(TComponent* AOwner = nullptr);
    ~TProTimePickerDropDown() override;

    // Only the time of day is shown. Setting it rewrites the text and,
    // while the popup is open, the watch and the picker; no OnTimeChange.
    TDateTime Time() const { return FTime; }
    void SetTime(TDateTime Value);
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool Value);
    // The following reach the popup at the next drop-down.
    bool ShowTimePicker() const { return FShowTimePicker; }
    void SetShowTimePicker(bool Value) { FShowTimePicker = Value; }
    bool ShowWatchAMPM() const { return FShowWatchAMPM; }
    void SetShowWatchAMPM(bool Value) { FShowWatchAMPM = Value; }
    bool ShowWatchNumbers() const { return FShowWatchNumbers; }
    void SetShowWatchNumbers(bool Value) { FShowWatchNumbers = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    TWatchAppearance* WatchAppearance() const { return FWatchAppearance.get(); }
    void SetWatchAppearance(TWatchAppearance* Value);
    TWatchSettings* WatchSettings() const { return FWatchSettings.get(); }
    void SetWatchSettings(TWatchSettings* Value);

    // One field set; out of range (hour above 23, minute or second above
    // 59) or unchanged: nothing. Fires OnTimeChange.
    void SetHourPart(int Hour);
    void SetMinutePart(int Minute);
    void SetSecondPart(int Second);
    // Two-digit fields joined by the locale time separator.
    QString FormatTimeText(int Hour, int Minute, int Second) const;

    TProWatch* Watch() const { return FProWatch; }
    TDateTimePicker* DateTimePicker() const { return FDateTimePicker; }
    TPanel* PanelCtrl() const { return FPanelCtrl; }

    void SetComponentStyle(TQLXStyle AStyle) override;

    // Fired by the field steps and the picker's changes.
    TNotifyEvent OnTimeChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoHideDropDown(bool Cancelled) override;
    void AfterHideDropDown() override;
    void DropDownKeyDown(int& Key, TShiftState Shift) override;
    void DropDownKeyUp(int& Key, TShiftState Shift) override;
    void ControlKeyDown(int& Key, TShiftState Shift) override;
    void ControlKeyUp(int& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    // Parses a complete typed text into Time.
    void Change() override;
    // Up and Down step the field under the caret.
    void KeyDown(int& Key, TShiftState Shift) override;
    void WMKeyDown(TWMKey& Message) override;

private:
    void WatchChange(TObject* Sender);
    void TimePickerChange(TObject* Sender);
    void InstallMask();
    void SetPart(int Index, int Value);

    TDateTime FTime = 0;
    bool FShowSeconds = true;
    bool FShowTimePicker = false;
    bool FShowWatchAMPM = true;
    bool FShowWatchNumbers = true;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    std::unique_ptr<TWatchAppearance> FWatchAppearance;
    std::unique_ptr<TWatchSettings> FWatchSettings;
    TPanel* FPanelCtrl = nullptr;
    TProWatch* FProWatch = nullptr;
    TDateTimePicker* FDateTimePicker = nullptr;
    bool FInternalCall = false;
    bool FCancelling = false;
    // Time when the popup opened, for a cancelled close.
    TDateTime FDropTime = 0;
};
