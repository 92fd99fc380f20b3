// Test entry point for GUI tests: an offscreen application with fonts and
// DPI pinned, so text measures the same on every machine.
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/FormatSettings.h"
#include <QApplication>
#include <QFont>
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
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    for (const char* family : {"Tahoma", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Segoe UI", "Arial",
                               "Verdana", "Microsoft Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TModalReleaser);
    SetTestFormatSettings();
    return RUN_ALL_TESTS();
}
