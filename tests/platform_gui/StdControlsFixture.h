#pragma once
// A shown form that logs the WM_COMMAND notifications its children send,
// as "EN_CHANGE", "CBN_SELCHANGE", ..., next to the events tests log.
#include "platform/controls/Form.h"
#include <QStringList>
#include <gtest/gtest.h>

class StdControlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Logs OnChange-style events under Name.
    TNotifyEvent LogEvent(const QString& Name)
    {
        return [this, Name](TObject*) { Log << Name; };
    }

    TForm* Form = nullptr;
    QStringList Log;
};

QString NotifyName(int Code, TControl* Sender);
