// The integrator's road of WalkThroughTest once more, under a real X
// server with xdotool: mouse clicks and key presses and releases sent apart,
// a click on the main window while each dialog is open, Enter on the
// refusal boxes, the real message boxes and save dialog. The files it
// leaves are checked against the same expectations.
#include "AppWindows.h"
#include "WalkRoad.h"
#include "XWalk.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "grid/core/GridEditors.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/services/IcmpEcho.h"
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTabBar>
#include <thread>

namespace {

class XWalk : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        // The real message boxes and the system clock.
        FBoxScope.reset();
        SetClock(nullptr);
        WalkRoad::Prepare_Program_Folder(FDir.path());
        if (TIcmpEcho().Ping(QStringLiteral("127.0.0.1"), "probe").Status == TEchoStatus::esError)
            SetIcmpEchoFactory([] { return std::make_unique<TFakeIcmpEcho>(); });
    }
    void TearDown() override
    {
        SetIcmpEchoFactory(nullptr);
        AppWindows::TearDown();
    }

    template <typename T>
    T* Find(TCustomForm* Form, const char* Name)
    {
        T* found = TXDriver::Gui([&] { return dynamic_cast<T*>(Form->FindComponent(QString::fromLatin1(Name))); });
        if (!found)
            throw TXAbort(std::string("no control ") + Name);
        return found;
    }

    // The refusal box on top: its text, then Enter.
    void Refusal(const char* Text)
    {
        QWidget* box = D.Wait_Dialog("QMessageBox");
        EXPECT_EQ(TXDriver::Box_Text(box), QString::fromLatin1(Text));
        D.Key("Return");
        D.Wait_Dialog_Closed();
    }

    // A cell as a user fills it: a click selects it; an edit cell takes
    // the typing, a list cell opens its editor (at once on the current
    // cell, else with F2) and is chosen by typing the entry; Enter ends the
    // edit.
    void Cell(TProColumnGrid* Grid, int Real_Col, int Row, const char* Text)
    {
        const QString text = QString::fromLatin1(Text);
        if (text.isEmpty())
            return;
        const int col = TXDriver::Gui([&] { return Grid->RealToDisplCol(Real_Col); });
        const TRect r = TXDriver::Gui([&] { return Grid->CellRect(col, Row); });
        const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        const bool list = TXDriver::Gui([&] { return Grid->ColumnItem(Real_Col)->Editor() == edComboList; });
        if (!list) {
            D.Click_Type(Grid, p, text, "Return");
            D.Wait("the cell holding " + text.toStdString(), [&] { return Grid->AllCells(Real_Col, Row) == text; });
            return;
        }
        D.Click(Grid, p);
        D.Wait("cell " + std::to_string(Real_Col) + "," + std::to_string(Row) + " selected",
               [&] { return Grid->Col() == col && Grid->Row() == Row; });
        TGridCombo* combo = TXDriver::Gui([&] { return Grid->Combobox(); });
        if (!TXDriver::Gui([&] { return combo->Visible(); }))
            D.Key("F2");
        D.Wait("the list editor of cell " + std::to_string(Real_Col) + "," + std::to_string(Row),
               [&] { return combo->Visible() && combo->Focused(); });
        // The grid's one list editor serves every cell, and keys typed into
        // it within the type-ahead interval extend the last search: type
        // at a user's pace.
        const int interval = TXDriver::Gui([] { return QApplication::keyboardInputInterval(); }) + 100;
        if (FList_Typed.isValid() && FList_Typed.elapsed() < interval)
            TXDriver::Pause(int(interval - FList_Typed.elapsed()));
        D.Type(text);
        FList_Typed.start();
        D.Wait("the entry " + text.toStdString(), [&] { return combo->Text() == text; });
        D.Key("Return");
        D.Wait("the cell holding " + text.toStdString(), [&] { return Grid->AllCells(Real_Col, Row) == text; });
    }

    void Fill_Row(TProColumnGrid* Grid, int Row, const WalkRoad::TRow& R)
    {
        Cell(Grid, 1, Row, R.Type);
        Cell(Grid, 2, Row, R.Unit);
        Cell(Grid, 3, Row, R.Position);
        Cell(Grid, 4, Row, R.Bit);
        Cell(Grid, 5, Row, R.Length);
        Cell(Grid, 7, Row, R.Mnemonic);
    }

    // A step of the main window: its window opens and keeps a click on the
    // main window from it.
    TCustomForm* Open_Step(TLbButton* Step, const char* Window)
    {
        D.Click(Step);
        TCustomForm* f = D.Wait_Form(QString::fromLatin1(Window));
        D.Click_Behind(f, FRodedoruzoFirmWare->Btn_New);
        return f;
    }

    // OK closes the window.
    void Confirm(TCustomForm* Form)
    {
        const QString name = TXDriver::Gui([&] { return Form->Name(); });
        D.Click(Find<TLbButton>(Form, "Btn_OK"));
        D.Wait_Closed(name);
    }

    void Add_Variable(TCustomForm* Editor, const WalkRoad::TVariable& V, bool Behind)
    {
        TFRodedoruzoFirmWare* main = FRodedoruzoFirmWare;
        D.Click(Find<TLbButton>(Editor, "Btn_Add_Variable"));
        TCustomForm* f = D.Wait_Form(QStringLiteral("FEnOcean_Variable"));
        if (Behind)
            D.Click_Behind(f, main->Btn_New);
        D.Pick(Find<TComboBox>(f, "CB_EEP_Rorg"), V.Rorg);
        D.Pick(Find<TComboBox>(f, "CB_EEP_Func"), V.Func);
        D.Pick(Find<TComboBox>(f, "CB_EEP_Type"), V.Type);
        D.Pick(Find<TComboBox>(f, "CB_Var_Case"), V.Case);
        D.Pick(Find<TComboBox>(f, "CB_Var_Variable"), V.Field);
        D.Type_Into(Find<TEdit>(f, "E_Var_Position"), QString::fromLatin1(V.Position));
        D.Pick(Find<TComboBox>(f, "CB_Var_BitStart"), V.Bit);
        Confirm(f);
    }

    void Walk();

    TXDriver D;
    QElapsedTimer FList_Typed;
};

