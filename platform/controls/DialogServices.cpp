#include "platform/controls/DialogServices.h"
#include "platform/controls/TestHooks.h"

IMessageBoxService& DefaultMessageBoxService();
IFileDialogService& DefaultFileDialogService();

namespace {
IMessageBoxService* gMessageBox = nullptr;
IFileDialogService* gFileDialog = nullptr;
} // namespace

IMessageBoxService& MessageBoxService()
{
    return gMessageBox ? *gMessageBox : DefaultMessageBoxService();
}

void SetMessageBoxService(IMessageBoxService* Service) { gMessageBox = Service; }

IFileDialogService& FileDialogService()
{
    return gFileDialog ? *gFileDialog : DefaultFileDialogService();
}

void SetFileDialogService(IFileDialogService* Service) { gFileDialog = Service; }

int TRecordingMessageBoxService::MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    Calls.push_back({Text, Caption, Flags});
    RunModalHook({nullptr, Caption, Text});
    if (Answers.empty())
        return DefaultAnswer;
    int answer = Answers.front();
    Answers.pop_front();
    return answer;
}

TFileDialogResult TRecordingFileDialogService::Execute(const TFileDialogRequest& Request)
{
    Requests.push_back(Request);
    if (Answers.empty())
        return {};
    TFileDialogResult answer = Answers.front();
    Answers.pop_front();
    return answer;
}
