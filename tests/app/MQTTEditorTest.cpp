// The MQTT topic editor and the topic-template window: the columns of
// working mode 1, the file round trip with hidden columns, the checks on
// OK, header hints by real column, and the template window on a double
// click with its keyword lists, OK and Cancel.
#include "AppWindows.h"
#include "app/FMQTT_Set_Topic.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/FTopicTemplate.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "core/MQTT_Topics.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/RichEdit.h"
#include <QFile>

using namespace SyntheticInput;

namespace {

const QByteArray Topics =
    "<MQTT_Set_Topic>\n"
    "  <MQTT_Publish>\n"
    "    <row Topic=\"room/1\" Retained=\"Y\" QoS=\"1\" DataType=\"Int\" Dimension=\"2\" Position=\"0\" "
    "IPAddress=\"10.0.0.9\" InputTemplate=\"in\" Template=\"$VALUE$\" OnChange=\"Y\" OnCMD=\"N\" OnTimer=\"Y\" "
    "Time=\"500\" Mnemonic=\"Setpoint &lt;Room 1&gt;\"/>\n"
    "    <row Topic=\"room/2\" Retained=\"N\" QoS=\"0\" DataType=\"Float\" Dimension=\"4\" Position=\"2\" "
    "Mnemonic=\"\"/>\n"
    "  </MQTT_Publish>\n"
    "  <MQTT_Subscribe>\n"
    "    <row Topic=\"cmd/1\" Retained=\"N\" QoS=\"2\" DataType=\"String\" Dimension=\"8\" Position=\"10\" "
    "IPAddress=\"10.0.0.7\" Port=\"502\" EthType=\"TCP\" InputTemplate=\"x\" Template=\"\" Mnemonic=\"c\"/>\n"
    "  </MQTT_Subscribe>\n"
    "</MQTT_Set_Topic>\n"
    "<!--SW_VERSION = 1.000-->\n";

class MQTTEditor : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        Start();
        Conf_Name = QStringLiteral("P1");
        Conf_Dir = Path(QStringLiteral("PROJECTS/P1"));
        Make_Folder(QStringLiteral("PROJECTS/P1/bin"));
        Set_Files();
    }
    void Write_Topics(const QByteArray& Xml) { Write_File(QStringLiteral("PROJECTS/P1/MQTT_Set_Topic.xml"), Xml); }
    QByteArray Saved() const
    {
        QFile f(File_MQTT_Set_Topic);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Opens the editor from its (hidden) step button; Act runs while shown.
    int Open(const std::function<void()>& Act)
    {
        return Open_Step(FRodedoruzoFirmWare->Btn_MQTT_Set_Topic, FMQTT_Set_Topic, Act);
    }
    static TProColumnGrid* Pub() { return FMQTT_Set_Topic->CG_Pub; }
    static TProColumnGrid* Sub() { return FMQTT_Set_Topic->CG_Sub; }
    static void Set_Row(TProColumnGrid* G, int R, const QList<std::pair<int, QString>>& Cells)
    {
        for (const auto& [c, text] : Cells)
            G->SetAllCells(c, R, text);
    }
};

TEST_F(MQTTEditor, ShowsTheColumnsOfWorkingModeOne)
{
    QList<int> pubHidden, subHidden;
    int rows = 0;
    QString caption;
    Open([&] {
        caption = FMQTT_Set_Topic->Caption();
        rows = Pub()->RowCount();
        for (int c = 0; c < Pub_Col_Count; ++c)
            if (Pub()->IsHiddenColumn(c))
                pubHidden << c;
        for (int c = 0; c < Sub_Col_Count; ++c)
            if (Sub()->IsHiddenColumn(c))
                subHidden << c;
        EXPECT_EQ(FMQTT_Set_Topic->PageControl1->ActivePage(), FMQTT_Set_Topic->TS_MQTT_Publish);
    });
    EXPECT_EQ(caption, QStringLiteral("Set MQTT Topics"));
    EXPECT_EQ(rows, 1025);
    EXPECT_EQ(pubHidden, (QList<int>{7, 8, 14, 15, 16}));
    EXPECT_EQ(subHidden, (QList<int>{2, 7, 8, 9, 10, 12, 13}));
}