void XWalk::Walk()
{
    using namespace WalkRoad;
    TFRodedoruzoFirmWare* main = FRodedoruzoFirmWare;
    D.Wait_Form(QStringLiteral("FRodedoruzoFirmWare"));

    // Step 1: a new configuration, confirmed with Enter.
    D.Click(main->Btn_New);
    TCustomForm* f = D.Wait_Form(QStringLiteral("FNew_Project"));
    D.Click_Behind(f, main->Btn_Prm_Gen);
    D.Type_Into(Find<TEdit>(f, "E_New_Proj"), QString::fromLatin1(Conf));
    D.Key("Return");
    D.Wait_Closed(QStringLiteral("FNew_Project"));
    D.Wait("the configuration named", [&] { return main->L_Name_Conf_L2->Caption() == QLatin1String(Conf); });

    // Step 2: BACnet/IP parameters; the refused port first.
    f = Open_Step(main->Btn_Prm_Gen, "FParGen");
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        D.Type_Into(Find<TEdit>(f, ("E_BACnet_IP_Slave_IP" + n).constData()), IP[i]);
    }
    auto* gateway = Find<TCheckBox>(f, "CB_BACnet_IP_Slave_GAT");
    D.Click(gateway, TPoint{7, TXDriver::Gui([&] { return gateway->Height() / 2; })});
    D.Wait("the gateway on", [&] { return gateway->Checked(); });
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        D.Type_Into(Find<TEdit>(f, ("E_BACnet_IP_Slave_GAT" + n).constData()), Gateway[i]);
    }
    D.Type_Into(Find<TEdit>(f, "E_BACnet_IP_Slave_Port"), QString::fromLatin1(Bad_Port));
    D.Type_Into(Find<TEdit>(f, "E_BACnet_IP_Slave_Device_Name"), QString::fromLatin1(Device_Name));
    D.Type_Into(Find<TEdit>(f, "E_BACnet_IP_Slave_Device_Identifier"), QString::fromLatin1(Device_Id));
    D.Click(Find<TLbButton>(f, "Btn_OK"));
    Refusal(Bad_Port_Text);
    D.Type_Into(Find<TEdit>(f, "E_BACnet_IP_Slave_Port"), QString::fromLatin1(Port));
    TXDriver::Shot(f, "parameter-editor");
    Confirm(f);

    // Step 3: two devices, the first identifier refused once; two
    // variables for each.
    TCustomForm* e = Open_Step(main->Btn_EnOcean_Access, "FEnOcean_SetAccess2");
    D.Click(Find<TLbButton>(e, "Btn_Add_Device"));
    f = D.Wait_Form(QStringLiteral("FEnOcean_Device"));
    D.Click_Behind(f, main->Btn_New);
    auto* id = Find<TEdit>(f, "E_DevEnOcean_ID");
    D.Type_Into(id, QString::fromLatin1(Bad_Id));
    D.Click(Find<TLbButton>(f, "Btn_OK"));
    Refusal(Bad_Id_Text);
    D.Type_Into(id, QString::fromLatin1(Id_1));
    Confirm(f);
    D.Click(Find<TLbButton>(e, "Btn_Add_Device"));
    f = D.Wait_Form(QStringLiteral("FEnOcean_Device"));
    D.Type_Into(id, QString::fromLatin1(Id_2));
    D.Pick(Find<TComboBox>(f, "CB_DevEnOcean_SecType"), 1);
    auto* key = Find<TEdit>(f, "E_DevEnOcean_Secure_Key");
    D.Wait("the key field", [&] { return key->Visible(); });
    D.Type_Into(key, QString::fromLatin1(Key_2));
    Confirm(f);
    auto* devices = Find<TListBox>(e, "LB_ID_Devices_List");
    for (int d = 0; d < 2; ++d) {
        const TRect r = TXDriver::Gui([&] { return devices->ItemRect(d); });
        D.Click(devices, TPoint{r.Left + 10, (r.Top + r.Bottom) / 2});
        D.Wait("device " + std::to_string(d) + " selected", [&] { return devices->ItemIndex() == d; });
        for (const TVariable& v : d == 0 ? Vars_1 : Vars_2)
            Add_Variable(e, v, &v == &Vars_1[0]);
    }
    // The first variable of the second device's profile, in the tree
    // and in the detail table.
    auto* tree = Find<TTreeView>(e, "TW_UniSmart_EEP");
    const TRect node = TXDriver::Gui([&] { return tree->Items()->Item(2)->DisplayRect(true); });
    D.Click(tree, TPoint{(node.Left + node.Right) / 2, (node.Top + node.Bottom) / 2});
    auto* details = Find<TProStringGrid>(e, "SG_EEP_Var");
    D.Wait("the variable's details", [&] { return details->Cells(1, 6) == u"Rocker 1st action"; });
    TXDriver::Shot(e, "enocean-editor");
    Confirm(e);

    // Step 4: read and write objects; OK refused once for the missing
    // Position of the last write row.
    TCustomForm* b = Open_Step(main->Btn_BACnet_SetAccess, "FBACnetSlaveSetAccess");
    auto* read = Find<TProColumnGrid>(b, "CG_BACnet_in_Read");
    auto* write = Find<TProColumnGrid>(b, "CG_BACnet_in_Write");
    for (int r = 0; r < int(std::size(Read_Rows)); ++r)
        Fill_Row(read, r + 1, Read_Rows[r]);
    TXDriver::Shot(b, "bacnet-editor");
    auto* pages = Find<TPageControl>(b, "PageControl1");
    const QPoint tab = TXDriver::Gui([&] {
        QTabBar* bar = static_cast<QWidget*>(pages->Handle())->findChild<QTabBar*>();
        return bar ? bar->mapToGlobal(bar->tabRect(1).center()) : QPoint();
    });
    D.Click_Screen(tab.x(), tab.y());
    D.Wait("the write page", [&] { return pages->ActivePage() && pages->ActivePage()->Name() == u"TS_BACnet_in_Write"; });
    Fill_Row(write, 1, Write_Rows[0]);
    TRow last = Write_Rows[1];
    last.Position = "";
    Fill_Row(write, 2, last);
    D.Click(Find<TLbButton>(b, "Btn_OK"));
    Refusal(Bad_Row_Text);
    Cell(write, 3, 2, Write_Rows[1].Position);
    Confirm(b);

    // Step 5: the EDE file, named in the save dialog.
    D.Click(main->Btn_BACnet_EDE_File);
    QWidget* save = D.Wait_Dialog("QFileDialog");
    D.Click_Behind(nullptr, main->Btn_New);
    // Qt's dialog moves its focus off the name field after a click on the
    // window it blocks (also without this program): click into the field.
    const QPoint field = TXDriver::Gui([&] {
        auto* edit = save->findChild<QWidget*>(QStringLiteral("fileNameEdit"));
        return edit ? edit->mapToGlobal(QPoint(10, edit->height() / 2)) : QPoint();
    });
    D.Click_Screen(field.x(), field.y());
    D.Type(QString::fromLatin1(EDE_Name), "Return");
    D.Wait_Dialog_Closed();
    const QString ede = Path(QStringLiteral("PROJECTS/") + QLatin1String(Conf) + QChar(u'/') + QLatin1String(EDE_Name) +
                             QStringLiteral(".csv"));
    D.Wait("the EDE file", [&] { return QFile::exists(ede); });

    // Step 6: the update to 127.0.0.1 with the stub update program; the
    // window stays open until Cancel.
    TCustomForm* u = Open_Step(main->Btn_CreateBin, "FBoot");
    for (int i = 0; i < 4; ++i) {
        const QByteArray n = QByteArray::number(i + 1);
        D.Type_Into(Find<TEdit>(u, ("E_IP" + n).constData()), Gateway_IP[i]);
    }
    D.Click(Find<TLbButton>(u, "Btn_Update"));
    D.Wait("the update program's run", [&] { return QFile::exists(Path(QStringLiteral("stub-job.xml"))); }, 30000);
    u = D.Wait_Form(QStringLiteral("FBoot"));
    D.Click(Find<TLbButton>(u, "Btn_Cancel"));
    D.Wait_Closed(QStringLiteral("FBoot"));

    TXDriver::Shot(main, "main-window");
    // Closing writes the settings.
    D.Click(main->Btn_Close);
    D.Wait_Closed(QStringLiteral("FRodedoruzoFirmWare"));
}

TEST_F(XWalk, IntegratorRoad)
{
    Start();
    FRodedoruzoFirmWare->Show();
    QEventLoop loop;
    std::string failure;
    std::thread script([&] {
        try {
            Walk();
        } catch (const TXAbort& E) {
            // A picture of the screen at the failure, next to the test.
            const QString shot = QDir::currentPath() + QStringLiteral("/xwalk-failure.png");
            TXDriver::Shot_Screen(shot);
            failure = E.what() + std::string(" (screen: ") + shot.toStdString() + ")";
            TXDriver::Close_All();
        }
        TXDriver::Gui([&] { loop.quit(); });
    });
    loop.exec();
    script.join();
    ASSERT_EQ(failure, "");
    WalkRoad::Check_Files(FDir.path());
}

} // namespace
