// A form's main menu shows as a bar above the client area; the client
// area, its children, painting and the mouse count from below the bar.
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>

namespace {

QStringList Texts(const QList<QAction*>& Actions)
{
    QStringList texts;
    for (QAction* a : Actions)
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QAction* ActionOf(const QList<QAction*>& Actions, const QString& Text)
{
    for (QAction* a : Actions)
        if (a->text() == Text)
            return a;
    return nullptr;
}

class FormMenuBar : public ::testing::Test {
public:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 240, 160);
        Menu = new TMainMenu(Form);
        File = AddItem(Menu->Items(), "&File");
        Open = AddItem(File, "&Open");
        Open->SetShortCut(ShortCut('O', {ssCtrl}));
        AddItem(File, "-");
        Wrap = AddItem(File, "&Wrap");
        Wrap->SetAutoCheck(true);
        AddItem(File, "E&xit");
        Edit = AddItem(Menu->Items(), "&Edit");
        Edit->SetVisible(false);
        Help = AddItem(Menu->Items(), "&Help");
        Client = new TPanel(Form);
        Client->SetParent(Form);
        Client->SetAlign(alClient);
    }
    void TearDown() override { delete Form; }

    TMenuItem* AddItem(TMenuItem* Parent, const char* Caption)
    {
        auto* item = new TMenuItem(Menu);
        item->SetCaption(QString::fromLatin1(Caption));
        item->OnClick = [this](TObject* Sender) { Log << static_cast<TMenuItem*>(Sender)->Caption(); };
        Parent->Add(item);
        return item;
    }
    void ShowWithMenu()
    {
        Form->SetMenu(Menu);
        Form->Show();
    }
    QMenuBar* Bar() const { return Form->Handle()->MenuBar(); }
    QList<QAction*> FileActions() const { return ActionOf(Bar()->actions(), "&File")->menu()->actions(); }

    TForm* Form = nullptr;
    TMainMenu* Menu = nullptr;
    TMenuItem* File = nullptr;
    TMenuItem* Open = nullptr;
    TMenuItem* Wrap = nullptr;
    TMenuItem* Edit = nullptr;
    TMenuItem* Help = nullptr;
    TPanel* Client = nullptr;
    QStringList Log;
};

TEST_F(FormMenuBar, ShowsTheVisibleItemsWithTheirState)
{
    TImageList images;
    images.SetSize(16, 16);
    TBitmap bmp;
    bmp.SetSize(16, 16);
    bmp.Canvas()->Brush()->SetColor(clRed);
    bmp.Canvas()->FillRect(Rect(0, 0, 16, 16));
    images.Add(&bmp, nullptr);
    Menu->SetImages(&images);
    Open->SetImageIndex(0);
    Help->SetEnabled(false);
    Wrap->SetChecked(true);
    ShowWithMenu();

    ASSERT_NE(Bar(), nullptr);
    EXPECT_TRUE(Bar()->isVisible());
    EXPECT_EQ(Texts(Bar()->actions()), QStringList({"&File", "&Help"}));
    EXPECT_FALSE(ActionOf(Bar()->actions(), "&Help")->isEnabled());
    QList<QAction*> file = FileActions();
    EXPECT_EQ(Texts(file), QStringList({"&Open", "-", "&Wrap", "E&xit"}));
    QAction* open = ActionOf(file, "&Open");
    EXPECT_EQ(open->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_FALSE(open->icon().isNull());
    EXPECT_TRUE(ActionOf(file, "&Wrap")->isChecked());
    EXPECT_TRUE(ActionOf(file, "E&xit")->icon().isNull());
}

TEST_F(FormMenuBar, RadioItemsKeepTheirOwnCheck)
{
    TMenuItem* small = AddItem(File, "S&mall");
    TMenuItem* large = AddItem(File, "&Large");
    for (TMenuItem* i : {small, large}) {
        i->SetRadioItem(true);
        i->SetGroupIndex(1);
    }
    large->SetChecked(true);
    ShowWithMenu();
    QAction* smallAction = ActionOf(FileActions(), "S&mall");
    ASSERT_NE(smallAction->actionGroup(), nullptr);
    EXPECT_TRUE(smallAction->actionGroup()->isExclusive());
    EXPECT_EQ(smallAction->actionGroup(), ActionOf(FileActions(), "&Large")->actionGroup());

    // Without AutoCheck a click leaves the check where the items have it.
    smallAction->trigger();
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"S&mall"}));
    EXPECT_FALSE(ActionOf(FileActions(), "S&mall")->isChecked());
    EXPECT_TRUE(ActionOf(FileActions(), "&Large")->isChecked());

    small->SetAutoCheck(true);
    ActionOf(FileActions(), "S&mall")->trigger();
    Application->ProcessMessages();
    EXPECT_TRUE(small->Checked());
    EXPECT_FALSE(large->Checked());
    EXPECT_TRUE(ActionOf(FileActions(), "S&mall")->isChecked());
    EXPECT_FALSE(ActionOf(FileActions(), "&Large")->isChecked());
}

