#include "XWalk.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <gtest/gtest.h>

QString XWalk_Screenshot_Dir;

namespace {

// X key names of the characters the walk types; upper case and "_" need
// Shift.
QStringList Key_Names(QChar C, bool& Shift)
{
    Shift = C.isUpper() || C == u'_';
    if (C.isLetterOrNumber())
        return {QString(C.toLower())};
    switch (C.unicode()) {
    case u' ': return {QStringLiteral("space")};
    case u'_': return {QStringLiteral("minus")};
    case u'-': return {QStringLiteral("minus")};
    case u'.': return {QStringLiteral("period")};
    default: throw TXAbort("no key for the character " + QString(C).toStdString());
    }
}

// The modal message box or file dialog, when one is open.
QDialog* Top_Dialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->inherits("QMessageBox") || w->inherits("QFileDialog")))
            return static_cast<QDialog*>(w);
    return nullptr;
}

} // namespace

void TXDriver::Invoke(const std::function<void()>& Fn)
{
    Q_ASSERT(QThread::currentThread() != qApp->thread());
    QMetaObject::invokeMethod(qApp, [&Fn] { Fn(); }, Qt::BlockingQueuedConnection);
}

void TXDriver::Wait(const std::string& What, const std::function<bool()>& Pred, int Ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!Gui(Pred)) {
        if (timer.elapsed() > Ms)
            throw TXAbort("timed out waiting for " + What);
        QThread::msleep(20);
    }
}

void TXDriver::Pause(int Ms)
{
    QThread::msleep(ulong(Ms));
    Gui([] {});
}

TCustomForm* TXDriver::Form(const QString& Name)
{
    for (int i = 0; Screen && i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->Name() == Name && f->Visible())
            return f;
    }
    return nullptr;
}

TCustomForm* TXDriver::Wait_Form(const QString& Name)
{
    TCustomForm* form = nullptr;
    Wait(Name.toStdString() + " shown and active", [&] {
        form = Form(Name);
        return form && !Top_Dialog() && HostIsActiveWindow(form->Handle());
    });
    return form;
}

void TXDriver::Wait_Closed(const QString& Name)
{
    Wait(Name.toStdString() + " closed", [&] { return !Form(Name); });
}

QWidget* TXDriver::Wait_Dialog(const char* Class_Name)
{
    QWidget* dialog = nullptr;
    Wait(std::string(Class_Name) + " active", [&] {
        dialog = Top_Dialog();
        return dialog && dialog->inherits(Class_Name) && dialog->isActiveWindow();
    });
    return dialog;
}

void TXDriver::Wait_Dialog_Closed()
{
    Wait("the dialog closed", [] { return !Top_Dialog(); });
}

QString TXDriver::Box_Text(QWidget* Box)
{
    return Gui([Box] {
        auto* box = qobject_cast<QMessageBox*>(Box);
        return box ? box->text() : QString();
    });
}

void TXDriver::Xdotool(const QStringList& Args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), Args);
    if (!p.waitForFinished(15000) || p.exitCode() != 0)
        throw TXAbort("xdotool " + Args.join(u' ').toStdString() + " failed: " +
                      p.readAllStandardError().toStdString());
}

void TXDriver::Click_Screen(int X, int Y, int Button)
{
    const QString b = QString::number(Button);
    Xdotool({"mousemove", QString::number(X), QString::number(Y), "sleep", "0.02", "mousedown", b, "sleep", "0.02",
             "mouseup", b});
}

void TXDriver::Click(TControl* Control, TPoint P)
{
    Xdotool(Click_Args(Control, P));
}

void TXDriver::Click(TControl* Control)
{
    const TPoint c = Gui([&] { return TPoint{Control->Width() / 2, Control->Height() / 2}; });
    Click(Control, c);
}

void TXDriver::Double_Click(TControl* Control, TPoint P)
{
    const TPoint s = Gui([&] { return Control->ClientToScreen(P); });
    Xdotool({"mousemove", QString::number(s.X), QString::number(s.Y), "sleep", "0.05", "mousedown", "1", "sleep",
             "0.03", "mouseup", "1", "sleep", "0.03", "mousedown", "1", "sleep", "0.03", "mouseup", "1"});
}

void TXDriver::Key(const char* Name)
{
    const QString k = QString::fromLatin1(Name);
    Xdotool({"keydown", k, "sleep", "0.04", "keyup", k});
}

QStringList TXDriver::Type_Args(const QString& Text)
{
    QStringList args;
    for (QChar c : Text) {
        bool shift = false;
        const QStringList keys = Key_Names(c, shift);
        if (shift)
            args << "keydown" << "shift";
        for (const QString& k : keys)
            args << "keydown" << k << "sleep" << "0.02" << "keyup" << k;
        if (shift)
            args << "keyup" << "shift";
    }
    return args;
}

