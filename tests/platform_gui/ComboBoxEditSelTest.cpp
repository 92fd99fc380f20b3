// The selection in a combo box's edit part.
#include "StdControlsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

TEST_F(StdControlsTest, ComboEditSelection)
{
    auto* combo = new TComboBox(Form);
    combo->SetParent(Form);
    combo->SetText(QStringLiteral("Temperature"));
    combo->SetSelStart(4);
    EXPECT_EQ(combo->SelStart(), 4);
    EXPECT_EQ(combo->SelLength(), 0);
    combo->SetSelLength(3);
    EXPECT_EQ(combo->SelStart(), 4);
    EXPECT_EQ(combo->SelLength(), 3);
    combo->SetFocus();
    Type(combo, QStringLiteral("X"));
    EXPECT_EQ(combo->Text(), QStringLiteral("TempXture")) << "typing replaces the selection";
    combo->SetSelStart(99);
    EXPECT_EQ(combo->SelStart(), 9);

    // A drop-down list has no edit part.
    combo->SetStyle(csDropDownList);
    combo->SetSelLength(2);
    EXPECT_EQ(combo->SelStart(), 0);
    EXPECT_EQ(combo->SelLength(), 0);
}
