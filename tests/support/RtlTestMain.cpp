// Test entry point: pins the format settings before any test runs.
#include "platform/rtl/FormatSettings.h"
#include "tests/support/StartInProgramFolder.h"
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    StartInProgramFolder();
    testing::InitGoogleTest(&argc, argv);
    SetTestFormatSettings();
    return RUN_ALL_TESTS();
}
