// The communication parameter editor for a look: shows it once with
// BACnet/IP and once with MS/TP and writes pargen-demo.png (both side by
// side) into the folder given as the first argument, or the current folder.
#include "app/FParGen.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "core/Globals.h"
#include "platform/controls/Application.h"
#include "tests/support/DemoPump.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

namespace {

QPixmap Shot(int Type)
{
    QPixmap shot;
    TScopedModalHook hook([&](const TModalEvent& Event) {
        if (Event.Form != FParGen)
            return;
        FParGen->CB_BACnet_Slave_Type->SetItemIndex(Type);
        FParGen->Move_GroupBoxs();
        Pump(300);
        shot = FParGen->Handle()->grab();
        FParGen->SetModalResult(mrCancel);
    });
    FParGen->ShowModal();
    return shot;
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    QTemporaryDir scratch;
    Program_Dir_Override = scratch.path();
    Create_Program_Windows();
    Conf_Dir = scratch.path() + QStringLiteral("/PROJECTS/Demo");
    QDir().mkpath(Conf_Dir);
    Set_Files();

    const QPixmap ip = Shot(0);
    const QPixmap mstp = Shot(1);
    QImage image(ip.width() + mstp.width() + 30, qMax(ip.height(), mstp.height()) + 20, QImage::Format_RGB32);
    image.fill(Qt::darkGray);
    QPainter p(&image);
    p.drawPixmap(10, 10, ip);
    p.drawPixmap(20 + ip.width(), 10, mstp);
    p.end();

    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(dir);
    const QString file = QDir(dir).filePath(QStringLiteral("pargen-demo.png"));
    const bool saved = image.save(file);
    qInfo("%s %s", saved ? "wrote" : "could not write", qPrintable(file));
    return saved ? 0 : 1;
}
