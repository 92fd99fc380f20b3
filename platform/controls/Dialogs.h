#pragma once
// The common dialogs and message boxes of the framework, shown through the
// replaceable services of DialogServices.h.
#include "platform/controls/Control.h"
#include "platform/controls/DialogServices.h"
#include <QStringList>

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
    ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
    ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
    ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
    ofForceShowHidden
};
using TOpenOptions = Set<TOpenOption>;

class TCommonDialog : public TComponent {
public:
    using TComponent::TComponent;
    virtual bool Execute() = 0;
};

class TOpenDialog : public TCommonDialog {
public:
    explicit TOpenDialog(TComponent* AOwner = nullptr);

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& value) { FTitle = value; }
    const QString& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const QString& value) { FInitialDir = value; }
    // The chosen file (the first one with ofAllowMultiSelect).
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& value) { FFileName = value; }
    // Every chosen file.
    const QStringList& Files() const { return FFiles; }
    // "Description|pattern;pattern|Description|pattern".
    const QString& Filter() const { return FFilter; }
    void SetFilter(const QString& value) { FFilter = value; }
    // 1-based index of the filter in use.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    // Added to a chosen name that has no extension.
    const QString& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const QString& value) { FDefaultExt = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }

    // Shows the dialog; true when the user chose a file. Cancel leaves
    // FileName, Files and FilterIndex as they were.
    bool Execute() override;

protected:
    virtual bool IsSave() const { return false; }

private:
    QString FTitle;
    QString FInitialDir;
    QString FFileName;
    QStringList FFiles;
    QString FFilter;
    int FFilterIndex = 1;
    QString FDefaultExt;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool IsSave() const override { return true; }
};

// Message dialogs
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp, mbClose };
using TMsgDlgButtons = Set<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// Shows Msg with the type's caption ("Warning", "Error", "Information",
// "Confirmation"; the application title for mtCustom) and icon; returns
// mrOk, mrYes, mrNo, mrCancel, ... Buttons the message box cannot show
// (All, Help, ...) fall back to the nearest set of standard buttons.
int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
// An information box with an OK button and the application title.
void ShowMessage(const QString& Msg);
// A message box with MB_* flags; returns the ID* of the button chosen.
int MessageBox(HWND Wnd, const QString& Text, const QString& Caption, unsigned Flags);
