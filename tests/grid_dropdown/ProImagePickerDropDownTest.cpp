// The image picker drop-down: items from an image list and from a folder
// of small images (unreadable entries give empty items), choosing by keys,
// by the mouse, by the wheel and by typed captions, the hot item on Enter,
// a cancelled close, and the chosen picture drawn in the edit.
#include "grid/dropdown/ProImagePickerDropDown.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Clock.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class TTestPicker : public TProImagePickerDropDown {
public:
    using TProImagePickerDropDown::TProImagePickerDropDown;
    TRect EditRect() const { return GetEditRect(); }
};

class ImagePickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Images = new TImageList(Form.get());
        for (TColor c : {clRed, clGreen, clBlue, clYellow, clFuchsia}) {
            TBitmap b(16, 16);
            b.Canvas()->Brush()->SetColor(c);
            b.Canvas()->FillRect(TRect(0, 0, 16, 16));
            Images->Add(&b, nullptr);
        }
        Edit = new TTestPicker(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 20, 120, 24);
        Edit->SetImages(Images);
        Edit->DropDownHeader()->SetVisible(false);
        Edit->DropDownFooter()->SetVisible(false);
        Edit->OnChange = [this](TObject*) { Log.push_back(QStringLiteral("change %1").arg(Edit->ItemIndex())); };
        Edit->OnSelect = [this](TObject*) { Log.push_back(QStringLiteral("select %1").arg(Edit->ItemIndex())); };
        Form->Show();
        Edit->SetFocus();
    }
    void TearDown() override
    {
        Form.reset();
        SetClock(nullptr);
    }
    void AddCaptioned(std::initializer_list<const char*> Captions)
    {
        int i = 0;
        for (const char* c : Captions) {
            TImageItem* item = Edit->Items()->Add();
            item->SetCaption(QString::fromUtf8(c));
            item->SetImageIndex(i++ % 5);
        }
    }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }
    TCustomItemSelector* List() const { return Edit->ItemSelector()->Panel(); }
    TTimer* KeyTimer() const
    {
        for (int i = 0; i < Edit->ComponentCount(); ++i)
            if (auto* t = dynamic_cast<TTimer*>(Edit->Components(i)))
                return t;
        return nullptr;
    }
    void Elapse(int Ms)
    {
        Clock.Advance(Ms);
        KeyTimer()->CheckDue();
    }

    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    TImageList* Images = nullptr;
    TTestPicker* Edit = nullptr;
    std::vector<QString> Log;
};

TEST_F(ImagePickerTest, ItemsFromTheImageListAndChoosingByImageIndex)
{
    Edit->AddImagesFromImageList();
    ASSERT_EQ(Edit->Items()->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Edit->Items()->Items(i)->ImageIndex(), i);
        EXPECT_TRUE(Edit->Items()->Items(i)->Caption().isEmpty());
    }
    Edit->SetImageIndex(3);
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetImageIndex(), 3);
    Edit->SetImageIndex(9);
    EXPECT_EQ(Edit->ItemIndex(), -1);
    EXPECT_EQ(Edit->GetImageIndex(), -1);
    const std::vector<QString> expected = {"change 3", "select 3", "change -1", "select -1"};
    EXPECT_EQ(Log, expected);
    // Past the items, below -1 and unchanged: nothing.
    Edit->SetItemIndex(5);
    Edit->SetItemIndex(-2);
    Edit->SetItemIndex(-1);
    EXPECT_EQ(Log.size(), 4u);
}

