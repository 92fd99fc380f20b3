// The EnOcean editor's logic: identifier check, tree and detail texts, the
// catalogue choice and the variable dialog's OK check with the changes the
// editor makes afterwards.
#include "core/Catalog_EnOcean.h"
#include "core/EnOcean_Edit.h"
#include "core/Lang.h"
#include "platform/rtl/StringList.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(EnOceanEdit, DeviceIdentifierRange)
{
    const struct {
        const char* Text;
        bool Ok;
    } cases[] = {
        {"0", true}, {"4294967295", true}, {" 25", true}, {"$FF", true}, {"0x181ABCD", true},
        {"+7", true}, {"0XFFFFFFFF", true},
        {"4294967296", false}, {"", false}, {"-1", false}, {"12 ", false}, {"0x", false},
        {"abc", false}, {"99999999999999999999", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Check_Device_ID(QString::fromLatin1(c.Text)), c.Ok) << c.Text;
}

class EnOceanEditCatalog : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Lang_SL)
            Load_Default_Lang();
        ASSERT_TRUE(FCat.Read_Cat_EnOcean_XML(QStringLiteral(STRATAGON_TEST_DATA "/core/images/enocean/eep.xml")));
    }
    void TearDown() override { Clear_Device_List(FList); }

    // The catalogue: A5-02-05 (one case: Temperature, Learn Bit),
    // F6-02-01 (three cases), D2-01-01 (two cases).
    TEEP_Cascade Choose(int R, int F, int T, int Case, int Var, const char* Pos = "10")
    {
        TEEP_Cascade c(&FCat);
        c.Choose_Rorg(R);
        c.Choose_Func(F);
        c.Choose_Type(T);
        c.Choose_Case(Case);
        c.Choose_Variable(Var);
        c.Position = QString::fromLatin1(Pos);
        return c;
    }

    TCatalog_EnOcean FCat;
    TDevice_List FList;
};

QStringList Items(const TStringList* L)
{
    QStringList out;
    for (int i = 0; L && i < L->Count(); ++i)
        out << L->Strings(i);
    return out;
}

TEST_F(EnOceanEditCatalog, CascadeRefillsAndResetsBelowTheChoice)
{
    TEEP_Cascade c(&FCat);
    EXPECT_EQ(Items(c.Rorg_Items()).size(), 3);
    EXPECT_TRUE(Items(c.Func_Items()).isEmpty());
    c.Choose_Rorg(1);
    c.Choose_Func(0);
    c.Choose_Type(0);
    EXPECT_EQ(Items(c.Case_Items()),
              QStringList({"1 -> First action", "2 -> Energy bow", "3 -> Second action"}));
    c.Choose_Case(2);
    EXPECT_EQ(Items(c.Variable_Items()), QStringList({"Rocker 2nd action : 4, 3"}));
    c.Choose_Variable(0);
    c.Position = QStringLiteral("12");
    c.Bit_Start = 5;

    c.Choose_Rorg(0);
    EXPECT_EQ(Items(c.Func_Items()).size(), 1);
    EXPECT_EQ(c.Func_Index(), -1);
    EXPECT_TRUE(Items(c.Type_Items()).isEmpty());
    EXPECT_TRUE(Items(c.Case_Items()).isEmpty());
    EXPECT_TRUE(Items(c.Variable_Items()).isEmpty());
    EXPECT_EQ(c.Position, QString());
    EXPECT_EQ(c.Bit_Start, 0);
    c.Choose_Func(5);   // outside the list
    EXPECT_EQ(c.Func_Index(), -1);
}

