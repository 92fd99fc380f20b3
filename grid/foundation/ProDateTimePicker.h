#pragma once
// TCustomDateTimePicker: the framework's date-time picker with auto-tab
// (typing digits moves on to the next field), the metro look and the
// single-line border. TProDateTimePicker edits a date, a time, or both:
// with dkDateTime a companion time picker sits in its right part, and
// auto-tab moves from the last date field into it; it carries an optional
// attached label.
#include "grid/foundation/SgDateTimePicker.h"
#include <memory>

class TLabel;
class TFont;

// The registered "DTPShiftFocus" message: a digit's field advance.
unsigned DTPShiftFocusMsg();

class TCustomDateTimePicker : public TFlatDateTimePicker {
public:
    explicit TCustomDateTimePicker(TComponent* AOwner = nullptr);

    bool AutoTab() const { return FAutoTab; }
    virtual void SetAutoTab(bool value) { FAutoTab = value; }
    // Moves to the next field when a recorded field changed (DTPShiftFocus).
    virtual void ShiftFocus();
    // True here: a companion never draws the metro look.
    bool MetroSuppressed() const override { return true; }

protected:
    void KeyPress(QChar& Key) override;
    void WndProc(TMessage& Message) override;

    bool FAutoTab = false;
    unsigned short Fh = 0;
    unsigned short Fm = 0;
    unsigned short Fs = 0;
    unsigned short Fms = 0;
};

enum TProDateTimeKind { dkDate, dkTime, dkDateTime };

class TProDateTimePicker : public TCustomDateTimePicker {
public:
    explicit TProDateTimePicker(TComponent* AOwner = nullptr);
    ~TProDateTimePicker() override;

    TProDateTimeKind Kind() const { return FKind; }
    void SetKind(TProDateTimeKind value);
    // With a companion, the time of day is the companion's.
    TDateTime DateTime() const;
    // Keeps hours, minutes and seconds; drops milliseconds.
    virtual void SetDateTime(TDateTime value);
    TDateTime Date() const { return TDateTimePicker::Date(); }
    // Keeps the time of day.
    void SetDate(TDateTime value);
    TDateTime Time() const;
    void SetTime(TDateTime value);
    const QString& TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(const QString& value);
    void SetAutoTab(bool value) override;
    void SetBorderStyle(TBorderStyle value) override;
    bool MetroSuppressed() const override { return false; }
    void ShiftFocus() override;
    // "1.2.0.0".
    QString Version() const;
    int GetVersionNr() const { return 0x01020000; }

    // The companion time picker, or nullptr.
    TCustomDateTimePicker* TimePicker() const { return FTimePicker; }

    // Label
    TLabel* PickerLabel() const { return FLabel; }
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(TFont* value);
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetParent(TWinControl* AParent) override;
    void SetVisible(bool value) override;
    void SetEnabled(bool value) override;

    // After OnChange when the companion's time changed.
    TNotifyEvent OnTimeChange;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;

    // Applies Kind, Time, TimeFormat, border, size and colour to the companion.
    void UpdateTimePicker();

protected:
    virtual void DoChange();
    virtual void DoClick();
    virtual void TimeKeyPress(QChar& Key);
    void Change() override;
    void Loaded() override;
    void CreateWnd() override;
    void KeyPress(QChar& Key) override;
    void WMPaint(TMessage& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void CreateTimePicker();
    void CoupleCheckBox();
    void PlaceLabel();
    void LabelBold(bool Bold);

    TProDateTimeKind FKind = dkDateTime;
    QString FTimeFormat;
    unsigned short Fy = 0;
    unsigned short Fmo = 0;
    unsigned short Fd = 0;
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 4;
    bool FLabelTransparent = false;
    bool FFocusLabel = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = false;
    bool FIgnoreTimePickerCheck = false;
    bool FFirstRun = true;
    TCustomDateTimePicker* FTimePicker = nullptr;
};