TEST_F(ImagePickerTest, ItemsFromAFolderKeepUnreadableEntriesEmpty)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QStringLiteral("/");
    TPicture picture;
    picture.Bitmap()->SetSize(8, 6);
    picture.SaveToFile(folder + QStringLiteral("b.bmp"));
    picture.Bitmap()->SetSize(5, 7);
    picture.SaveToFile(folder + QStringLiteral("a.bmp"));
    QFile text(folder + QStringLiteral("c.bmp"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("no picture in here");
    text.close();
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("d.bmp")));
    QFile other(folder + QStringLiteral("e.txt"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();

    Edit->AddImagesFromFolder(folder + QStringLiteral("*.bmp"), true);
    ASSERT_EQ(Edit->Items()->Count(), 4);
    struct Expect {
        const char* Caption;
        int W, H;
    };
    const Expect expected[] = {{"a.bmp", 5, 7}, {"b.bmp", 8, 6}, {"", 0, 0}, {"", 0, 0}};
    for (int i = 0; i < 4; ++i) {
        TImageItem* item = Edit->Items()->Items(i);
        EXPECT_EQ(item->Caption(), QString::fromUtf8(expected[i].Caption)) << i;
        EXPECT_EQ(item->Image()->Width(), expected[i].W) << i;
        EXPECT_EQ(item->Image()->Height(), expected[i].H) << i;
    }
    // Without captions; a missing folder adds nothing.
    Edit->Items()->Clear();
    Edit->AddImagesFromFolder(folder + QStringLiteral("a.*"), false);
    ASSERT_EQ(Edit->Items()->Count(), 1);
    EXPECT_TRUE(Edit->Items()->Items(0)->Caption().isEmpty());
    Edit->AddImagesFromFolder(folder + QStringLiteral("missing/*.bmp"), true);
    EXPECT_EQ(Edit->Items()->Count(), 1);
}

TEST_F(ImagePickerTest, ArrowsInTheOpenListMoveByRowsAndColumns)
{
    Edit->AddImagesFromImageList();
    Edit->AddImagesFromImageList();
    Edit->SetColumns(4);
    Edit->SetItemIndex(1);
    Key(Edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(Edit->DroppedDown());
    Key(Focused(), VK_DOWN);
    EXPECT_EQ(Edit->ItemIndex(), 5);
    Key(Focused(), VK_RIGHT);
    EXPECT_EQ(Edit->ItemIndex(), 6);
    Key(Focused(), VK_UP);
    EXPECT_EQ(Edit->ItemIndex(), 2);
    Key(Focused(), VK_UP);
    EXPECT_EQ(Edit->ItemIndex(), 2) << "no row above";
    Key(Focused(), VK_END);
    EXPECT_EQ(Edit->ItemIndex(), 9);
    EXPECT_TRUE(Edit->DroppedDown());
    // Escape restores the choice of the opening.
    Key(Focused(), VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 1);
}

TEST_F(ImagePickerTest, EnterChoosesTheHotItemOrOnlyFiresOnSelect)
{
    Edit->AddImagesFromImageList();
    Edit->ShowDropDown();
    Wheel(Focused(), -120, {5, 5});
    Wheel(Focused(), -120, {5, 5});
    EXPECT_EQ(Edit->ItemSelector()->ItemHot(), 1) << "the wheel moves the hot item";
    EXPECT_EQ(Edit->ItemIndex(), -1);
    Log.clear();
    Key(Focused(), VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Log, (std::vector<QString>{"change 1", "select 1"}));

    Edit->ShowDropDown();
    Log.clear();
    Key(Focused(), VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Log, std::vector<QString>{"select 1"});
}

TEST_F(ImagePickerTest, TheWheelOfTheClosedPickerStepsTheChoice)
{
    Edit->AddImagesFromImageList();
    // Also before the list was ever opened.
    Wheel(Edit, -120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Wheel(Edit, -120, {5, 5});
    Wheel(Edit, 120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 0);
    EXPECT_FALSE(Edit->DroppedDown());
    const std::vector<QString> expected = {"change 0", "select 0", "change 1", "select 1", "change 0", "select 0"};
    EXPECT_EQ(Log, expected);
    // A choice made in code is where the wheel goes on from.
    Edit->SetItemIndex(3);
    Wheel(Edit, -120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 4);
}

TEST_F(ImagePickerTest, AClickChoosesAndClosesAndEscapeRestores)
{
    AddCaptioned({"Red", "Green", "Blue"});
    Edit->SetItemIndex(0);
    Click(Edit, {10, 10});
    ASSERT_TRUE(Edit->DroppedDown());
    const TRect r = List()->GetItemRect(2);
    Click(List(), {r.Left + 4, r.Top + 4});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);

    Clock.Advance(1000);
    Edit->ShowDropDown();
    Key(Focused(), VK_HOME);
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Edit->HideDropDown(true);
    EXPECT_EQ(Edit->ItemIndex(), 2);
}

TEST_F(ImagePickerTest, TypedLettersChooseByCaptionFor500Ms)
{
    AddCaptioned({"Red", "Rose", "<b>Blue</b>"});
    Key(Edit, 'R');
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Elapse(300);
    Key(Edit, 'O');
    EXPECT_EQ(Edit->ItemIndex(), 1) << "RO";
    Elapse(100);
    Key(Edit, 'B');
    EXPECT_EQ(Edit->ItemIndex(), 1) << "ROB matches nothing";
    Elapse(150);
    Key(Edit, 'B');
    EXPECT_EQ(Edit->ItemIndex(), 2) << "the timer ran out 500 ms after the R, not restarted by O or B: B alone";
    EXPECT_FALSE(Edit->DroppedDown());
    // In the open list a letter chooses and closes.
    Elapse(600);
    Edit->ShowDropDown();
    Key(Focused(), 'R');
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 0);
}

TEST_F(ImagePickerTest, PopupFitsTheCellsAndGrowsByABarWhenCut)
{
    Edit->AddImagesFromImageList();
    Edit->SetColumns(5);
    Edit->ShowDropDown();
    const TSize cells = Edit->ItemSelector()->GetSelectorSize();
    EXPECT_EQ(Edit->DropDownForm()->Width(), cells.cx + 2);
    EXPECT_EQ(Edit->DropDownForm()->Height(), cells.cy + 2);
    EXPECT_FALSE(Edit->ItemSelector()->VertScrollBar()->IsScrollBarVisible());
    Edit->HideDropDown(false);
    // A popup once closed keeps its size: a second picker shows the cut list.
    auto* cut = new TTestPicker(Form.get());
    cut->SetParent(Form.get());
    cut->SetBounds(10, 60, 120, 24);
    cut->SetImages(Images);
    cut->DropDownHeader()->SetVisible(false);
    cut->DropDownFooter()->SetVisible(false);
    cut->AddImagesFromImageList();
    cut->SetDropDownHeight(60);
    cut->ShowDropDown();
    const TSize column = cut->ItemSelector()->GetSelectorSize();
    EXPECT_EQ(cut->DropDownForm()->Width(), column.cx + 2 + 17);
    EXPECT_TRUE(cut->ItemSelector()->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(cut->ItemSelector()->HorzScrollBar()->IsScrollBarVisible());
}

TEST_F(ImagePickerTest, TheEditShowsTheChosenPicture)
{
    TImageItem* item = Edit->Items()->Add();
    item->Image()->Bitmap()->SetSize(10, 10);
    item->Image()->Bitmap()->Canvas()->Brush()->SetColor(clRed);
    item->Image()->Bitmap()->Canvas()->FillRect(TRect(0, 0, 10, 10));
    Edit->Items()->Add()->SetImageIndex(2);
    TControlCanvas canvas(Edit);
    auto centre = [&] {
        Edit->Repaint();
        const TRect r = Edit->EditRect();
        return canvas.Pixels(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    };
    Edit->SetItemIndex(0);
    EXPECT_EQ(centre(), clRed);
    Edit->SetItemIndex(1);
    EXPECT_EQ(centre(), clBlue) << "the image list's image";
    bool drawn = false;
    Edit->OnDrawSelectedImage = [&](TObject* Sender, TCanvas*, const TRect&) { drawn = Sender == Edit; };
    Edit->Repaint();
    EXPECT_TRUE(drawn);
}

} // namespace
