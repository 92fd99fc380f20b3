#pragma once
// Message boxes and file dialogs behind replaceable services. The default
// services show Qt dialogs; tests install the recording doubles below,
// which log each call and return a chosen answer.
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// MessageBox flags
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr unsigned MB_DEFBUTTON1 = 0x0;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_APPLMODAL = 0x0;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;

// MessageBox results
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class IMessageBoxService {
public:
    virtual ~IMessageBoxService() = default;
    // Shows Text with the buttons and icon of Flags; returns the ID* of the
    // button chosen (IDCANCEL when the box is closed otherwise).
    virtual int MessageBox(const QString& Text, const QString& Caption, unsigned Flags) = 0;
};

struct TFileDialogRequest {
    bool Save = false;
    QString Title;
    QString InitialDir;
    QString FileName;
    // The framework's form: "Description|pattern;pattern|Description|pattern".
    QString Filter;
    // 1-based.
    int FilterIndex = 1;
    QString DefaultExt;
    bool MultiSelect = false;
    bool OverwritePrompt = false;
    bool FileMustExist = false;
};

struct TFileDialogResult {
    bool Accepted = false;
    QStringList Files;
    int FilterIndex = 1;
};

class IFileDialogService {
public:
    virtual ~IFileDialogService() = default;
    virtual TFileDialogResult Execute(const TFileDialogRequest& Request) = 0;
};

// The services in use. Set...(nullptr) restores the default.
// Note: the caller keeps ownership of a service it installs.
IMessageBoxService& MessageBoxService();
void SetMessageBoxService(IMessageBoxService* Service);
IFileDialogService& FileDialogService();
void SetFileDialogService(IFileDialogService* Service);

// Test doubles

class TRecordingMessageBoxService : public IMessageBoxService {
public:
    struct TCall {
        QString Text;
        QString Caption;
        unsigned Flags = 0;
    };
    std::vector<TCall> Calls;
    // Answers handed out in order; DefaultAnswer once they run out.
    std::deque<int> Answers;
    int DefaultAnswer = IDOK;

    // Records the call, runs the modal hook, returns the next answer.
    int MessageBox(const QString& Text, const QString& Caption, unsigned Flags) override;
};

class TRecordingFileDialogService : public IFileDialogService {
public:
    std::vector<TFileDialogRequest> Requests;
    std::deque<TFileDialogResult> Answers;

    // Records the request; the next answer, or a cancelled dialog.
    TFileDialogResult Execute(const TFileDialogRequest& Request) override;
};

// Installs a service for the lifetime of the object.
class TScopedMessageBoxService {
public:
    explicit TScopedMessageBoxService(IMessageBoxService* Service) { SetMessageBoxService(Service); }
    ~TScopedMessageBoxService() { SetMessageBoxService(nullptr); }
};

class TScopedFileDialogService {
public:
    explicit TScopedFileDialogService(IFileDialogService* Service) { SetFileDialogService(Service); }
    ~TScopedFileDialogService() { SetFileDialogService(nullptr); }
};
