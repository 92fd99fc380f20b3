#pragma once
// TCustomEdit and TEdit: a single-line edit over the native line edit.
//
// Typing reaches the edit as messages first (KeyDown, KeyPress; a zeroed
// key types nothing), then the native edit. Every change of the text, typed
// or set, sends EN_CHANGE to the parent (WM_COMMAND) and then OnChange.
// Selection: SelStart is the start of the selection, whichever end the
// caret stands at; SelLength may be set negative to put the caret before
// the selected text.
#include "platform/controls/Form.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

// The formatting rectangle of an edit (LParam: TRect*, client
// coordinates; 0 restores the whole client area). The text keeps inside it.
constexpr unsigned EM_GETRECT = 0x00B2;
constexpr unsigned EM_SETRECT = 0x00B3;
// The same without repainting.
constexpr unsigned EM_SETRECTNP = 0x00B4;
using TBorderStyle = TFormBorderStyle;

class TCustomEdit : public TWinControl {
public:
    explicit TCustomEdit(TComponent* AOwner = nullptr);
    ~TCustomEdit() override;

    void SetText(const QString& value) override;
    // Characters the user may type; 0: no limit. Setting Text is not limited.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    // Shown for each character when not null.
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    // Selects the whole text when the edit gets the focus by keyboard.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value) { FAutoSelect = value; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Alignment of the text in the edit.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // True after the user changed the text.
    bool Modified() const { return FModified; }
    void SetModified(bool value) { FModified = value; }

    // Selection
    int SelStart() const;
    void SetSelStart(int value);
    int SelLength() const;
    void SetSelLength(int value);
    QString SelText() const;
    // Replaces the selection; the caret stands after the new text.
    void SetSelText(const QString& value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    virtual void CNCommand(TWMCommand& Message);
    void WMGetDlgCode(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    // The widget's background takes the new colour.
    void CMColorChanged(TMessage& Message) override;

    // The text the widget shows for a Text value, and back (masks differ).
    virtual QString DisplayFromText(const QString& Text) const { return Text; }
    virtual QString TextFromDisplay(const QString& Display) const { return Display; }
    // The shown text and caret: the widget's when it exists.
    virtual QString Display() const;
    // Shows Display with the caret at Caret (selection none); updates Text
    // and notifies as a user change.
    void SetDisplay(const QString& Display, int Caret);
    virtual void GetSelection(int& Anchor, int& Caret) const;
    virtual void SetSelection(int Anchor, int Caret);
    // A change the widget reports: typed, pasted or cut text.
    void NativeChanged(const QString& Display);
    virtual void PushText();
    virtual void PushStyle();
    // Keeps the text inside the formatting rectangle.
    void PushEditRect();

    int FMaxLength = 0;
    bool FReadOnly = false;
    QChar FPasswordChar;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoSelect = true;
    TBorderStyle FBorderStyle = bsSingle;
    TAlignment FAlignment = taLeftJustify;
    bool FModified = false;
    friend class EditBridge;
    bool FUpdating = false;
    int FAnchor = 0;
    int FCaret = 0;
    QString FDisplay;
    // The formatting rectangle; empty: the whole client area.
    TRect FEditRect;
};

class TEdit : public TCustomEdit {
public:
    using TCustomEdit::TCustomEdit;
};
