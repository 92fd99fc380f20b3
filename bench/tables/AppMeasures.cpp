// The configurator's start-up and its BACnet object editor. Start-up: a
// child process of this program that starts the configurator as its main()
// does and ends once the main window is shown and painted, against one
// that shows an empty 800 x 600 Qt window the same way; each timed by the
// CPU time the child used. The editor: opened from the main window's
// step button on an object file with two full 2000-row tables, until it is
// shown and painted, against filling the same cells into two bare grids.
#include "TablesBench.h"
#include "app/FBACnetSlaveSetAccess.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Program.h"
#include "app/ProgramEntry.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/BACnet_Objects.h"
#include "core/Globals.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/rtl/XmlDocument.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const char ProgramDirVar[] = "TABLES_BENCH_PROGRAM_DIR";

// Ends the child once the event loop has run: what the show posted is
// painted, then the process leaves without tearing anything down.
void EndWhenShown()
{
    QTimer::singleShot(0, [] {
        QCoreApplication::processEvents();
        std::fflush(nullptr);
        _exit(0);
    });
}

void CreateWindowsAndEnd()
{
    Create_Program_Windows();
    EndWhenShown();
}

// A program folder with the shipped catalogue, as the program finds it
// beside its executable.
QTemporaryDir& ProgramDir()
{
    static QTemporaryDir dir;
    static const bool made = [] {
        QDir().mkpath(dir.filePath(QStringLiteral("CAT_EnOcean")));
        QFile::copy(QStringLiteral(TABLES_BENCH_BIN_DIR "/CAT_EnOcean/eep.xml"),
                    dir.filePath(QStringLiteral("CAT_EnOcean/eep.xml")));
        return true;
    }();
    (void)made;
    return dir;
}

// CPU time of the ended child processes.
double ChildrenMs()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    const auto ms = [](const timeval& T) { return double(T.tv_sec) * 1e3 + double(T.tv_usec) / 1e3; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

double StartChild(const QString& Self, const QString& Mode)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(ProgramDirVar), ProgramDir().path());
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    const double before = ChildrenMs();
    child.start(Self, {QStringLiteral("--startup-child"), Mode});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "start-up (%s): the child failed\n", qPrintable(Mode));
        return -1;
    }
    return ChildrenMs() - before;
}

// Two tables of 2000 rows, every column written.
struct TObjects {
    TTable_Rows Read, Write;
    TObjects()
    {
        const int rows = BACnet_Table_Rows(false);
        const QStringList readTypes = BACnet_Read_Types(), writeTypes = BACnet_Write_Types();
        for (int side = 0; side < 2; ++side) {
            const QStringList& types = side == 0 ? readTypes : writeTypes;
            TTable_Rows& table = side == 0 ? Read : Write;
            for (int r = 0; r < rows; ++r) {
                QStringList row;
                for (int c = 0; c < BACnet_Col_Count; ++c)
                    row << QString();
                row[BACnet_Col_N] = QString::number(r + 1);
                row[BACnet_Col_Data_Type] = types[r % types.size()];
                row[BACnet_Col_Eng_Unit] = QString::number(62 + r % 40);
                row[BACnet_Col_Position] = QString::number(r % BACnet_NByte);
                row[BACnet_Col_Bit] = QString::number(r % 8);
                row[BACnet_Col_Length] = QStringLiteral("4");
                row[BACnet_Col_Swap] = r % 2 ? QStringLiteral("Y") : QStringLiteral("N");
                row[BACnet_Col_Mnemonic] = QStringLiteral("Object %1 of room %2").arg(r).arg(r % 97);
                table.push_back(row);
            }
        }
    }
};

// The configurator's windows on a program folder with an open
// configuration holding the object file.
struct TEditorSetup {
    TObjects Objects;
    TRecordingMessageBoxService Boxes;
    TScopedMessageBoxService BoxScope{&Boxes};
    TEditorSetup()
    {
        Program_Dir_Override = ProgramDir().path();
        Create_Program_Windows();
        Conf_Name = QStringLiteral("P1");
        Conf_Dir = ProgramDir().filePath(QStringLiteral("PROJECTS/P1"));
        QDir().mkpath(Conf_Dir + QStringLiteral("/bin"));
        Set_Files();
        TXMLDocument xml;
        Write_BACnet_File(&xml, File_BACnet_Slave, Objects.Read, Objects.Write);
    }
};

TEditorSetup& Editor()
{
    static TEditorSetup setup;
    return setup;
}

double OpenEditor()
{
    TEditorSetup& e = Editor();
    e.Boxes.Calls.clear();
    double ms = -1;
    int rows = 0;
    TStopwatch t;
    {
        TScopedModalHook hook([&](const TModalEvent& Event) {
            if (Event.Form != FBACnetSlaveSetAccess)
                return;
            Application->ProcessMessages();
            ms = t.Ms();
            rows = FBACnetSlaveSetAccess->CG_BACnet_in_Write->AllCells(BACnet_Col_Data_Type, 2000).isEmpty() ? 0 : 2000;
            FBACnetSlaveSetAccess->SetModalResult(mrCancel);
        });
        FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_BACnet_SetAccess);
    }
    for (const auto& call : e.Boxes.Calls)
        std::fprintf(stderr, "editor: %s\n", qPrintable(call.Text));
    if (rows != 2000)
        std::fprintf(stderr, "editor: the write table was not loaded whole\n");
    return ms;
}

// The same cells into two bare grids of the editor's size on a shown form.
double BareFill()
{
    const TObjects& objects = Editor().Objects;
    TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    TProColumnGrid* grids[2];
    for (TProColumnGrid*& grid : grids) {
        grid = new TProColumnGrid(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 780, 560);
        grid->SetColCount(BACnet_Col_Count);
        grid->SetRowCount(int(objects.Read.size()) + 1);
    }
    form.Show();
    Application->ProcessMessages();
    TStopwatch t;
    for (int side = 0; side < 2; ++side) {
        const TTable_Rows& table = side == 0 ? objects.Read : objects.Write;
        for (std::size_t r = 0; r < table.size(); ++r)
            for (int c = 1; c < BACnet_Col_Count; ++c)
                grids[side]->SetAllCells(c, int(r) + 1, table[r][c]);
    }
    return t.Ms();
}

} // namespace

TSample MeasureStartUp(const QString& Self)
{
    static const bool warm = [&] {
        // The first start of each reads the libraries from disk.
        StartChild(Self, QStringLiteral("app"));
        StartChild(Self, QStringLiteral("empty"));
        return true;
    }();
    (void)warm;
    TSample s;
    s.Ours = StartChild(Self, QStringLiteral("app"));
    s.PeerA = StartChild(Self, QStringLiteral("empty"));
    return s;
}

TSample MeasureEditor()
{
    static const bool warm = [] {
        // The first opening also lays out the window and loads its fonts.
        OpenEditor();
        return true;
    }();
    (void)warm;
    TSample s;
    s.Ours = OpenEditor();
    s.PeerA = BareFill();
    return s;
}

void RunStartUpChild(int argc, char** argv, const QString& Mode)
{
    if (Mode == QStringLiteral("app")) {
        Program_Dir_Override = qEnvironmentVariable(ProgramDirVar);
        RunProgram(argc, argv, CreateWindowsAndEnd);
    } else {
        QApplication app(argc, argv);
        QWidget window;
        window.setWindowTitle(QStringLiteral("Stratagon"));
        window.resize(800, 600);
        window.show();
        EndWhenShown();
        app.exec();
    }
    _exit(1);
}
