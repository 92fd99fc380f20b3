#include "core/Catalog_EnOcean.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kFixture = QStringLiteral(STRATAGON_TEST_DATA "/core/catalog/catalog.xml");

// Every look-up answer as text: an index, a name, or a case's title.
using TLookup = std::function<QString(const TCatalog_EnOcean&)>;

struct LookupCase {
    const char* name;
    TLookup lookup;
    const char* expected;
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.name; }

QString CaseTitle(const TCase* Case)
{
    return Case ? Case->Title() : QStringLiteral("<none>");
}

class Catalog_EnOceanLookup : public testing::TestWithParam<LookupCase> {
protected:
    static void SetUpTestSuite()
    {
        Cat = new TCatalog_EnOcean;
        ASSERT_TRUE(Cat->Read_Cat_EnOcean_XML(kFixture));
    }
    static void TearDownTestSuite() { FreeAndNil(Cat); }
    static TCatalog_EnOcean* Cat;
};

TCatalog_EnOcean* Catalog_EnOceanLookup::Cat = nullptr;

TEST_P(Catalog_EnOceanLookup, Answer)
{
    EXPECT_EQ(GetParam().lookup(*Cat), QString::fromUtf8(GetParam().expected));
}

#define IDX(call) [](const TCatalog_EnOcean& c) { return QString::number(c.call); }
#define STR(call) [](const TCatalog_EnOcean& c) { return c.call; }
#define OBJ(call) [](const TCatalog_EnOcean& c) { return CaseTitle(c.call); }

