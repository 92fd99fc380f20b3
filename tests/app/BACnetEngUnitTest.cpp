// The engineering-unit chooser: its texts, the unit list by category, and
// only the select button taking a unit.
#include "AppWindows.h"
#include "app/FBACnet_Eng_Unit.h"
#include "controls/button/LbButton.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"

namespace {

TEST_F(AppWindows, EngUnitChooserTakesAUnitOnlyByItsButton)
{
    Start();
    TFBACnet_Eng_Unit* f = FBACnet_Eng_Unit;
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Caption(), QStringLiteral("Select the BACnet Engineering Unit"));
    EXPECT_EQ(f->Btn_Select_Eng_Unit->Caption(), QStringLiteral("Select Engineering Unit"));
    EXPECT_EQ(f->CB_Select_Type->Items()->Count(), 23);
    EXPECT_EQ(f->CB_Select_Type->ItemIndex(), 0);

    struct TCase {
        const char* Name;
        int Category, Unit;
        const char* Listed;
        const char* Number;
        const char* Label;
    } const cases[] = {
        {"Acceleration", 0, 0, "meters-per-second-per-second", "166", "-> meters-per-second-per-second"},
        {"OhmsMeters", 3, 11, "ohms-meters", "172", "-> ohm-meters"},
        {"Megajoules", 22, 9, "megajoules-per-square-meter", "139", "-> megajoules-hours-per-square-meter"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Run_Modal([&] { f->ShowModal(); },
                  [&](TCustomForm*) {
                      f->E_Selected_EU->SetText(QStringLiteral("5"));
                      f->CB_Select_Type->SetItemIndex(c.Category);
                      f->CB_Select_TypeSelect(f->CB_Select_Type);
                      EXPECT_EQ(f->CB_Select_Unit->ItemIndex(), 0);
                      f->CB_Select_Unit->SetItemIndex(c.Unit);
                      EXPECT_EQ(f->CB_Select_Unit->Items()->Strings(c.Unit), QString::fromLatin1(c.Listed));
                      // Choosing in the lists alone changes nothing.
                      EXPECT_EQ(f->E_Selected_EU->Text(), QStringLiteral("5"));
                      f->Btn_Select_Eng_Unit->Click();
                      EXPECT_EQ(f->E_Selected_EU->Text(), QString::fromLatin1(c.Number));
                      EXPECT_EQ(f->Label5->Caption(), QString::fromLatin1(c.Label));
                  });
    }
    // The category stays between showings; the unit list starts again.
    Run_Modal([&] { f->ShowModal(); },
              [&](TCustomForm*) {
                  EXPECT_EQ(f->CB_Select_Type->ItemIndex(), 22);
                  EXPECT_EQ(f->CB_Select_Unit->ItemIndex(), 0);
                  EXPECT_EQ(f->CB_Select_Unit->Items()->Count(), 59);
              });
}

} // namespace
