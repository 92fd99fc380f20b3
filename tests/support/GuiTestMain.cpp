// Test entry point for GUI tests: an offscreen application with fonts and
// DPI pinned, so text measures the same on every machine.
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/FormatSettings.h"
#include <QApplication>
#include "tests/support/PinnedLook.h"
#include "tests/support/StartInProgramFolder.h"
#include <gtest/gtest.h>

namespace {

// A fatal assertion inside a modal hook returns before the form is closed;
// cancel the open modal forms so the test fails instead of hanging.
class TModalReleaser : public testing::EmptyTestEventListener {
    void OnTestPartResult(const testing::TestPartResult& Result) override
    {
        if (!Result.fatally_failed() || !Screen)
            return;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* form = Screen->Forms(i);
            if (form->FormState().Contains(fsModal) && form->ModalResult() == mrNone)
                form->SetModalResult(mrCancel);
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    StartInProgramFolder();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PinScreenEnvironment();
    QApplication app(argc, argv);
    PinFonts();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TModalReleaser);
    SetTestFormatSettings();
    return RUN_ALL_TESTS();
}
