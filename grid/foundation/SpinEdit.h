#pragma once
// TSgSpinEdit: a single-line editor with an embedded spin button for four
// value kinds: whole numbers, floats, dates and times. The buttons, Up and
// Down, Page Up and Page Down step the value; typing is filtered so only
// text of the current kind gets in; values keep within their limits (when
// the two limits differ). Dates and times step the field at the caret.
#include "grid/foundation/SpinButton.h"
#include "platform/controls/MaskEdit.h"
#include "platform/rtl/Clock.h"

enum TSgSpinType { sptNormal, sptFloat, sptDate, sptTime };
enum TEditAlign { eaLeft, eaRight, eaCenter };

class TSgSpinEdit : public TCustomMaskEdit {
public:
    explicit TSgSpinEdit(TComponent* AOwner = nullptr);
    ~TSgSpinEdit() override;

    // Values: getters read the text, setters clamp and write it.
    // 0 for an empty text; MinValue for a text that is no whole number.
    int Value();
    void SetValue(int value);
    // MinFloatValue for a text that is no number.
    double FloatValue();
    void SetFloatValue(double value);
    // Now for "0" or an empty text; MinDateValue for a text that is no date.
    TDateTime DateValue();
    void SetDateValue(TDateTime value);
    // 0 for a text that is no time. Note: clamped by the date limits.
    TDateTime TimeValue();
    void SetTimeValue(TDateTime value);

    TSgSpinType SpinType() const { return FSpinType; }
    // Rewrites the current value in the new kind.
    void SetSpinType(TSgSpinType value);
    // Decimals of the float text; 0: the shortest form.
    int Precision() const { return FPrecision; }
    void SetPrecision(int value);
    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int value) { FMinValue = value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value) { FMaxValue = value; }
    double MinFloatValue() const { return FMinFloatValue; }
    void SetMinFloatValue(double value) { FMinFloatValue = value; }
    double MaxFloatValue() const { return FMaxFloatValue; }
    void SetMaxFloatValue(double value) { FMaxFloatValue = value; }
    TDateTime MinDateValue() const { return FMinDateValue; }
    void SetMinDateValue(TDateTime value) { FMinDateValue = value; }
    TDateTime MaxDateValue() const { return FMaxDateValue; }
    void SetMaxDateValue(TDateTime value) { FMaxDateValue = value; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value; }
    double IncrementFloat() const { return FIncrementFloat; }
    void SetIncrementFloat(double value) { FIncrementFloat = value; }
    // Step of Page Up and Page Down for floats.
    double IncrementFloatPage() const { return FIncrementFloatPage; }
    void SetIncrementFloatPage(double value) { FIncrementFloatPage = value; }
    int IncrementSeconds() const { return FIncrementSeconds; }
    void SetIncrementSeconds(int value) { FIncrementSeconds = value; }
    int IncrementMinutes() const { return FIncrementMinutes; }
    void SetIncrementMinutes(int value) { FIncrementMinutes = value; }
    int IncrementHours() const { return FIncrementHours; }
    void SetIncrementHours(int value) { FIncrementHours = value; }
    bool ShowSeconds() const { return FShowSeconds; }
    void SetShowSeconds(bool value) { FShowSeconds = value; }
    // False: the value changes only by stepping.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    // The keypad's decimal key types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool value) { FExcelStyleDecimalSeparator = value; }
    // Read by the owner grid only.
    bool AllowEmptyValue() const { return FAllowEmptyValue; }
    void SetAllowEmptyValue(bool value) { FAllowEmptyValue = value; }
    TEditAlign EditAlign() const { return FEditAlign; }
    void SetEditAlign(TEditAlign value);
    bool SpinFlat() const { return FSpinFlat; }
    void SetSpinFlat(bool value);
    bool SpinTransparent() const { return FSpinTransparent; }
    void SetSpinTransparent(bool value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    // The month comes before the day in the short date format (set by each date step).
    bool UsDates() const { return FUsDates; }

    TSgSpinButton* Button() const { return FButton; }

    // Steps of the current kind; Page selects IncrementFloatPage for floats.
    virtual void StepUp(bool Page);
    virtual void StepDown(bool Page);
    // The character filter; a refused key is cleared.
    virtual bool IsValidChar(QChar& Key);
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The smallest height for the font and border.
    int MinHeight() const;

protected:
    void Loaded() override;
    void CreateWnd() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void Dispatch(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMSize(TWMSize& Message) override;

private:
    void Step(int Sign, bool Page);
    void StepDate(int Sign);
    void StepTime(int Sign);
    void PlaceButton();
    void SetEditRect();
    // The value of the current kind, clamped and written back when needed.
    void ClampText();
    void WriteKeepingCaret(const QString& Text);

    int FMinValue = 0;
    int FMaxValue = 100;
    double FMinFloatValue = 0.0;
    double FMaxFloatValue = 100.0;
    TDateTime FMinDateValue = 0;
    TDateTime FMaxDateValue = 0;
    TDateTime FDateValue = 0;
    TDateTime FTimeValue = 0;
    int FIncrement = 1;
    double FIncrementFloat = 0.1;
    TSgSpinButton* FButton = nullptr;
    bool FEditorEnabled = true;
    TSpinDirection FDirection = spVertical;
    TSgSpinType FSpinType = sptNormal;
    int FPrecision = 0;
    bool FReturnIsTab = false;
    bool FIsWinXP = false;
    bool FExcelStyleDecimalSeparator = false;
    bool FUsDates = false;
    bool FShowSeconds = true;
    int FIncrementSeconds = 1;
    int FIncrementMinutes = 1;
    int FIncrementHours = 1;
    TEditAlign FEditAlign = eaLeft;
    bool FSpinFlat = false;
    bool FSpinTransparent = false;
    bool FAllowEmptyValue = false;
    double FIncrementFloatPage = 1.0;
};

// Float text in the locale's decimal separator: Precision decimals in
// fixed notation, or the shortest form for Precision 0.
QString SpinFloatText(double Value, int Precision);
