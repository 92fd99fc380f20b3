#pragma once
// TProCalculatorDropdown: a drop-down edit for a number whose popup is a
// calculator keypad. The calculator keeps an accumulator, a pending
// operation (chained left to right, without precedence) and a memory; each
// key writes the new display value into the edit, so the text is always
// the value the control holds. "Error" is the only error display.
#include "grid/dropdown/ProDropDown.h"

class TButtonAppearance;
class TCustomButtonPanel;

class TProCalculatorDropdown : public TProCustomDropDown {
public:
    explicit TProCalculatorDropdown(TComponent* AOwner = nullptr);
    ~TProCalculatorDropdown() override;

    // The keypad's look; reaches the keypad at the next drop-down.
    TButtonAppearance* CalcButtonAppearance() const { return FCalcButtonAppearance.get(); }
    void SetCalcButtonAppearance(TButtonAppearance* Value);
    // Thousands grouped in the text (the money edit type), else plain.
    bool ShowThousandSeparator() const { return FShowThousandSeparator; }
    void SetShowThousandSeparator(bool Value);
    // The text without thousand separators as a number; 0 when it is none.
    // Note: an empty text becomes "0" first.
    double Value();
    // Writes the value formatted "%g".
    void SetValue(double Value);
    // The equals step (the grid's editor calls it on Enter).
    void CalcResult() { DoEquals(); }
    TCustomButtonPanel* ButtonPanel() const { return FProButtonPanel; }
    double Memory() const { return FMVal; }

    void SetComponentStyle(TQLXStyle AStyle) override;

protected:
    // Before each keypad click and popup key press.
    virtual void BeforeCalculate() {}
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    // A cancelled close brings back the text of before the drop-down.
    void DoHideDropDown(bool Cancelled) override;
    void DropDownKeyPress(QChar& Key) override;
    void DropDownKeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void WMKeyDown(TWMKey& Message) override;
    // The keypad's click: the key's action by its tag.
    void PanelButtonClick(TObject* Sender, int Index);
    void CalcKeyPress(QChar Key);
    // No operation waits for its right operand any more; the accumulator
    // and the memory stay.
    void EndPendingOperation();

private:
    // The Calc step every operator runs; raises the platform's conversion
    // error for a text that is no number, the state kept.
    void DoCalc();
    void DoOperator(int Op);
    void DoEquals();
    void DoPercent();
    void DoDigit(int Digit);
    void Clear();
    // The displayed value with the thousand separators removed.
    double DisplayedValue();
    bool AtMaxLength() const;

    TCustomButtonPanel* FProButtonPanel = nullptr;
    double FPrevval = 0;
    int FPrevop = -1;
    bool FNewval = false;
    int FDecim = 0;
    double FMVal = 0;
    bool FCalcClosed = true;
    std::unique_ptr<TButtonAppearance> FCalcButtonAppearance;
    bool FShowThousandSeparator = false;
    // The value when the popup opened (every key writes the text).
    QString FDropText;
};
