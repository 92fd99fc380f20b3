// Engineering units: names by number and the chooser's categories.
#include "core/Eng_Units.h"

#include "../support/QStringPrinter.h"
#include <gtest/gtest.h>
#include <set>

namespace {

TEST(EngUnits, NamesByNumber)
{
    const struct {
        int Num;
        const char* Name;
    } cases[] = {
        {0, "square-meters"},  {51, "housepower"},  {62, "degrees-Celsius"},
        {77, "feet-per-meters"}, {95, "no-units"},  {103, "radiants"},
        {128, "btus-per-kilogram-degree-Kelvin"},   {139, "megajoules-hours-per-square-meter"},
        {172, "ohm-meters"},   {207, "per-mille"},  {236, "minutes-per-degree-kelvin"},
        {237, "unknown"},      {-1, "unknown"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Desc_Unit(c.Num), QString::fromLatin1(c.Name)) << c.Num;
}

TEST(EngUnits, EveryUnitInExactlyOneCategory)
{
    const QStringList names = Eng_Unit_Categories();
    ASSERT_EQ(names.size(), 23);
    EXPECT_EQ(names.first(), QStringLiteral("Acceleration"));
    EXPECT_EQ(names[3], QStringLiteral("Electrical"));
    EXPECT_EQ(names.last(), QStringLiteral("Other"));
    std::multiset<int> seen;
    int count = 0;
    for (int i = 0; i < names.size(); ++i)
        for (int n : Eng_Unit_Category_Units(i)) {
            seen.insert(n);
            ++count;
        }
    EXPECT_EQ(count, Eng_Unit_Last + 1);
    for (int n = 0; n <= Eng_Unit_Last; ++n)
        EXPECT_EQ(seen.count(n), 1u) << n;
    EXPECT_TRUE(Eng_Unit_Category_Units(23).isEmpty());
    EXPECT_TRUE(Eng_Unit_Category_Units(-1).isEmpty());
}

TEST(EngUnits, ListSpellingsOfTheirOwn)
{
    EXPECT_EQ(Eng_Unit_Category_Units(0), QList<int>{166});
    EXPECT_EQ(Eng_Unit_Category_Units(3)[11], 172);
    EXPECT_EQ(Eng_Unit_List_Name(172), QStringLiteral("ohms-meters"));
    EXPECT_EQ(Eng_Unit_List_Name(139), QStringLiteral("megajoules-per-square-meter"));
    EXPECT_EQ(Eng_Unit_List_Name(140), QStringLiteral("megajoules-per-square-foot"));
    EXPECT_EQ(Eng_Unit_List_Name(62), QStringLiteral("degrees-Celsius"));
}

} // namespace
