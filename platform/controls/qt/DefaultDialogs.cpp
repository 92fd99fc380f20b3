// The real message box and file dialogs behind the replaceable services.
#include "platform/controls/DialogServices.h"
#include "platform/controls/TestHooks.h"
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

class QtMessageBoxService : public IMessageBoxService {
public:
    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags) override
    {
        RunModalHook({nullptr, Caption, Text});
        QMessageBox box;
        box.setWindowTitle(Caption);
        box.setText(Text);
        switch (Flags & 0xF0) {
        case MB_ICONHAND: box.setIcon(QMessageBox::Critical); break;
        case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
        case MB_ICONASTERISK: box.setIcon(QMessageBox::Information); break;
        default: break;
        }
        struct B {
            QMessageBox::StandardButton Button;
            int Id;
        };
        std::vector<B> buttons;
        switch (Flags & 0xF) {
        case MB_OKCANCEL: buttons = {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}}; break;
        case MB_ABORTRETRYIGNORE:
            buttons = {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
            break;
        case MB_YESNOCANCEL:
            buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
            break;
        case MB_YESNO: buttons = {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}}; break;
        case MB_RETRYCANCEL: buttons = {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}; break;
        default: buttons = {{QMessageBox::Ok, IDOK}}; break;
        }
        for (const B& b : buttons)
            box.addButton(b.Button);
        std::size_t def = (Flags & 0xF00) >> 8;
        if (def < buttons.size())
            box.setDefaultButton(buttons[def].Button);
        box.exec();
        QAbstractButton* clicked = box.clickedButton();
        for (const B& b : buttons)
            if (clicked && box.standardButton(clicked) == b.Button)
                return b.Id;
        return (Flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }
};

// "Text files|*.txt;*.log|All|*" to Qt's "Text files (*.txt *.log);;All (*)".
QStringList QtFilters(const QString& Filter)
{
    QStringList parts = Filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return out;
}

class QtFileDialogService : public IFileDialogService {
public:
    TFileDialogResult Execute(const TFileDialogRequest& R) override
    {
        RunModalHook({nullptr, R.Title, R.FileName});
        QFileDialog dialog(nullptr, R.Title, R.InitialDir);
        dialog.setAcceptMode(R.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        if (!R.Save)
            dialog.setFileMode(R.MultiSelect ? QFileDialog::ExistingFiles
                                             : R.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (R.Save && !R.OverwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        QStringList filters = QtFilters(R.Filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            if (R.FilterIndex >= 1 && R.FilterIndex <= filters.size())
                dialog.selectNameFilter(filters[R.FilterIndex - 1]);
        }
        if (!R.DefaultExt.isEmpty())
            dialog.setDefaultSuffix(R.DefaultExt);
        if (!R.FileName.isEmpty())
            dialog.selectFile(R.FileName);
        TFileDialogResult result;
        result.Accepted = dialog.exec() == QDialog::Accepted;
        if (result.Accepted) {
            result.Files = dialog.selectedFiles();
            result.FilterIndex = std::max<int>(1, int(filters.indexOf(dialog.selectedNameFilter())) + 1);
        }
        return result;
    }
};

} // namespace

IMessageBoxService& DefaultMessageBoxService()
{
    static QtMessageBoxService service;
    return service;
}

IFileDialogService& DefaultFileDialogService()
{
    static QtFileDialogService service;
    return service;
}
