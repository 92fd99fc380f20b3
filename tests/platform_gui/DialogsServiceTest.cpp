// Message dialogs and file dialogs through the recording services.
#include "platform/controls/Dialogs.h"
#include <gtest/gtest.h>

namespace {

struct MsgCase {
    const char* Name;
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    int Answer;
    const char* Caption;
    unsigned Flags;
    int Result;
};

TEST(DialogsService, MessageDlgCaptionsFlagsAndResults)
{
    const MsgCase cases[] = {
        {"error ok", mtError, {mbOK}, IDOK, "Error", MB_OK | MB_ICONERROR, mrOk},
        {"warning yes/no", mtWarning, mbYesNo, IDNO, "Warning", MB_YESNO | MB_ICONWARNING, mrNo},
        {"information", mtInformation, {mbOK}, IDOK, "Information", MB_OK | MB_ICONINFORMATION, mrOk},
        {"confirmation yes/no/cancel", mtConfirmation, mbYesNoCancel, IDCANCEL, "Confirmation",
         MB_YESNOCANCEL | MB_ICONQUESTION, mrCancel},
        {"ok/cancel", mtConfirmation, mbOKCancel, IDOK, "Confirmation", MB_OKCANCEL | MB_ICONQUESTION, mrOk},
        {"yes to all falls back", mtConfirmation, {mbYes, mbYesToAll, mbNo}, IDYES, "Confirmation",
         MB_YESNO | MB_ICONQUESTION, mrYes},
    };
    for (const MsgCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TRecordingMessageBoxService boxes;
        boxes.Answers.push_back(c.Answer);
        TScopedMessageBoxService scoped(&boxes);
        EXPECT_EQ(MessageDlg(QStringLiteral("text"), c.Type, c.Buttons), c.Result);
        ASSERT_EQ(boxes.Calls.size(), 1u);
        EXPECT_EQ(boxes.Calls[0].Caption, QString::fromLatin1(c.Caption));
        EXPECT_EQ(boxes.Calls[0].Flags, c.Flags);
        EXPECT_EQ(boxes.Calls[0].Text, QStringLiteral("text"));
    }
}

TEST(DialogsService, SaveDialogSendsItsSettingsAndAddsTheDefaultExtension)
{
    TRecordingFileDialogService files;
    TFileDialogResult answer;
    answer.Accepted = true;
    answer.Files = QStringList{QStringLiteral("/tmp/project"), QStringLiteral("/tmp/b.xml")};
    answer.FilterIndex = 2;
    files.Answers.push_back(answer);
    TScopedFileDialogService scoped(&files);

    TSaveDialog dialog;
    dialog.SetTitle(QStringLiteral("Save project"));
    dialog.SetInitialDir(QStringLiteral("/tmp"));
    dialog.SetFilter(QStringLiteral("Projects|*.prj|XML|*.xml"));
    dialog.SetDefaultExt(QStringLiteral("prj"));
    dialog.SetOptions({ofOverwritePrompt});
    ASSERT_TRUE(dialog.Execute());
    ASSERT_EQ(files.Requests.size(), 1u);
    const TFileDialogRequest& r = files.Requests[0];
    EXPECT_TRUE(r.Save);
    EXPECT_TRUE(r.OverwritePrompt);
    EXPECT_FALSE(r.FileMustExist);
    EXPECT_EQ(r.Title, QStringLiteral("Save project"));
    EXPECT_EQ(r.Filter, QStringLiteral("Projects|*.prj|XML|*.xml"));
    EXPECT_EQ(dialog.FileName(), QStringLiteral("/tmp/project.prj"));
    EXPECT_EQ(dialog.Files().at(1), QStringLiteral("/tmp/b.xml"));
    EXPECT_EQ(dialog.FilterIndex(), 2);
}

TEST(DialogsService, CancelledOpenDialogKeepsTheOldChoice)
{
    TRecordingFileDialogService files;
    TScopedFileDialogService scoped(&files);
    TOpenDialog dialog;
    dialog.SetFileName(QStringLiteral("old.txt"));
    dialog.SetOptions({ofFileMustExist});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), QStringLiteral("old.txt"));
    EXPECT_FALSE(files.Requests.at(0).Save);
    EXPECT_TRUE(files.Requests.at(0).FileMustExist);
    // Accepted with no file is no choice either.
    TFileDialogResult empty;
    empty.Accepted = true;
    files.Answers.push_back(empty);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), QStringLiteral("old.txt"));
}

} // namespace
