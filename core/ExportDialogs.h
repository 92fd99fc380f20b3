#pragma once
// The dialogs the exports open: a save dialog and a Yes/No question. The
// main window sets them to the platform's file dialog and message box;
// tests set doubles. While unset, the save dialog counts as cancelled and
// the question as answered No, so nothing is written.
#include <QString>
#include <functional>

// What the save dialog starts with. On OK the handler sets FileName to the
// full path chosen.
struct TSave_Dialog_Request {
    QString InitialDir;
    QString Filter;        // "Description|pattern"
    QString FileName;
};

// True when the user confirmed the dialog.
using TSave_Dialog_Event = std::function<bool(TSave_Dialog_Request& Request)>;
// Shows Text as a confirmation with Yes and No; true for Yes.
using TConfirm_Event = std::function<bool(const QString& Text)>;

extern TSave_Dialog_Event On_Export_Save_Dialog;
extern TConfirm_Event On_Export_Confirm;

// Calls the handlers, or gives their unset answers.
bool Export_Save_Dialog(TSave_Dialog_Request& Request);
bool Export_Confirm(const QString& Text);