TEST_F(EnOceanEditCatalog, PresetFromAVariableAndFromUnknownNumbers)
{
    TRorFunTyp eep;
    eep.FRorgNum = 0xF6;
    eep.FFuncNum = 2;
    eep.FTypeNum = 1;
    TVarEnOcean var;
    var.FCaseIndex = 1;
    var.FData = QStringLiteral("Energy Bow");
    var.FPosition = 21;
    var.FBitStart = 6;
    TEEP_Cascade c(&FCat);
    c.Preset(eep, &var);
    EXPECT_EQ((std::vector<int>{c.Rorg_Index(), c.Func_Index(), c.Type_Index(), c.Case_Index(), c.Variable_Index()}),
              (std::vector<int>{1, 0, 0, 1, 0}));
    EXPECT_EQ(c.Position, QStringLiteral("21"));
    EXPECT_EQ(c.Bit_Start, 6);

    // A profile the catalogue lacks selects nothing from there down.
    eep.FTypeNum = 9;
    c.Preset(eep, &var);
    EXPECT_EQ(c.Rorg_Index(), 1);
    EXPECT_EQ(c.Func_Index(), 0);
    EXPECT_EQ(c.Type_Index(), -1);
    EXPECT_EQ(c.Case_Index(), -1);
    EXPECT_EQ(c.Data_Field(), nullptr);
    eep.FRorgNum = 0x11;
    c.Preset(eep);
    EXPECT_EQ(c.Rorg_Index(), -1);
    EXPECT_TRUE(Items(c.Func_Items()).isEmpty());
}

// Smart ACK EEPs take the RORG and FUNC at catalogue positions 3 and 9.
TEST(EnOceanEditSmartAck, PresetKeepsTheOnlyRorgAndFunc)
{
    // RORGs 0x01, 0x02, 0x03, 0xD2; 0xD2 holds FUNCs 0x00 to 0x09, and FUNC
    // 0x09 a TYPE 0x01 with one case holding the field "Out".
    QByteArray xml = "<profile>";
    for (const char* r : {"0x01", "0x02", "0x03"})
        xml += QByteArray("<rorg><number>") + r + "</number><title>R</title></rorg>";
    xml += "<rorg><number>0xD2</number><title>VLD</title>";
    for (int f = 0; f <= 9; ++f) {
        xml += "<func><number>0x0" + QByteArray::number(f) + "</number><title>F</title>";
        if (f == 9)
            xml += "<type><number>0x01</number><title>T</title><case><title>C</title>"
                   "<datafield><data>Out</data><bitoffs>8</bitoffs><bitsize>8</bitsize></datafield></case></type>";
        xml += "</func>";
    }
    xml += "</rorg></profile>";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eep.xml"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(xml);
    }
    TCatalog_EnOcean cat;
    ASSERT_TRUE(cat.Read_Cat_EnOcean_XML(path));

    TRorFunTyp eep;
    eep.FRorgNum = 0xD2;
    eep.FFuncNum = 9;
    eep.FTypeNum = 1;
    TVarEnOcean var;
    var.FData = QStringLiteral("Out");
    var.FPosition = 40;
    var.FBitStart = 2;
    const struct {
        const char* Name;
        int Rorg, Func;
        std::vector<int> Indexes;   // RORG, FUNC, TYPE, case, field
        const char* Position;
    } cases[] = {
        {"ItsOwnProfile", 0xD2, 9, {3, 9, 0, 0, 0}, "40"},
        {"OtherFunc", 0xD2, 1, {3, 9, -1, -1, -1}, ""},
        {"OtherRorg", 0x02, 9, {3, 9, -1, -1, -1}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        eep.FRorgNum = c.Rorg;
        eep.FFuncNum = c.Func;
        TEEP_Cascade choice(&cat);
        choice.Preset_SAck(eep, &var);
        EXPECT_EQ((std::vector<int>{choice.Rorg_Index(), choice.Func_Index(), choice.Type_Index(),
                                    choice.Case_Index(), choice.Variable_Index()}),
                  c.Indexes);
        EXPECT_EQ(choice.Position, QString::fromLatin1(c.Position));
    }
}