TEST_F(FormMenuBar, ClientAreaStartsBelowTheBar)
{
    struct Case {
        const char* Name;
        std::function<void(FormMenuBar*)> Setup;
        bool HasBar;
    };
    const Case cases[] = {
        {"no menu", [](FormMenuBar*) {}, false},
        {"empty menu", [](FormMenuBar* t) { t->Menu->Items()->Clear(); t->Form->SetMenu(t->Menu); }, false},
        {"only hidden items",
         [](FormMenuBar* t) {
             t->File->SetVisible(false);
             t->Help->SetVisible(false);
             t->Form->SetMenu(t->Menu);
         },
         false},
        {"menu", [](FormMenuBar* t) { t->Form->SetMenu(t->Menu); }, true},
        {"menu, window made again",
         [](FormMenuBar* t) {
             t->Form->SetMenu(t->Menu);
             t->Form->Show();
             t->Form->SetBorderStyle(bsSingle);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TearDown();
        SetUp();
        c.Setup(this);
        Form->Show();
        WidgetHost* host = Form->Handle();
        int bar = c.HasBar ? Bar()->height() : 0;
        EXPECT_EQ(c.HasBar, Bar() != nullptr);
        if (c.HasBar) {
            EXPECT_GT(bar, 0);
        }

        EXPECT_EQ(Form->Height(), 160);
        EXPECT_EQ(Form->ClientRect(), Rect(0, 0, 240, 160 - bar));
        QPoint origin = host->mapToGlobal(QPoint(0, bar));
        EXPECT_EQ(Form->ClientOrigin(), (TPoint{origin.x(), origin.y()}));
        EXPECT_EQ(Form->ClientToScreen({3, 4}), (TPoint{origin.x() + 3, origin.y() + 4}));
        EXPECT_EQ(Form->ScreenToClient({origin.x() + 3, origin.y() + 4}), (TPoint{3, 4}));

        // The aligned child fills the client area and its window sits below the bar.
        EXPECT_EQ(Client->BoundsRect(), Rect(0, 0, 240, 160 - bar));
        EXPECT_EQ(Client->Handle()->geometry(), QRect(0, bar, 240, 160 - bar));
        EXPECT_EQ(Client->ClientOrigin(), Form->ClientOrigin());
        EXPECT_EQ(host->Surface().Size(), QSize(240, 160 - bar));

        // The mouse counts from the client area's top-left.
        TPoint down{-1, -1};
        Client->SetAlign(alNone);
        Client->SetBounds(100, 100, 20, 20);
        Form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int X, int Y) { down = {X, Y}; };
        QPointF at(10, bar + 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, host->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(host, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, host->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(host, &release);
        EXPECT_EQ(down, (TPoint{10, 5}));

        // Setting the client height makes room for the bar too.
        Form->SetClientHeight(100);
        EXPECT_EQ(Form->Height(), 100 + bar);
        EXPECT_EQ(Form->ClientHeight(), 100);
        EXPECT_EQ(host->height(), 100 + bar);
    }
}

TEST_F(FormMenuBar, PaintingStartsBelowTheBar)
{
    ShowWithMenu();
    Client->SetAlign(alTop);
    Client->SetHeight(20);
    Client->SetColor(clRed);
    Form->SetColor(clBlue);
    int bar = Bar()->height();
    QImage shot = Form->Handle()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, bar + 2), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(5, bar + 25), QColor(Qt::blue));
    EXPECT_NE(shot.pixelColor(5, bar - 2), QColor(Qt::red));
}

TEST_F(FormMenuBar, ChosenItemRunsItsClickAfterTheMenuCloses)
{
    ShowWithMenu();
    ActionOf(FileActions(), "&Open")->trigger();
    EXPECT_TRUE(Log.isEmpty());
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"&Open"}));

    ActionOf(FileActions(), "&Wrap")->trigger();
    Application->ProcessMessages();
    EXPECT_TRUE(Wrap->Checked());
    EXPECT_TRUE(ActionOf(FileActions(), "&Wrap")->isChecked());

    // A disabled item or one gone before the click is delivered does nothing.
    Log.clear();
    QAction* help = ActionOf(Bar()->actions(), "&Help");
    help->trigger();
    Help->SetEnabled(false);
    Application->ProcessMessages();
    QAction* exitAction = ActionOf(FileActions(), "E&xit");
    exitAction->trigger();
    delete File->Items(3);
    Application->ProcessMessages();
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(FormMenuBar, AltAndAMnemonicOpensTheBarsMenu)
{
    auto* label = new TLabel(Form);
    label->SetCaption("&Name:");
    label->SetFocusControl(Client);
    label->SetParent(Form);
    Client->SetAlign(alNone);
    Client->SetTabStop(true);
    AddItem(Menu->Items(), "&Run");
    ShowWithMenu();
    Help->SetEnabled(false);
    QAction* file = ActionOf(Bar()->actions(), "&File");

    SyntheticInput::Key(Form, 'F', {ssAlt}, "f");
    EXPECT_EQ(Bar()->activeAction(), file);
    EXPECT_TRUE(file->menu()->isVisible());
    file->menu()->close();
    Application->ProcessMessages();

    // A leaf item runs; a disabled one, a plain letter and a control's
    // own mnemonic leave the bar alone.
    SyntheticInput::Key(Form, 'R', {ssAlt}, "r");
    Application->ProcessMessages();
    EXPECT_EQ(Log, QStringList({"&Run"}));
    struct Case {
        const char* Name;
        int Key;
        TShiftState Shift;
    };
    const Case cases[] = {{"disabled", 'H', {ssAlt}}, {"no modifier", 'F', {}}, {"control's", 'N', {ssAlt}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SyntheticInput::Key(Form, c.Key, c.Shift, QString(QChar(c.Key).toLower()));
        Application->ProcessMessages();
        EXPECT_EQ(Bar()->activeAction(), nullptr);
    }
    EXPECT_EQ(Log, QStringList({"&Run"}));
    EXPECT_TRUE(Client->Focused());
}

TEST_F(FormMenuBar, ItemChangesUpdateTheBar)
{
    struct Case {
        const char* Name;
        std::function<void(FormMenuBar*)> Change;
        QStringList Bar;
        QStringList File;
    };
    const Case cases[] = {
        {"add", [](FormMenuBar* t) { t->AddItem(t->Menu->Items(), "&Tools"); }, {"&File", "&Help", "&Tools"},
         {"&Open", "-", "&Wrap", "E&xit"}},
        {"add sub-item", [](FormMenuBar* t) { t->AddItem(t->File, "&Close"); }, {"&File", "&Help"},
         {"&Open", "-", "&Wrap", "E&xit", "&Close"}},
        {"delete", [](FormMenuBar* t) { t->File->Delete(0); }, {"&File", "&Help"}, {"-", "&Wrap", "E&xit"}},
        {"caption", [](FormMenuBar* t) { t->Help->SetCaption("&About"); }, {"&File", "&About"},
         {"&Open", "-", "&Wrap", "E&xit"}},
        {"show", [](FormMenuBar* t) { t->Edit->SetVisible(true); }, {"&File", "&Edit", "&Help"},
         {"&Open", "-", "&Wrap", "E&xit"}},
        {"hide", [](FormMenuBar* t) { t->Wrap->SetVisible(false); }, {"&File", "&Help"},
         {"&Open", "-", "E&xit"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TearDown();
        SetUp();
        ShowWithMenu();
        c.Change(this);
        EXPECT_EQ(Texts(Bar()->actions()), c.Bar);
        EXPECT_EQ(Texts(FileActions()), c.File);
    }

    Open->SetEnabled(false);
    EXPECT_FALSE(ActionOf(FileActions(), "&Open")->isEnabled());

    // Hiding every item takes the bar away and gives its rows to the client area.
    File->SetVisible(false);
    Help->SetVisible(false);
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(Client->BoundsRect(), Rect(0, 0, 240, 160));
    EXPECT_EQ(Client->Handle()->geometry(), QRect(0, 0, 240, 160));
    Help->SetVisible(true);
    ASSERT_NE(Bar(), nullptr);
    EXPECT_EQ(Client->Handle()->geometry(), QRect(0, Bar()->height(), 240, 160 - Bar()->height()));

    // A freed menu takes its bar with it.
    delete Menu;
    EXPECT_EQ(Bar(), nullptr);
    EXPECT_EQ(Form->ClientHeight(), 160);
}

} // namespace
