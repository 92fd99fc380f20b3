#include "AppWindows.h"
#include "app/FParGen.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Program.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/Application.h"
#include "platform/rtl/SysUtils.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

void AppWindows::SetUp()
{
    ASSERT_TRUE(FDir.isValid());
    Program_Dir_Override = FDir.path();
    FBoxScope = std::make_unique<TScopedMessageBoxService>(&FBoxes);
    SetClock(&FClock);
    Conf_Name.clear();
    Conf_Dir.clear();
}

void AppWindows::TearDown()
{
    Stop();
    SetClock(nullptr);
    FBoxScope.reset();
    Program_Dir_Override.clear();
}

void AppWindows::Write_File(const QString& Relative, const QByteArray& Data)
{
    const QString path = Path(Relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Data);
}

void AppWindows::Make_Folder(const QString& Relative)
{
    QDir().mkpath(Path(Relative));
}

QString AppWindows::Path(const QString& Relative) const
{
    return FDir.path() + QChar(u'/') + Relative;
}

void AppWindows::Start()
{
    FFirstWindow = Application->ComponentCount();
    Create_Program_Windows();
    FStarted = true;
}

void AppWindows::Stop()
{
    if (!FStarted)
        return;
    delete FParGen;
    // Every window the start created, the last first.
    while (Application->ComponentCount() > FFirstWindow)
        delete Application->Components(Application->ComponentCount() - 1);
    FStarted = false;
}

void AppWindows::Close_Main()
{
    FRodedoruzoFirmWare->Close();
}

void AppWindows::Run_Modal(const std::function<void()>& Action, const std::function<void(TCustomForm*)>& OnForm)
{
    TScopedModalHook hook([&](const TModalEvent& Event) {
        if (!Event.Form)
            return;
        OnForm(Event.Form);
        if (Event.Form->ModalResult() == mrNone)
            Event.Form->SetModalResult(mrCancel);
    });
    Action();
}

int AppWindows::Open_Step(TLbButton* Step, TCustomForm* Form, const std::function<void()>& Act)
{
    int result = mrNone;
    TScopedModalHook hook([&](const TModalEvent& Event) {
        if (Event.Form != Form)
            return;
        Act();
        result = Form->ModalResult();
        if (result == mrNone)
            Form->SetModalResult(mrCancel);
    });
    FRodedoruzoFirmWare->Btn_Click(Step);
    return result;
}

QStringList AppWindows::Box_Texts() const
{
    QStringList texts;
    for (const auto& call : FBoxes.Calls)
        texts << call.Text;
    return texts;
}
