#pragma once
// The configurator's windows created as the program entry creates them,
// in a scratch program folder, with recording message boxes and a fake clock.
#include "../support/QStringPrinter.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/TestHooks.h"
#include "platform/rtl/Clock.h"
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class TCustomForm;
class TLbButton;

class AppWindows : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a file below the program folder (folders made as needed).
    void Write_File(const QString& Relative, const QByteArray& Data);
    void Make_Folder(const QString& Relative);
    QString Path(const QString& Relative) const;
    // Creates the windows (the start-up) and frees them again.
    void Start();
    void Stop();
    // Closes the main window as the user does: the settings are written.
    void Close_Main();

    // Runs Action with a hook that hands each modal window to OnForm; the
    // window is cancelled afterwards unless OnForm closed it.
    void Run_Modal(const std::function<void()>& Action, const std::function<void(TCustomForm*)>& OnForm);

    // Presses the main window's Step button; Act runs while Form is shown.
    // Returns the modal result Form closed with (mrNone: Act left it open,
    // and it is then cancelled).
    int Open_Step(TLbButton* Step, TCustomForm* Form, const std::function<void()>& Act);

    // Message-box texts shown so far.
    QStringList Box_Texts() const;

    QTemporaryDir FDir;
    TRecordingMessageBoxService FBoxes;
    std::unique_ptr<TScopedMessageBoxService> FBoxScope;
    TFakeClock FClock{0, 1000};
    bool FStarted = false;
    int FFirstWindow = 0;
};
