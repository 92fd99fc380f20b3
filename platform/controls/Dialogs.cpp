#include "platform/controls/Dialogs.h"
#include "platform/controls/Application.h"
#include <QFileInfo>

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

bool TOpenDialog::Execute()
{
    TFileDialogRequest r;
    r.Save = IsSave();
    r.Title = FTitle;
    r.InitialDir = FInitialDir;
    r.FileName = FFileName;
    r.Filter = FFilter;
    r.FilterIndex = FFilterIndex;
    r.DefaultExt = FDefaultExt;
    r.MultiSelect = FOptions.Contains(ofAllowMultiSelect);
    r.OverwritePrompt = FOptions.Contains(ofOverwritePrompt);
    r.FileMustExist = FOptions.Contains(ofFileMustExist);
    TFileDialogResult result = FileDialogService().Execute(r);
    if (!result.Accepted || result.Files.isEmpty())
        return false;
    FFiles = result.Files;
    if (!FDefaultExt.isEmpty()) {
        QString ext = FDefaultExt.startsWith(u'.') ? FDefaultExt.mid(1) : FDefaultExt;
        for (QString& f : FFiles)
            if (QFileInfo(f).suffix().isEmpty())
                f += u'.' + ext;
    }
    FFileName = FFiles.first();
    FFilterIndex = result.FilterIndex;
    return true;
}

namespace {

unsigned ButtonFlags(TMsgDlgButtons b)
{
    if (b.Contains(mbAbort) || b.Contains(mbIgnore))
        return MB_ABORTRETRYIGNORE;
    if (b.Contains(mbRetry))
        return MB_RETRYCANCEL;
    if (b.Contains(mbYes) || b.Contains(mbNo) || b.Contains(mbYesToAll) || b.Contains(mbNoToAll))
        return b.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (b.Contains(mbCancel))
        return MB_OKCANCEL;
    return MB_OK;
}

} // namespace

int MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int)
{
    QString caption;
    unsigned flags = ButtonFlags(Buttons);
    switch (DlgType) {
    case mtWarning: caption = QStringLiteral("Warning"); flags |= MB_ICONWARNING; break;
    case mtError: caption = QStringLiteral("Error"); flags |= MB_ICONERROR; break;
    case mtInformation: caption = QStringLiteral("Information"); flags |= MB_ICONINFORMATION; break;
    case mtConfirmation: caption = QStringLiteral("Confirmation"); flags |= MB_ICONQUESTION; break;
    case mtCustom: caption = Application ? Application->Title() : QString(); break;
    }
    // The ID* answers and the mr* results share their numbers.
    return MessageBoxService().MessageBox(Msg, caption, flags);
}

void ShowMessage(const QString& Msg)
{
    MessageBoxService().MessageBox(Msg, Application ? Application->Title() : QString(), MB_OK);
}

int MessageBox(HWND, const QString& Text, const QString& Caption, unsigned Flags)
{
    return MessageBoxService().MessageBox(Text, Caption, Flags);
}
