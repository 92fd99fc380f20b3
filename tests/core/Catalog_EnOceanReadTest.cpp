#include "core/Catalog_EnOcean.h"
#include "platform/rtl/StringList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

const QString kEnOceanFixture = QStringLiteral(STRATAGON_TEST_DATA "/core/catalog/catalog.xml");
const QString kSample = QStringLiteral(STRATAGON_TEST_DATA "/../../core/data/CAT_EnOcean/eep.xml");

QStringList Texts(const TStringList* List)
{
    return List->ToStringList();
}

// Writes Xml to a file in Dir and reads it into Cat.
bool ReadXml(const QTemporaryDir& Dir, const QString& Xml, TCatalog_EnOcean& Cat)
{
    const QString Path = Dir.filePath(QStringLiteral("eep.xml"));
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    File.write(Xml.toUtf8());
    File.close();
    return Cat.Read_Cat_EnOcean_XML(Path);
}

QString Hex(int n)
{
    return QString::number(n, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

// The tree as "RORG(FUNC(TYPE[fields of each case]))", checking on the way
// that every display list runs in step with its object list.
QString Summary(const TCatalog_EnOcean& Cat)
{
    QStringList Rorgs;
    EXPECT_EQ(Cat.Rorg_SL->Count(), int(Cat.List_Rorg.size()));
    for (const TRorg* Rorg : Cat.List_Rorg) {
        EXPECT_EQ(Rorg->Func_SL->Count(), int(Rorg->List_Func.size()));
        QStringList Funcs;
        for (const TFunc* Func : Rorg->List_Func) {
            EXPECT_EQ(Func->Type_SL->Count(), int(Func->List_Type.size()));
            QStringList Types;
            for (const TType* Type : Func->List_Type) {
                EXPECT_EQ(Type->Case_SL->Count(), int(Type->List_Case.size()));
                QStringList Cases;
                for (const TCase* Case : Type->List_Case) {
                    EXPECT_EQ(Case->DataField_SL->Count(), int(Case->List_DataField.size()));
                    Cases << QString::number(Case->List_DataField.size());
                }
                Types << Hex(Type->Number()) + "[" + Cases.join(' ') + "]";
            }
            Funcs << Hex(Func->Number()) + "(" + Types.join(',') + ")";
        }
        Rorgs << Hex(Rorg->Number()) + "(" + Funcs.join(',') + ")";
    }
    return Rorgs.join(',');
}

// The shipped fixture

TEST(Catalog_EnOceanRead, FixtureDisplayTexts)
{
    TCatalog_EnOcean Cat;
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(kEnOceanFixture));

    EXPECT_EQ(Texts(Cat.Rorg_SL), (QStringList{"0xF6 : RPS Telegram", "0xD2 : VLD Telegram",
                                               "0xA5 : 4BS Telegram", "0xA5 : 4BS Telegram, more"}));
    const TRorg* F6 = Cat.List_Rorg[0];
    EXPECT_EQ(F6->Number(), 0xF6);
    EXPECT_EQ(Texts(F6->Func_SL), QStringList{"0x02 : Rocker Switch, 2 Rocker"});
    const TType* F60201 = F6->List_Func[0]->List_Type[0];
    EXPECT_EQ(Texts(F6->List_Func[0]->Type_SL), QStringList{"0x01 : Application Style 1"});
    EXPECT_EQ(Texts(F60201->Case_SL), (QStringList{"1 -> Pressed", "2 -> Released"}));
    // The reserved field between "Energy bow" and "2nd action" is left out.
    EXPECT_EQ(Texts(F60201->List_Case[0]->DataField_SL),
              (QStringList{"Rocker 1st action : 0, 3", "Energy bow : 3, 1", "2nd action : 7, 1"}));

    const TDataField* R1 = F60201->List_Case[0]->List_DataField[0];
    EXPECT_EQ(R1->Data(), "Rocker 1st action");
    EXPECT_EQ(R1->Shortcut(), "R1");
    EXPECT_EQ(R1->Description(), "First rocker");
    EXPECT_EQ(R1->Info(), "0: AI, 1: A0");
    EXPECT_EQ(R1->BitOffs(), 0);
    EXPECT_EQ(R1->BitSize(), 3);

    // "165" and "0x2" are numbers like "0xA5" and "0x02".
    const TRorg* A5 = Cat.List_Rorg[2];
    EXPECT_EQ(A5->Number(), 0xA5);
    EXPECT_EQ(Texts(A5->Func_SL), QStringList{"0x02 : Temperature Sensors"});
    EXPECT_EQ(Texts(A5->List_Func[0]->Type_SL),
              (QStringList{"0x05 : Range 0 to 40", "0x05 : Range 0 to 40, second entry"}));
    // Description and info that hold markup read as empty; the field stays.
    const TDataField* Tmp = A5->List_Func[0]->List_Type[0]->List_Case[0]->List_DataField[0];
    EXPECT_EQ(Tmp->Data(), "Temperature");
    EXPECT_EQ(Tmp->Description(), "");
    EXPECT_EQ(Tmp->Info(), "");
    EXPECT_EQ(Tmp->BitOffs(), 16);
    EXPECT_EQ(Tmp->BitSize(), 8);

    EXPECT_EQ(Summary(Cat), "F6(02(01[3 1])),D2(01(00[1 2])),A5(02(05[1],05[1 1])),A5(07(01[1]))");
}

struct IdCase {
    const char* name;
    int rorg, func, type, caseNum;
    int id, offset, size;
};

void PrintTo(const IdCase& c, std::ostream* os) { *os << c.name; }

class Catalog_EnOceanFixtureIds : public testing::TestWithParam<IdCase> {};

TEST_P(Catalog_EnOceanFixtureIds, CaseIdentification)
{
    const IdCase& c = GetParam();
    TCatalog_EnOcean Cat;
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(kEnOceanFixture));
    const TCase* Case = Cat.Get_CaseObj(c.rorg, c.func, c.type, c.caseNum);
    ASSERT_NE(Case, nullptr);
    EXPECT_EQ(Case->CaseId(), c.id);
    EXPECT_EQ(Case->CaseIdOffset(), c.offset);
    EXPECT_EQ(Case->CaseIdSize(), c.size);
}

