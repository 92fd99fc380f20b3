// The BACnet object editor: table size from the parameter file, the file
// round trip, damaged and oversized files, the ordered checks on OK, the
// write table's Length, the unit chooser on a double click, and the row
// buttons on the active page.
#include "AppWindows.h"
#include "app/FBACnetSlaveSetAccess.h"
#include "app/FBACnet_Eng_Unit.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/BACnet_Objects.h"
#include "core/ConfigImage.h"
#include "core/Globals.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/WinApi.h"
#include <QFile>

using namespace SyntheticInput;

namespace {

const QByteArray Two_Rows =
    "<BACnet_to_Modbus>\n"
    "  <BACnet_in_Read>\n"
    "    <row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"0\" Bit=\"\" Length=\"4\" "
    "Mnemonic=\"Setpoint &lt;Room 1&gt;\"/>\n"
    "  </BACnet_in_Read>\n"
    "  <BACnet_in_Write>\n"
    "    <row Data_Type=\"Binary Out\" Eng_Unit=\"95\" Position=\"7\" Bit=\"2\" Length=\"\" Swap=\"Y\" "
    "Mnemonic=\"Valve\"/>\n"
    "  </BACnet_in_Write>\n"
    "</BACnet_to_Modbus>\n"
    "<!--SW_VERSION = 1.000-->\n";

class BACnetEditor : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        Start();
        Conf_Name = QStringLiteral("P1");
        Conf_Dir = Path(QStringLiteral("PROJECTS/P1"));
        Make_Folder(QStringLiteral("PROJECTS/P1/bin"));
        Set_Files();
        Opt_Jump_Field_Tables = false;
        Opt_Double_Click_Auto_Size = false;
    }
    void TearDown() override
    {
        Opt_Jump_Field_Tables = false;
        Opt_Double_Click_Auto_Size = false;
        AppWindows::TearDown();
    }

    void Write_Objects(const QByteArray& Xml) { Write_File(QStringLiteral("PROJECTS/P1/BACnet_Slave.xml"), Xml); }
    void Write_Par(const QByteArray& Xml) { Write_File(QStringLiteral("PROJECTS/P1/ParGen.xml"), Xml); }
    QByteArray Objects() const
    {
        QFile f(File_BACnet_Slave);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Opens the editor from the main window's step 4; Act runs while it is
    // shown. Returns the modal result it closed with (mrNone: left open).
    int Open(const std::function<void()>& Act)
    {
        return Open_Step(FRodedoruzoFirmWare->Btn_BACnet_SetAccess, FBACnetSlaveSetAccess, Act);
    }

    static TProColumnGrid* Read() { return FBACnetSlaveSetAccess->CG_BACnet_in_Read; }
    static TProColumnGrid* Write() { return FBACnetSlaveSetAccess->CG_BACnet_in_Write; }
    static void Set_Row(TProColumnGrid* G, int R, const QStringList& Cells)
    {
        for (int c = 0; c < Cells.size(); ++c)
            G->SetAllCells(c + 1, R, Cells[c]);
    }
    static QStringList Row_Of(TProColumnGrid* G, int R)
    {
        QStringList cells;
        for (int c = 1; c < BACnet_Col_Count; ++c)
            cells << G->AllCells(c, R);
        return cells;
    }
};

TEST_F(BACnetEditor, OpensOnStepFourWithTablesSizedByTheParameterFile)
{
    struct TCase {
        const char* Name;
        QByteArray Par;   // empty: no file
        int Rows;
        const char* Message;
    } const cases[] = {
        {"NoParameterFile", "", 2001, nullptr},
        {"ShortDescriptions", "<Par_Gen><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit></Par_Gen>", 2001, nullptr},
        {"LongDescriptions", "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>", 1001, nullptr},
        {"DamagedParameterFile", "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_", 2001, "line 1, column"},
    };
    Write_Objects(Two_Rows);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(File_ParGen);
        if (!c.Par.isEmpty())
            Write_Par(c.Par);
        FBoxes.Calls.clear();
        QString caption, page;
        int readRows = 0, writeRows = 0;
        QString firstType;
        Open([&] {
            caption = FBACnetSlaveSetAccess->Caption();
            page = FBACnetSlaveSetAccess->PageControl1->ActivePage()->Name();
            readRows = Read()->RowCount();
            writeRows = Write()->RowCount();
            firstType = Read()->AllCells(BACnet_Col_Data_Type, 1);
        });
        EXPECT_EQ(caption, QStringLiteral("BACnet Set Access"));
        EXPECT_EQ(page, QStringLiteral("TS_BACnet_in_Read"));
        EXPECT_EQ(readRows, c.Rows);
        EXPECT_EQ(writeRows, c.Rows);
        // The object file is read whatever became of the parameter file.
        EXPECT_EQ(firstType, QStringLiteral("Analog Input"));
        if (c.Message) {
            ASSERT_EQ(Box_Texts().size(), 1);
            EXPECT_TRUE(Box_Texts()[0].contains(QLatin1String(c.Message))) << Box_Texts()[0].toStdString();
            EXPECT_TRUE(Box_Texts()[0].contains(File_ParGen));
        } else {
            EXPECT_TRUE(Box_Texts().isEmpty()) << Box_Texts().join('\n').toStdString();
        }
    }
}