TEST_F(EnOceanEditCatalog, TreeAndDetailTexts)
{
    TRorFunTyp eep;
    eep.FRorgNum = 0xA5;
    eep.FFuncNum = 2;
    eep.FTypeNum = 5;
    TVarEnOcean var;
    var.FData = QStringLiteral("Temperature");
    var.FPosition = -5;
    var.FBitStart = 3;
    EXPECT_EQ(EEP_Root_Text(0), QStringLiteral("Unidirectional - EEP List"));
    EXPECT_EQ(EEP_Root_Text(1), QStringLiteral("Smart ACK - EEP List"));
    EXPECT_EQ(EEP_Node_Text(eep), QStringLiteral("EEP - RORG : 0xA5 FUNC : 0x02 TYPE : 0x05"));
    EXPECT_EQ(Variable_Node_Text(var), QStringLiteral("Variable - Temperature"));
    EXPECT_EQ(EEP_Var_Details(&FCat, &eep, &var),
              QStringList({"", "0xA5 : 4BS Telegram", "0x02 : Temperature Sensors",
                           "0x05 : Temperature Sensor Range 0C to +40C", "", "1 -> Temperature",
                           "Temperature", "-5", "3"}));
    EXPECT_EQ(EEP_Var_Details(&FCat, &eep, nullptr).mid(4), QStringList(5));
    EXPECT_EQ(EEP_Var_Details(&FCat, nullptr, nullptr), QStringList(9));
}

TRorFunTyp* Add_EEP(TDevice_EnOcean& D, int Uni_SAck, int R, int F, int T)
{
    auto* e = new TRorFunTyp;
    e->FRorgNum = R;
    e->FFuncNum = F;
    e->FTypeNum = T;
    D.EEP_List(Uni_SAck).push_back(e);
    return e;
}

void Add_Vars(TRorFunTyp* E, int Case, std::initializer_list<const char*> Names)
{
    for (const char* name : Names) {
        auto* v = new TVarEnOcean;
        v->FCaseIndex = Case;
        v->FData = QString::fromLatin1(name);
        E->VariableList.push_back(v);
    }
}