const IdCase kFixtureIds[] = {
    {"RpsTwoStatusFields", 0xF6, 2, 1, 0, 48, 0, 0},
    {"RpsStatusValueZeroAddsNothing", 0xF6, 2, 1, 1, 32, 0, 0},
    {"VldConditionField", 0xD2, 1, 0, 0, 1, 4, 4},
    {"VldSecondCase", 0xD2, 1, 0, 1, 3, 4, 4},
    {"OtherRorgIgnoresCondition", 0xA5, 2, 5, 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Fixture, Catalog_EnOceanFixtureIds, testing::ValuesIn(kFixtureIds),
                         [](const auto& info) { return std::string(info.param.name); });

// Case identification from inline conditions

struct ConditionCase {
    const char* name;
    int rorg;
    const char* condition;
    int id, offset, size;
};

void PrintTo(const ConditionCase& c, std::ostream* os) { *os << c.name; }

class Catalog_EnOceanCondition : public testing::TestWithParam<ConditionCase> {};

TEST_P(Catalog_EnOceanCondition, Identification)
{
    const ConditionCase& c = GetParam();
    QTemporaryDir Dir;
    TCatalog_EnOcean Cat;
    const QString Xml = QStringLiteral("<profile><rorg><number>%1</number><func><number>1</number>"
                                       "<type><number>1</number><case><title>c</title>%2"
                                       "<datafield><data>d</data></datafield></case></type>"
                                       "</func></rorg></profile>")
                            .arg(c.rorg)
                            .arg(QString::fromUtf8(c.condition));
    ASSERT_TRUE(ReadXml(Dir, Xml, Cat));
    const TCase* Case = Cat.Get_CaseObj(c.rorg, 1, 1, 0);
    ASSERT_NE(Case, nullptr);
    EXPECT_EQ(Case->CaseId(), c.id);
    EXPECT_EQ(Case->CaseIdOffset(), c.offset);
    EXPECT_EQ(Case->CaseIdSize(), c.size);
}

#define SF(v, o, s) "<statusfield><value>" #v "</value><bitoffs>" #o "</bitoffs><bitsize>" #s "</bitsize></statusfield>"
#define DF(v, o, s) "<datafield><value>" #v "</value><bitoffs>" #o "</bitoffs><bitsize>" #s "</bitsize></datafield>"

const ConditionCase kConditions[] = {
    {"RpsNoCondition", 0xF6, "", 0, 0, 0},
    {"RpsBitSizeZeroAddsNothing", 0xF6, "<condition>" SF(1, 2, 0) SF(1, 3, 1) "</condition>", 16, 0, 0},
    {"RpsValueShiftedByBitOffset", 0xF6, "<condition>" SF(3, 6, 2) "</condition>", 6, 0, 0},
    // A missing number keeps the one of the previous status field.
    {"RpsMissingNumbersAreHeld", 0xF6,
     "<condition>" SF(1, 4, 1) "<statusfield><value>2</value></statusfield></condition>", 24, 0, 0},
    // With value 0 the bit offset 1 is not read, so the last field uses 4.
    {"RpsOffsetNotReadForValueZero", 0xF6,
     "<condition>" SF(1, 4, 1) SF(0, 1, 1) "<statusfield><value>1</value></statusfield></condition>",
     16, 0, 0},
    {"RpsNumbersCutToEightBits", 0xF6, "<condition>" SF(0x101, 0x102, 0x101) "</condition>", 32, 0, 0},
    // 7 - 9 in eight bits is 254; its low five bits shift by 30.
    {"RpsShiftCountLowFiveBits", 0xF6, "<condition>" SF(1, 9, 1) "</condition>", 1 << 30, 0, 0},
    {"RpsShiftIntoSignBit", 0xF6, "<condition>" SF(1, 8, 1) "</condition>", INT32_MIN, 0, 0},
    {"RpsSecondConditionStartsOver", 0xF6,
     "<condition>" SF(1, 2, 1) "</condition><condition>" SF(1, 3, 1) "</condition>", 16, 0, 0},
    {"RpsIgnoresDataFields", 0xF6, "<condition>" DF(3, 4, 4) "</condition>", 0, 0, 0},
    {"VldDataField", 0xD2, "<condition>" DF(3, 4, 4) "</condition>", 3, 4, 4},
    {"VldLastDataFieldWins", 0xD2, "<condition>" DF(3, 4, 4) DF(5, 0x10, 8) "</condition>", 5, 16, 8},
    {"VldMissingNumbersKeepEarlier", 0xD2,
     "<condition>" DF(3, 4, 4) "<datafield><value>7</value></datafield></condition>", 7, 4, 4},
    {"VldFullWidthNumbers", 0xD2, "<condition>" DF(0x12345678, 300, -1) "</condition>", 0x12345678, 300, -1},
    {"VldIgnoresStatusFields", 0xD2, "<condition>" SF(1, 2, 1) "</condition>", 0, 0, 0},
    {"OtherRorgAllZero", 0xA5, "<condition>" SF(1, 2, 1) DF(3, 4, 4) "</condition>", 0, 0, 0},
};

#undef SF
#undef DF

INSTANTIATE_TEST_SUITE_P(Inline, Catalog_EnOceanCondition, testing::ValuesIn(kConditions),
                         [](const auto& info) { return std::string(info.param.name); });

// What enters the tree and what the reader returns

struct TreeCase {
    const char* name;
    const char* body;   // inside <profile>
    bool result;
    const char* summary;
};

void PrintTo(const TreeCase& c, std::ostream* os) { *os << c.name; }

class Catalog_EnOceanTree : public testing::TestWithParam<TreeCase> {};

TEST_P(Catalog_EnOceanTree, ResultAndContent)
{
    const TreeCase& c = GetParam();
    QTemporaryDir Dir;
    TCatalog_EnOcean Cat;
    const QString Xml = "<profile>" + QString::fromUtf8(c.body) + "</profile>";
    EXPECT_EQ(ReadXml(Dir, Xml, Cat), c.result);
    EXPECT_EQ(Summary(Cat), c.summary);
}

#define BAD "<x/>"
#define CASE_OK "<case><title>ok</title></case>"
#define CASE_BAD "<case><title>" BAD "</title></case>"

const TreeCase kTrees[] = {
    {"EmptyProfile", "", true, ""},
    {"RorgWithoutChildren", "<rorg><number>0xF6</number></rorg>", true, "F6()"},
    {"MissingNumberIsZero", "<rorg><title>t</title></rorg>", true, "00()"},
    {"NumberBlanks", "<rorg><number> 16</number></rorg><rorg><number>0x10 </number></rorg>", true,
     "10(),00()"},
    {"CommentsAndUnknownElementsSkipped",
     "<!-- c --><rorg><!-- c --><number>5</number><misc><func><number>2</number></func></misc></rorg><other/>",
     true, "05()"},
    {"BadRorgTitleDropsRorg", "<rorg><number>1</number></rorg><rorg><title>" BAD "</title></rorg>",
     false, "01()"},
    {"FailedLastRorgLeavesEarlierOnes",
     "<rorg><number>1</number></rorg><rorg><number>2</number><func><number>" BAD "</number></func></rorg>",
     false, "01()"},
    {"FailedFuncNotLastKeepsRorg",
     "<rorg><number>2</number><func><number>" BAD "</number></func><func><number>3</number></func></rorg>",
     true, "02(03())"},
    {"TypeKeptWhenItsLastCaseFails",
     "<rorg><number>1</number><func><number>1</number><type><number>1</number>" CASE_OK CASE_BAD
     "</type><type><number>2</number>" CASE_OK "</type></func></rorg>",
     true, "01(01(01[0],02[0]))"},
    {"FailedLastTypeFailsFuncAndRorg",
     "<rorg><number>1</number><func><number>1</number><type><number>1</number>" CASE_BAD
     "</type></func></rorg>",
     false, ""},
    {"FailedCaseNotLastIsDropped",
     "<rorg><number>1</number><func><number>1</number><type><number>1</number>" CASE_BAD CASE_OK
     "</type></func></rorg>",
     true, "01(01(01[0]))"},
    {"BadConditionNumberDropsCase",
     "<rorg><number>0xF6</number><func><number>1</number><type><number>1</number>" CASE_OK
     "<case><condition><statusfield><value>" BAD "</value></statusfield></condition></case>"
     "</type><type><number>2</number>" CASE_OK "</type></func></rorg>",
     true, "F6(01(01[0],02[0]))"},
    {"ReservedAndBadDataFieldsDroppedCaseKept",
     "<rorg><number>1</number><func><number>1</number><type><number>1</number><case>"
     "<datafield><data>a</data></datafield>"
     "<datafield><reserved/><data>r</data></datafield>"
     "<datafield><data>b</data><bitoffs>" BAD "</bitoffs></datafield>"
     "<datafield><data>c</data></datafield>"
     "</case></type></func></rorg>",
     true, "01(01(01[2]))"},
};

#undef BAD
#undef CASE_OK
#undef CASE_BAD

INSTANTIATE_TEST_SUITE_P(Inline, Catalog_EnOceanTree, testing::ValuesIn(kTrees),
                         [](const auto& info) { return std::string(info.param.name); });

// Files

TEST(Catalog_EnOceanRead, FileProblems)
{
    QTemporaryDir Dir;
    {
        TCatalog_EnOcean Cat;
        EXPECT_FALSE(Cat.Read_Cat_EnOcean_XML(Dir.filePath("missing.xml")));
        EXPECT_TRUE(Cat.List_Rorg.empty());
    }
    {
        TCatalog_EnOcean Cat;
        EXPECT_FALSE(Cat.Read_Cat_EnOcean_XML(Dir.path()));
        EXPECT_TRUE(Cat.List_Rorg.empty());
    }
    {
        TCatalog_EnOcean Cat;
        EXPECT_FALSE(ReadXml(Dir, "<profile><rorg><number>1</number></rorg>", Cat));
        EXPECT_TRUE(Cat.List_Rorg.empty());
    }
    {
        // Another root element: nothing to read, and no failure.
        TCatalog_EnOcean Cat;
        EXPECT_TRUE(ReadXml(Dir, "<?xml version=\"1.0\"?><catalog><rorg><number>1</number></rorg></catalog>", Cat));
        EXPECT_TRUE(Cat.List_Rorg.empty());
        EXPECT_EQ(Cat.Rorg_SL->Count(), 0);
    }
}

TEST(Catalog_EnOceanRead, SecondReadAppends)
{
    TCatalog_EnOcean Cat;
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(kEnOceanFixture));
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(kEnOceanFixture));
    EXPECT_EQ(Cat.List_Rorg.size(), 8u);
    EXPECT_EQ(Cat.Rorg_SL->Count(), 8);
    EXPECT_EQ(Cat.Get_RorgNum_Index(0xF6), 0);
}