TEST_F(BACnetEditor, RoundTripKeepsTheFileAndMarksTypedRows)
{
    Write_Objects(Two_Rows);
    QString shown;
    EXPECT_EQ(Open([&] {
                  shown = Read()->Cells(BACnet_Col_Mnemonic, 1);
                  FBACnetSlaveSetAccess->Btn_OK->Click();
              }),
              mrOk);
    // The description is plain text, shown as typed.
    EXPECT_EQ(shown, QStringLiteral("Setpoint <Room 1>"));
    const QByteArray first = Objects();
    EXPECT_TRUE(first.contains("Mnemonic=\"Setpoint &lt;Room 1")) << first.toStdString();
    // A row read without Swap comes back with "N"; the other keeps "Y".
    EXPECT_TRUE(first.contains("Length=\"4\" Swap=\"N\" Mnemonic")) << first.toStdString();
    EXPECT_TRUE(first.contains("Length=\"\" Swap=\"Y\" Mnemonic")) << first.toStdString();
    EXPECT_EQ(Open([] { FBACnetSlaveSetAccess->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Objects(), first);

    // A typed row is saved with an empty Swap; Cancel writes nothing.
    EXPECT_EQ(Open([] {
                  Set_Row(Read(), 2, {"Analog Value", "98", "10", "", "2", "", "Typed"});
                  FBACnetSlaveSetAccess->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_TRUE(Objects().contains("Data_Type=\"Analog Value\" Eng_Unit=\"98\" Position=\"10\" Bit=\"\" "
                                   "Length=\"2\" Swap=\"\" Mnemonic=\"Typed\""))
        << Objects().toStdString();
    const QByteArray saved = Objects();
    Open([] { Set_Row(Read(), 3, {"Analog Value", "1", "20", "", "2", "", "Dropped"}); });
    EXPECT_EQ(Objects(), saved);
    EXPECT_TRUE(Box_Texts().isEmpty()) << Box_Texts().join('\n').toStdString();
}

TEST_F(BACnetEditor, DamagedOrOversizedObjectFilesAreReported)
{
    Write_Par("<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    QByteArray many = "<BACnet_to_Modbus><BACnet_in_Read>";
    for (int i = 0; i < 1001; ++i)
        many += "<row Data_Type=\"Analog Input\" Eng_Unit=\"1\" Position=\"" + QByteArray::number(i)
                + "\" Bit=\"\" Length=\"1\" Swap=\"N\" Mnemonic=\"\"/>";
    many += "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>";
    struct TCase {
        const char* Name;
        QByteArray Xml;
        QString Last_Type;   // of read row 1000
        QStringList Messages;
    } const cases[] = {
        {"Damaged", "<BACnet_to_Modbus><BACnet_in_Read>\n<row Data_Type=\"Analog", QString(),
         {"line 2, column", "BACnet_Slave.xml", "OK replaces the file"}},
        {"MoreRowsThanTheTable", many, QStringLiteral("Analog Input"),
         {"Warning!! The file holds more rows than the table: the rows past 1000 were not loaded"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Write_Objects(c.Xml);
        FBoxes.Calls.clear();
        QString last;
        Open([&] { last = Read()->AllCells(BACnet_Col_Data_Type, 1000); });
        EXPECT_EQ(last, c.Last_Type);
        ASSERT_EQ(Box_Texts().size(), 1);
        for (const QString& m : c.Messages)
            EXPECT_TRUE(Box_Texts()[0].contains(m)) << Box_Texts()[0].toStdString();
        // Cancel leaves the file alone.
        EXPECT_EQ(Objects(), c.Xml);
    }
}

TEST_F(BACnetEditor, ChecksOnOkKeepTheWindowOpenWithTheirMessage)
{
    QFile::remove(File_BACnet_Slave);
    struct TCase {
        const char* Name;
        QList<QStringList> Read_Rows;
        QList<QStringList> Write_Rows;
        const char* Message;
    } const cases[] = {
        {"UnitInRowThree",
         {{"Analog Input", "1", "0", "", "1"}, {"Analog Input", "1", "1", "", "1"}, {"Analog Input", "x", "2", "", "1"}},
         {},
         "Error row 3!! [BACnet in Read] Eng. Unit must be between 0 and 65535"},
        {"PositionPastTheArea", {}, {{"Analog Out", "1", "1500", "", "4"}},
         "Error row 1!! [BACnet in Write] Position must be between 0 and 1499"},
        {"AccessDoorLength", {{"Access Door", "1", "3", "", "2"}}, {},
         "Error row 1!! [BACnet in Read] Length with variable \"Access Door\" must be equal to 1"},
        {"EmptyRowAboveData", {{"Analog Input", "1", "0", "", "1"}, {"", "", "", "", "", "", "lost?"}}, {},
         "Error!! Row 2 is empty but rows below it hold data"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FBoxes.Calls.clear();
        EXPECT_EQ(Open([&] {
                      for (int i = 0; i < c.Read_Rows.size(); ++i)
                          Set_Row(Read(), i + 1 + (c.Read_Rows[i][0].isEmpty() ? 1 : 0), c.Read_Rows[i]);
                      for (int i = 0; i < c.Write_Rows.size(); ++i)
                          Set_Row(Write(), i + 1, c.Write_Rows[i]);
                      FBACnetSlaveSetAccess->Btn_OK->Click();
                      EXPECT_TRUE(FBACnetSlaveSetAccess->Visible());
                  }),
                  mrNone);
        EXPECT_EQ(Box_Texts(), QStringList{QString::fromLatin1(c.Message)});
        EXPECT_FALSE(QFile::exists(File_BACnet_Slave));
    }
}

TEST_F(BACnetEditor, WriteTypeChoiceFillsLength)
{
    Open([] {
        Write()->OnComboChange(Write(), BACnet_Col_Data_Type, 1, 5, QStringLiteral("Large Analog Value"));
        Write()->OnComboChange(Write(), BACnet_Col_Data_Type, 2, 2, QStringLiteral("Binary Out"));
        Write()->OnComboChange(Write(), BACnet_Col_Position, 3, 0, QStringLiteral("Analog Out"));
        EXPECT_EQ(Write()->AllCells(BACnet_Col_Length, 1), QStringLiteral("8"));
        EXPECT_EQ(Write()->AllCells(BACnet_Col_Length, 2), QStringLiteral("1"));
        EXPECT_EQ(Write()->AllCells(BACnet_Col_Length, 3), QString());
        // The read table fills no length.
        EXPECT_FALSE(Read()->OnComboChange);
        EXPECT_EQ(Read()->ColumnItem(BACnet_Col_Data_Type)->ComboItems()->Count(), 13);
        EXPECT_EQ(Write()->ColumnItem(BACnet_Col_Data_Type)->ComboItems()->Count(), 10);
        EXPECT_EQ(Read()->ColumnItem(BACnet_Col_Position)->ComboItems()->Count(), 1500);
    });
}

TEST_F(BACnetEditor, DoubleClickOnEngUnitChoosesAUnit)
{
    Write_Objects(Two_Rows);
    struct TCase {
        const char* Name;
        bool Ok;
        const char* Cell;
    } const cases[] = {{"Cancel", false, "62"}, {"Ok", true, "166"}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QString label, cell;
        Open([&] {
            TScopedModalHook chooser([&](const TModalEvent& Event) {
                if (Event.Form != FBACnet_Eng_Unit)
                    return;
                label = FBACnet_Eng_Unit->Label5->Caption();
                FBACnet_Eng_Unit->CB_Select_Type->SetItemIndex(0);
                FBACnet_Eng_Unit->CB_Select_TypeSelect(nullptr);
                FBACnet_Eng_Unit->Btn_Select_Eng_Unit->Click();
                (c.Ok ? FBACnet_Eng_Unit->Btn_OK : FBACnet_Eng_Unit->Btn_Cancel)->Click();
            });
            // A real double click on the cell, through the grid's messages.
            const TRect r = Read()->CellRect(BACnet_Col_Eng_Unit, 1);
            DoubleClick(Read(), TPoint{r.Left + 5, r.Top + 5});
            cell = Read()->AllCells(BACnet_Col_Eng_Unit, 1);
        });
        EXPECT_EQ(label, QStringLiteral("-> degrees-Celsius"));
        EXPECT_EQ(cell, QString::fromLatin1(c.Cell));
    }
}

TEST_F(BACnetEditor, RowButtonsWorkOnTheActivePage)
{
    Write_Objects(Two_Rows);
    Open([&] {
        TFBACnetSlaveSetAccess* f = FBACnetSlaveSetAccess;
        // Copy on the read page, paste on the write page: refused.
        Read()->SetRow(1);
        f->Btn_CopyRow->Click();
        f->PageControl1->SetActivePage(f->TS_BACnet_in_Write);
        Write()->SetRow(2);
        f->Btn_PasteRow->Click();
        EXPECT_EQ(Box_Texts(), QStringList{QStringLiteral("Error!!! Copy a valid row before Paste it")});
        EXPECT_EQ(Write()->AllCells(BACnet_Col_Data_Type, 2), QString());
        // Insert on the write page opens a row there; delete asks first.
        Write()->SetRow(1);
        f->Btn_InsRow->Click();
        EXPECT_EQ(Write()->AllCells(BACnet_Col_Data_Type, 2), QStringLiteral("Binary Out"));
        EXPECT_EQ(Write()->AllCells(BACnet_Col_Data_Type, 1), QString());
        EXPECT_EQ(Read()->AllCells(BACnet_Col_Data_Type, 1), QStringLiteral("Analog Input"));
        FBoxes.Answers = {IDYES};
        f->Btn_DelRow->Click();
        EXPECT_EQ(Box_Texts().last(), QStringLiteral("Are you sure to delete the Row number 1"));
        EXPECT_EQ(Row_Of(Write(), 1), (QStringList{"Binary Out", "95", "7", "2", "", "Y", "Valve"}));
        // Copy and paste within the write table carries the hidden Swap.
        f->Btn_CopyRow->Click();
        Write()->SetRow(3);
        f->Btn_PasteRow->Click();
        EXPECT_EQ(Row_Of(Write(), 3), Row_Of(Write(), 1));
    });
}

// Rows typed in the editor reach the configuration image: the entries of
// a small table, worked out by hand.
TEST_F(BACnetEditor, SavedTablesBuildTheImage)
{
    Write_File("PROJECTS/P1/ParGen.xml", "<Par_Gen><BACnet_Type>0</BACnet_Type></Par_Gen>");
    EXPECT_EQ(Open([] {
                  Set_Row(Read(), 1, {"Analog Input", "62", "4", "", "2", "", "T1"});
                  Set_Row(Write(), 1, {"Binary Out", "95", "9", "5", "", "", "Relay"});
                  FBACnetSlaveSetAccess->Btn_OK->Click();
              }),
              mrOk);
    ASSERT_NO_THROW(Build_Config_Image());
    const QByteArray bank2(reinterpret_cast<const char*>(Bank2_Buf), Bank2_Len);
    auto u32 = [&](int p) {
        return quint32(quint8(bank2[p])) | quint32(quint8(bank2[p + 1])) << 8 | quint32(quint8(bank2[p + 2])) << 16
               | quint32(quint8(bank2[p + 3])) << 24;
    };
    // Analog input first: position 4, unit 62, length 2, read side, row 1.
    EXPECT_EQ(u32(0), 4u);
    EXPECT_EQ(u32(4) & 0xFFFF, 62u);
    EXPECT_EQ(quint8(bank2[6]), 2);
    EXPECT_EQ(quint8(bank2[7]), 0);
    EXPECT_EQ(u32(12) & 0xFFFF, 1u);
    // Then the binary output: position 9, unit 95, write side, row 2, bit 5.
    EXPECT_EQ(u32(16), 9u);
    EXPECT_EQ(u32(20) & 0xFFFF, 95u);
    EXPECT_EQ(quint8(bank2[23]), 1);
    EXPECT_EQ(u32(28) & 0xFFFF, 2u);
    EXPECT_EQ(quint8(bank2[30]), 5);
}

} // namespace