QStringList TXDriver::Click_Args(TControl* Control, TPoint P)
{
    const TPoint s = Gui([&] { return Control->ClientToScreen(P); });
    return {"mousemove", QString::number(s.X), QString::number(s.Y), "sleep", "0.02", "mousedown", "1", "sleep", "0.02",
            "mouseup", "1", "sleep", "0.02"};
}

void TXDriver::Type(const QString& Text, const char* Final_Key)
{
    QStringList args = Type_Args(Text);
    if (Final_Key)
        args << "keydown" << QLatin1String(Final_Key) << "sleep" << "0.03" << "keyup" << QLatin1String(Final_Key);
    if (!args.isEmpty())
        Xdotool(args);
}

void TXDriver::Click_Type(TControl* Control, TPoint P, const QString& Text, const char* Final_Key)
{
    QStringList args = Click_Args(Control, P) + Type_Args(Text);
    if (Final_Key)
        args << "keydown" << QLatin1String(Final_Key) << "sleep" << "0.03" << "keyup" << QLatin1String(Final_Key);
    Xdotool(args);
}

void TXDriver::Click_Behind(TCustomForm* Modal, TControl* Main_Control)
{
    const int forms = Gui([] {
        int n = 0;
        for (int i = 0; i < Screen->FormCount(); ++i)
            n += Screen->Forms(i)->Visible();
        return n;
    });
    QDialog* dialog = Gui([] { return Top_Dialog(); });
    Click(Main_Control);
    Pause(200);
    Gui([&] {
        int n = 0;
        for (int i = 0; i < Screen->FormCount(); ++i)
            n += Screen->Forms(i)->Visible();
        EXPECT_EQ(n, forms) << "a click on the main window opened a window";
        EXPECT_EQ(Top_Dialog(), dialog);
        if (Modal) {
            EXPECT_TRUE(HostIsActiveWindow(Modal->Handle())) << Modal->Name().toStdString() << " lost the focus";
        } else if (dialog) {
            EXPECT_TRUE(dialog->isActiveWindow()) << "the dialog lost the focus";
        }
    });
}

void TXDriver::Type_Into(TWinControl* Edit, const QString& Text)
{
    // The click gives the field the focus before the keys that follow it
    // arrive.
    QStringList args = Click_Args(Edit, TPoint{6, 6});
    args << "keydown" << "ctrl" << "keydown" << "a" << "sleep" << "0.03" << "keyup" << "a" << "keyup" << "ctrl";
    Xdotool(args + Type_Args(Text));
    Wait("the text " + Text.toStdString(), [&] { return Edit->Text() == Text; });
}

void TXDriver::Pick(TWinControl* Combo, int Index)
{
    auto* combo = dynamic_cast<TComboBox*>(Combo);
    if (!combo)
        throw TXAbort("not a list");
    if (Gui([&] { return combo->ItemIndex(); }) == Index)
        return;
    Click(Combo);
    QPoint at;
    Wait("the list opened", [&] {
        QWidget* popup = QApplication::activePopupWidget();
        auto* view = popup ? popup->findChild<QAbstractItemView*>() : nullptr;
        if (!view || !view->isVisible() || Index >= view->model()->rowCount())
            return false;
        const QModelIndex item = view->model()->index(Index, 0);
        view->scrollTo(item);
        at = view->viewport()->mapToGlobal(view->visualRect(item).center());
        return true;
    });
    Pause(100);
    Click_Screen(at.x(), at.y());
    Wait("the entry chosen", [&] { return combo->ItemIndex() == Index && !QApplication::activePopupWidget(); });
}

void TXDriver::Shot(TCustomForm* Form, const char* Name)
{
    if (XWalk_Screenshot_Dir.isEmpty())
        return;
    Pause(400);
    Gui([&] {
        QWidget* w = Form->Handle();
        const QRect r = w->frameGeometry();
        const QPixmap pixmap = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        QDir().mkpath(XWalk_Screenshot_Dir);
        EXPECT_TRUE(pixmap.save(XWalk_Screenshot_Dir + QChar(u'/') + QLatin1String(Name) + QStringLiteral(".png")));
    });
}

void TXDriver::Shot_Screen(const QString& File)
{
    Gui([&] { QGuiApplication::primaryScreen()->grabWindow(0).save(File); });
}

void TXDriver::Close_All()
{
    for (int round = 0; round < 30; ++round) {
        const bool open = Gui([] {
            bool any = false;
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
                any = true;
            }
            if (QDialog* d = Top_Dialog()) {
                d->reject();
                any = true;
            }
            for (int i = 0; Screen && i < Screen->FormCount(); ++i) {
                TCustomForm* f = Screen->Forms(i);
                if (f->FormState().Contains(fsModal) && f->ModalResult() == mrNone) {
                    f->SetModalResult(mrCancel);
                    any = true;
                }
            }
            return any;
        });
        if (!open)
            return;
        QThread::msleep(50);
    }
}