// The catalogue shipped with the program

TEST(Catalog_EnOceanRead, ShippedSample)
{
    TCatalog_EnOcean Cat;
    ASSERT_TRUE(Cat.Read_Cat_EnOcean_XML(kSample));

    int Funcs = 0, Types = 0, Cases = 0, Fields = 0;
    for (const TRorg* Rorg : Cat.List_Rorg)
        for (const TFunc* Func : Rorg->List_Func) {
            ++Funcs;
            for (const TType* Type : Func->List_Type) {
                ++Types;
                for (const TCase* Case : Type->List_Case) {
                    ++Cases;
                    Fields += int(Case->List_DataField.size());
                }
            }
        }
    EXPECT_EQ(Cat.List_Rorg.size(), 4u);
    EXPECT_EQ(Funcs, 14);
    EXPECT_EQ(Types, 19);
    EXPECT_EQ(Cases, 32);
    EXPECT_EQ(Fields, 137);

    const int Profiles[][3] = {
        {0xF6, 0x02, 0x01}, {0xF6, 0x02, 0x02}, {0xF6, 0x10, 0x00}, {0xD5, 0x00, 0x01},
        {0xA5, 0x02, 0x05}, {0xA5, 0x02, 0x13}, {0xA5, 0x04, 0x01}, {0xA5, 0x04, 0x02},
        {0xA5, 0x06, 0x01}, {0xA5, 0x07, 0x01}, {0xA5, 0x08, 0x01}, {0xA5, 0x09, 0x04},
        {0xA5, 0x10, 0x03}, {0xA5, 0x10, 0x06}, {0xA5, 0x12, 0x01}, {0xA5, 0x20, 0x01},
        {0xD2, 0x01, 0x00}, {0xD2, 0x01, 0x01}, {0xD2, 0x05, 0x00},
    };
    for (const auto& p : Profiles) {
        SCOPED_TRACE(Cat.Get_Type_Name_Str(p[0], p[1], p[2]).toStdString());
        EXPECT_GE(Cat.Get_TypeNum_Index(p[0], p[1], p[2]), 0);
        EXPECT_NE(Cat.Get_CaseObj(p[0], p[1], p[2], 0), nullptr);
    }

    EXPECT_EQ(Cat.Get_CaseObj(0xF6, 0x02, 0x01, 0)->CaseId(), 48);
    EXPECT_EQ(Cat.Get_CaseObj(0xF6, 0x02, 0x01, 1)->CaseId(), 32);
    const TCase* Status = Cat.Get_CaseObj(0xD2, 0x01, 0x00, 2);
    EXPECT_EQ(Status->Title(), "CMD 0x4 - Actuator Status Response");
    EXPECT_EQ(Status->CaseId(), 4);
    EXPECT_EQ(Status->CaseIdOffset(), 4);
    EXPECT_EQ(Status->CaseIdSize(), 4);
    // Every VLD case is told by its own command, where its "Command ID" field is.
    const TRorg* Vld = Cat.List_Rorg[Cat.Get_RorgNum_Index(0xD2)];
    for (const TFunc* Func : Vld->List_Func)
        for (const TType* Type : Func->List_Type) {
            QList<int> Ids;
            for (const TCase* Case : Type->List_Case) {
                SCOPED_TRACE(Case->Title().toStdString());
                const auto Cmd = std::find_if(Case->List_DataField.begin(), Case->List_DataField.end(),
                                              [](const TDataField* f) { return f->Data() == "Command ID"; });
                ASSERT_NE(Cmd, Case->List_DataField.end());
                EXPECT_EQ(Case->CaseIdOffset(), (*Cmd)->BitOffs());
                EXPECT_EQ(Case->CaseIdSize(), (*Cmd)->BitSize());
                EXPECT_FALSE(Ids.contains(Case->CaseId()));
                Ids << Case->CaseId();
            }
        }
    EXPECT_EQ(Cat.Get_CaseObj(0xD2, 0x05, 0x00, 4)->CaseIdOffset(), 36);
    const int Tmp = Cat.Get_DataField_Index(0xA5, 0x02, 0x05, 0, "Temperature");
    ASSERT_GE(Tmp, 0);
    const TDataField* Field = Cat.Get_CaseObj(0xA5, 0x02, 0x05, 0)->List_DataField[Tmp];
    EXPECT_EQ(Field->BitOffs(), 16);
    EXPECT_EQ(Field->BitSize(), 8);
}

} // namespace