// The fixture holds RORG 0xA5 twice: FUNC 0x02 (with TYPE 0x05 twice, the
// second with two cases) under the first, FUNC 0x07 under the second.
const LookupCase kLookups[] = {
    {"RorgIndex", IDX(Get_RorgNum_Index(0xD2)), "1"},
    {"RorgIndexFirstOfTwo", IDX(Get_RorgNum_Index(0xA5)), "2"},
    {"RorgIndexMissing", IDX(Get_RorgNum_Index(0x55)), "-1"},

    {"FuncIndex", IDX(Get_FuncNum_Index(0xA5, 0x02)), "0"},
    {"FuncIndexOnlyUnderFirstRorg", IDX(Get_FuncNum_Index(0xA5, 0x07)), "-1"},
    {"FuncIndexMissing", IDX(Get_FuncNum_Index(0xF6, 0x03)), "-1"},
    {"FuncIndexRorgMissing", IDX(Get_FuncNum_Index(0x55, 0x02)), "-1"},

    {"TypeIndex", IDX(Get_TypeNum_Index(0xD2, 0x01, 0x00)), "0"},
    {"TypeIndexFirstOfTwo", IDX(Get_TypeNum_Index(0xA5, 0x02, 0x05)), "0"},
    {"TypeIndexOnlyUnderFirstRorg", IDX(Get_TypeNum_Index(0xA5, 0x07, 0x01)), "-1"},
    {"TypeIndexMissing", IDX(Get_TypeNum_Index(0xF6, 0x02, 0x02)), "-1"},

    {"DataFieldIndex", IDX(Get_DataField_Index(0xF6, 2, 1, 0, "Energy bow")), "1"},
    {"DataFieldIndexAfterReserved", IDX(Get_DataField_Index(0xF6, 2, 1, 0, "2nd action")), "2"},
    {"DataFieldIndexOtherCase", IDX(Get_DataField_Index(0xD2, 1, 0, 1, "Local control")), "1"},
    {"DataFieldIndexCaseSensitive", IDX(Get_DataField_Index(0xF6, 2, 1, 0, "energy bow")), "-1"},
    {"DataFieldIndexReservedAbsent", IDX(Get_DataField_Index(0xF6, 2, 1, 0, "Not Used")), "-1"},
    {"DataFieldIndexCaseTooHigh", IDX(Get_DataField_Index(0xF6, 2, 1, 2, "Energy bow")), "-1"},
    {"DataFieldIndexCaseNegative", IDX(Get_DataField_Index(0xF6, 2, 1, -1, "Energy bow")), "-1"},
    // Case 1 is out of range in the first TYPE 0x05, so the second is searched.
    {"DataFieldIndexLaterType", IDX(Get_DataField_Index(0xA5, 2, 5, 1, "Humidity")), "0"},
    {"DataFieldIndexNoLaterTypeWhenCaseExists", IDX(Get_DataField_Index(0xA5, 2, 5, 0, "Humidity")), "-1"},
    {"DataFieldIndexOnlyUnderFirstRorg", IDX(Get_DataField_Index(0xA5, 7, 1, 0, "PIR Status")), "-1"},

    {"CaseObj", OBJ(Get_CaseObj(0xF6, 2, 1, 1)), "Released"},
    {"CaseObjLaterRorg", OBJ(Get_CaseObj(0xA5, 7, 1, 0)), "Occupancy"},
    {"CaseObjLaterType", OBJ(Get_CaseObj(0xA5, 2, 5, 1)), "Second of second"},
    {"CaseObjTooHigh", OBJ(Get_CaseObj(0xF6, 2, 1, 2)), "<none>"},
    {"CaseObjNegative", OBJ(Get_CaseObj(0xF6, 2, 1, -1)), "<none>"},
    {"CaseObjNoType", OBJ(Get_CaseObj(0xF6, 2, 9, 0)), "<none>"},

    {"RorgName", STR(Get_Rorg_Name_Str(0xF6)), "0xF6 : RPS Telegram"},
    {"RorgNameFirstOfTwo", STR(Get_Rorg_Name_Str(0xA5)), "0xA5 : 4BS Telegram"},
    {"RorgNameMissing", STR(Get_Rorg_Name_Str(0x55)), ""},
    {"FuncName", STR(Get_Func_Name_Str(0xD2, 0x01)), "0x01 : Electronic Switches"},
    {"FuncNameLaterRorg", STR(Get_Func_Name_Str(0xA5, 0x07)), "0x07 : Occupancy Sensor"},
    {"FuncNameMissing", STR(Get_Func_Name_Str(0xD2, 0x02)), ""},
    {"TypeName", STR(Get_Type_Name_Str(0xD2, 0x01, 0x00)), "0x00 : Type 0x00"},
    {"TypeNameFirstOfTwo", STR(Get_Type_Name_Str(0xA5, 0x02, 0x05)), "0x05 : Range 0 to 40"},
    {"TypeNameLaterRorg", STR(Get_Type_Name_Str(0xA5, 0x07, 0x01)), "0x01 : Occupancy"},
    {"TypeNameMissing", STR(Get_Type_Name_Str(0xD2, 0x01, 0x01)), ""},
    {"CaseName", STR(Get_Case_Name_Str(0xF6, 2, 1, 0)), "1 -> Pressed"},
    {"CaseNameSecond", STR(Get_Case_Name_Str(0xF6, 2, 1, 1)), "2 -> Released"},
    {"CaseNameCount", STR(Get_Case_Name_Str(0xF6, 2, 1, 2)), ""},
    {"CaseNameNegative", STR(Get_Case_Name_Str(0xF6, 2, 1, -1)), ""},
    {"CaseNameLaterType", STR(Get_Case_Name_Str(0xA5, 2, 5, 1)), "2 -> Second of second"},
};

#undef IDX
#undef STR
#undef OBJ

INSTANTIATE_TEST_SUITE_P(Fixture, Catalog_EnOceanLookup, testing::ValuesIn(kLookups),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Catalog_EnOceanLookupEmpty, NothingFound)
{
    TCatalog_EnOcean Cat;
    EXPECT_EQ(Cat.Get_RorgNum_Index(0), -1);
    EXPECT_EQ(Cat.Get_FuncNum_Index(0, 0), -1);
    EXPECT_EQ(Cat.Get_TypeNum_Index(0, 0, 0), -1);
    EXPECT_EQ(Cat.Get_DataField_Index(0, 0, 0, 0, ""), -1);
    EXPECT_EQ(Cat.Get_CaseObj(0, 0, 0, 0), nullptr);
    EXPECT_EQ(Cat.Get_Rorg_Name_Str(0), "");
    EXPECT_EQ(Cat.Get_Func_Name_Str(0, 0), "");
    EXPECT_EQ(Cat.Get_Type_Name_Str(0, 0, 0), "");
    EXPECT_EQ(Cat.Get_Case_Name_Str(0, 0, 0, 0), "");
}

} // namespace