TEST_F(MQTTEditor, RoundTripKeepsHiddenColumnsAndReadDefaults)
{
    Write_Topics(Topics);
    QStringList seen;
    EXPECT_EQ(Open([&] {
                  seen << Pub()->AllCells(Pub_Col_IP_Address, 1) << Pub()->AllCells(Pub_Col_OnChange, 2)
                       << Pub()->AllCells(Pub_Col_Swap, 1) << Pub()->AllCells(Pub_Col_Channel, 1)
                       << Sub()->AllCells(Sub_Col_Port, 1) << Pub()->Cells(Pub_Col_Mnemonic, 1);
                  FMQTT_Set_Topic->Btn_OK->Click();
              }),
              mrOk);
    EXPECT_EQ(seen, (QStringList{"10.0.0.9", "N", "N", "", "502", "Setpoint <Room 1>"}));
    const QByteArray first = Saved();
    EXPECT_TRUE(first.contains("IPAddress=\"10.0.0.9\" InputTemplate=\"in\"")) << first.toStdString();
    EXPECT_TRUE(first.contains("Port=\"502\" EthType=\"TCP\""));
    EXPECT_TRUE(first.contains("OnChange=\"N\" OnCMD=\"N\" OnTimer=\"N\" Time=\"\""));
    EXPECT_FALSE(first.contains("Swap"));
    EXPECT_EQ(Open([] { FMQTT_Set_Topic->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Saved(), first);
    EXPECT_TRUE(Box_Texts().isEmpty()) << Box_Texts().join('\n').toStdString();
}

TEST_F(MQTTEditor, ChecksOnOkWithTheirMessages)
{
    QFile::remove(File_MQTT_Set_Topic);
    const QList<std::pair<int, QString>> good = {
        {Pub_Col_Topic, "t"}, {Pub_Col_Data_Type, "Int"}, {Pub_Col_Dimension, "2"}, {Pub_Col_Position, "0"}};
    struct TCase {
        const char* Name;
        QList<std::pair<int, QString>> Pub_Changes;
        QList<std::pair<int, QString>> Sub_Row;
        const char* Message;
    } const cases[] = {
        {"IntDimension", {{Pub_Col_Dimension, "3"}}, {},
         "Error row 1!! [MQTT Publish] Dimension must be equal to 1 or 2 or 4 or 8"},
        {"OddDollars", {{Pub_Col_Template, "$VALUE"}}, {},
         "Error row 1!! [MQTT Publish] Template not Correct, Check the Keywords"},
        {"TimerWithoutTime", {{Pub_Col_OnTimer, "Y"}, {Pub_Col_Time, "0"}}, {},
         "Error row 1!! [MQTT Publish] Time(ms) must be between 1 and 1000000000"},
        {"SubscribePosition", {},
         {{Sub_Col_Topic, "s"}, {Sub_Col_Data_Type, "String"}, {Sub_Col_Dimension, "1"}, {Sub_Col_Position, "1440"}},
         "Error row 1!! [MQTT Subscribe] Position must be beetween 0 and 1439"},
        {"EmptyRowAboveData", {{Pub_Col_Topic, ""}, {Pub_Col_Mnemonic, "kept?"}}, {},
         "Error!! Row 1 is empty but rows below it hold data"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FBoxes.Calls.clear();
        EXPECT_EQ(Open([&] {
                      Set_Row(Pub(), 1, good);
                      Set_Row(Pub(), 1, c.Pub_Changes);
                      if (QString(c.Name) == "EmptyRowAboveData")
                          Set_Row(Pub(), 2, {{Pub_Col_Mnemonic, "below"}});
                      Set_Row(Sub(), 1, c.Sub_Row);
                      FMQTT_Set_Topic->Btn_OK->Click();
                  }),
                  mrNone);
        EXPECT_EQ(Box_Texts(), QStringList{QString::fromLatin1(c.Message)});
        EXPECT_FALSE(QFile::exists(File_MQTT_Set_Topic));
    }
}

TEST_F(MQTTEditor, HeaderHintsByRealColumn)
{
    Open([] {
        struct TCase {
            TProColumnGrid* Grid;
            int Row, Real_Col;
            const char* Hint;
        } const cases[] = {
            {Pub(), 0, Pub_Col_Template, "Insert the Template"},
            {Pub(), 0, Pub_Col_Mnemonic, "Description of MQTT Topic"},
            {Sub(), 0, Sub_Col_Template, "Insert the Template"},
            {Sub(), 0, Sub_Col_QoS, "Select the QoS value"},
            {Pub(), 1, Pub_Col_Template, "own"},
        };
        for (const TCase& c : cases) {
            QString hint = QStringLiteral("own");
            c.Grid->OnGridHint(c.Grid, c.Row, c.Grid->RealToDisplCol(c.Real_Col), hint);
            EXPECT_EQ(hint, QString::fromLatin1(c.Hint)) << c.Real_Col;
        }
    });
}

TEST_F(MQTTEditor, TemplateWindowOnDoubleClick)
{
    Write_Topics(Topics);
    struct TCase {
        const char* Name;
        bool Subscribe;
        bool Ok;
        QStringList Keywords;
        QString Cell;
    } const cases[] = {
        {"PublishOk", false, true, {"$VALUE$", "$DESC$", "$TIME$"}, "$VALUE$ at $TIME$"},
        {"PublishCancel", false, false, {"$VALUE$", "$DESC$", "$TIME$"}, "$VALUE$"},
        {"SubscribeOk", true, true, {"$VALUE$"}, "$VALUE$ at $TIME$"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QStringList keywords;
        QString before, caption, after;
        bool readOnly = false;
        Open([&] {
            TFMQTT_Set_Topic* f = FMQTT_Set_Topic;
            TProColumnGrid* g = c.Subscribe ? Sub() : Pub();
            const int col = c.Subscribe ? int(Sub_Col_Template) : int(Pub_Col_Template);
            if (c.Subscribe) {
                f->PageControl1->SetActivePage(f->TS_MQTT_Subscribe);
                g->SetAllCells(col, 1, QStringLiteral("$VALUE$"));
            }
            TScopedModalHook hook([&](const TModalEvent& Event) {
                if (Event.Form != FTopicTemplate)
                    return;
                caption = FTopicTemplate->Caption();
                before = FTopicTemplate->RE_TopicTemplate->Text();
                for (int r = 1; r < FTopicTemplate->SG_Keywords->RowCount(); ++r)
                    keywords << FTopicTemplate->SG_Keywords->Cells(0, r);
                readOnly = FTopicTemplate->SG_Keywords->CellProperties(1, 1)->ReadOnly();
                FTopicTemplate->RE_TopicTemplate->SetText(QStringLiteral("$VALUE$ at $TIME$"));
                (c.Ok ? FTopicTemplate->Btn_OK : FTopicTemplate->Btn_Cancel)->Click();
            });
            g->FocusCell(g->RealToDisplCol(col), 1);
            const TRect r = g->CellRect(g->RealToDisplCol(col), 1);
            DoubleClick(g, TPoint{r.Left + 5, r.Top + 5});
            after = g->AllCells(col, 1);
        });
        EXPECT_EQ(caption, QStringLiteral("Set Template"));
        EXPECT_EQ(before, QStringLiteral("$VALUE$"));
        EXPECT_EQ(keywords, c.Keywords);
        EXPECT_TRUE(readOnly);
        EXPECT_EQ(after, c.Cell);
    }
}

} // namespace
