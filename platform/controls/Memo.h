#pragma once
// TCustomMemo and TMemo: a multi-line edit over the native plain-text edit.
// Lines and Text are the same text ("\r\n" between lines); every change
// sends EN_CHANGE to the parent and runs OnChange, as in TCustomEdit.
#include "platform/controls/Edit.h"
#include "platform/rtl/StringList.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* AOwner = nullptr);
    ~TCustomMemo() override;

    TStrings* Lines() const { return FLines; }
    void SetLines(TStrings* value) { FLines->Assign(value); }
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Enter types a line break (otherwise it goes to the form's Default button).
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    // Tab types a tab (otherwise it moves the focus).
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool value) { FWantTabs = value; }

protected:
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    QString DisplayFromText(const QString& Text) const override;
    QString TextFromDisplay(const QString& Display) const override;
    QString Display() const override;
    void GetSelection(int& Anchor, int& Caret) const override;
    void SetSelection(int Anchor, int Caret) override;
    void PushText() override;
    void PushStyle() override;

private:
    friend class MemoBridge;
    TStringList* FLines;
    TScrollStyle FScrollBars = ssNone;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    bool FSyncingLines = false;
};

class TMemo : public TCustomMemo {
public:
    using TCustomMemo::TCustomMemo;
};