TEST_F(EnOceanEditCatalog, VariableCheckMessages)
{
    // Four EEPs: unidirectional A5-02-05 {Temperature, Learn Bit} and
    // F6-02-01 {Energy Bow in case 2}; Smart ACK 02-02-02 and 03-03-03.
    auto* dev = new TDevice_EnOcean;
    FList.push_back(dev);
    Add_Vars(Add_EEP(*dev, 0, 0xA5, 2, 5), 0, {"Temperature", "Learn Bit"});
    Add_Vars(Add_EEP(*dev, 0, 0xF6, 2, 1), 1, {"Energy Bow"});
    Add_EEP(*dev, 1, 2, 2, 2);
    Add_EEP(*dev, 1, 3, 3, 3);
    auto* small = new TDevice_EnOcean;
    FList.push_back(small);
    Add_EEP(*small, 0, 0xA5, 2, 5);

    const QString ok, full = QStringLiteral("Error!! No more space for EEP"),
                      dup = QStringLiteral("Error!! Variable already inserted in EEP"),
                      incomplete = QStringLiteral("Error!! Select a RORG, FUNC, TYPE, Case and Variable"),
                      position = QStringLiteral("Error!! Position must be an integer not below 0");
    const TVariable_Edit add{}, add_sack{1, 0, 0, -1, -1};
    const struct {
        const char* Name;
        TDevice_EnOcean* Dev;
        int R, F, T, Case, Var;
        const char* Pos;
        TVariable_Edit Edit;
        QString Message;
        int EEP_Index;
    } cases[] = {
        {"NewVariableInItsEEP", dev, 1, 0, 0, 2, 0, "10", add, ok, 1},
        {"SameFieldTwice", dev, 0, 0, 0, 0, 0, "10", add, dup, 0},
        {"FifthEEP", dev, 2, 0, 0, 0, 0, "10", add, full, -1},
        {"FifthEEPInSmartAckList", dev, 0, 0, 0, 0, 0, "10", add_sack, full, -1},
        {"NewEEPBelowTheLimit", small, 2, 0, 0, 1, 0, "0", add, ok, -1},
        {"SameFieldInAnotherDevice", small, 0, 0, 0, 0, 0, "0", add, ok, 0},
        {"NoVariable", dev, 1, 0, 0, 2, -1, "10", add, incomplete, -1},
        {"NoType", dev, 1, 0, -1, -1, -1, "10", add, incomplete, -1},
        {"NegativePosition", dev, 1, 0, 0, 2, 0, "-1", add, position, -1},
        {"PositionNotANumber", dev, 1, 0, 0, 2, 0, "1x", add, position, -1},
        {"EmptyPosition", dev, 1, 0, 0, 2, 0, "", add, position, -1},
        {"ModifiedVariableKeepsItsField", dev, 0, 0, 0, 0, 0, "4", {0, 1, 1, 0, 0}, ok, 0},
        {"ModifiedVariableTakesAnotherOnesField", dev, 0, 0, 0, 0, 1, "4", {0, 1, 1, 0, 0}, dup, 0},
        {"ModifiedEEPTakesANewProfile", dev, 2, 0, 0, -1, -1, "", {0, 1, 0, 1, -1}, ok, -1},
        {"ModifiedEEPTakesItsOwnProfile", dev, 1, 0, 0, -1, -1, "", {0, 1, 0, 1, -1}, ok, -1},
        {"ModifiedEEPTakesAnotherOnesProfile", dev, 0, 0, 0, -1, -1, "", {0, 1, 0, 1, -1}, ok, 0},
        {"ModifiedEEPWithoutType", dev, 2, 0, -1, -1, -1, "", {0, 1, 0, 1, -1}, incomplete, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TEEP_Cascade choice = Choose(c.R, c.F, c.T, c.Case, c.Var, c.Pos);
        int eep_index = 99;
        EXPECT_EQ(Check_Variable_Choice(*c.Dev, choice, c.Edit, eep_index), c.Message);
        if (c.Message.isEmpty()) {
            EXPECT_EQ(eep_index, c.EEP_Index);
        }
    }
}

TEST_F(EnOceanEditCatalog, AddAndModifyThroughTheChoice)
{
    auto* dev = new TDevice_EnOcean;
    FList.push_back(dev);
    // A new profile makes a new EEP; the next variable of it joins that EEP.
    EXPECT_EQ(Add_Variable(*dev, 0, -1, Choose(1, 0, 0, 2, 0, "22")), 0);
    TEEP_Cascade second = Choose(1, 0, 0, 0, 0, "abc");
    second.Bit_Start = 7;
    EXPECT_EQ(Add_Variable(*dev, 0, 0, second), 0);
    ASSERT_EQ(dev->UnidirectionalList.size(), 1u);
    const TRorFunTyp* eep = dev->UnidirectionalList[0];
    EXPECT_EQ(EEP_Node_Text(*eep), QStringLiteral("EEP - RORG : 0xF6 FUNC : 0x02 TYPE : 0x01"));
    ASSERT_EQ(eep->VariableList.size(), 2u);
    const TVarEnOcean* v = eep->VariableList[1];
    EXPECT_EQ(QStringList({v->FData, QString::number(v->FCaseIndex), QString::number(v->FBitOffs),
                           QString::number(v->FBitSize), QString::number(v->FPosition),
                           QString::number(v->FBitStart)}),
              QStringList({"Rocker 1st action", "0", "0", "3", "0", "7"}));
    EXPECT_EQ(eep->VariableList[0]->FPosition, 22);

    // Modifying the profile with "remove the variables" answered Yes.
    Modify_EEP(*dev->UnidirectionalList[0], Choose(2, 0, 0, -1, -1), true);
    EXPECT_EQ(EEP_Node_Text(*eep), QStringLiteral("EEP - RORG : 0xD2 FUNC : 0x01 TYPE : 0x01"));
    EXPECT_TRUE(eep->VariableList.empty());

    Add_Variable(*dev, 1, -1, Choose(0, 0, 0, 0, 1));
    Remove_Variable(*dev->SmartACKList[0], 0);
    EXPECT_TRUE(dev->SmartACKList[0]->VariableList.empty());
    Remove_EEP(*dev, 0, 0);
    Remove_EEP(*dev, 0, 3);   // no such EEP
    EXPECT_TRUE(dev->UnidirectionalList.empty());
    EXPECT_EQ(dev->EEP_Count(), 1);
}

} // namespace
