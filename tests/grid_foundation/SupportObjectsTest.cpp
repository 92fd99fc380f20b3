#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/FileStringList.h"
#include "grid/foundation/ProStringGridCheck.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

TEST(ControlList, FindsItemsByCellAndLeavesControlsAlive)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* edit = new TEdit(form.get());
    edit->SetParent(form.get());
    TControlList list;
    EXPECT_EQ(list.ControlIndex(2, 3), -1);
    list.AddControl(2, 3, edit);
    EXPECT_EQ(list.ControlIndex(2, 3), 0);
    EXPECT_EQ(list.ControlIndex(3, 2), -1);
    EXPECT_EQ(list.Control(0)->Control(), edit);

    EXPECT_FALSE(list.HasHandle(form->Handle()));
    EXPECT_TRUE(list.HasHandle(edit->Handle()));

    list.RemoveControl(0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(edit->Owner(), form.get());
    edit->SetText(QStringLiteral("alive"));
}

TEST(FileStringList, WritesPendingTextAndReadsLineByLine)
{
    TFileStringList f;
    f.Write(QStringLiteral("a"));
    f.WriteLn(QStringLiteral("b"));
    f.WriteLn(QStringLiteral("c"));
    ASSERT_EQ(f.Count(), 2);
    EXPECT_EQ(f[0], QStringLiteral("ab"));

    f.Reset();
    QString line;
    EXPECT_FALSE(f.Eof());
    f.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("ab"));
    f.ReadLn(line);
    EXPECT_EQ(line, QStringLiteral("c"));
    EXPECT_TRUE(f.Eof());
    EXPECT_THROW(f.ReadLn(line), EStringListError);
}

namespace {

void WriteBitmap(const QString& Path, int W, int H, TColor Color)
{
    TBitmap b(W, H);
    b.Canvas()->Brush()->SetColor(Color);
    b.Canvas()->FillRect(Rect(0, 0, W, H));
    b.SaveToFile(Path);
}

} // namespace

TEST(FilePicture, SizeFromTheFileAndDrawingFollowsItsChanges)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cell.bmp"));
    WriteBitmap(path, 6, 4, clRed);

    TFilePicture pic;
    pic.SetFilename(path);
    EXPECT_EQ(pic.Width(), 6);
    EXPECT_EQ(pic.Height(), 4);

    TBitmap target(10, 10);
    pic.DrawPicture(target.Canvas(), Rect(0, 0, 10, 10));
    EXPECT_EQ(target.Canvas()->Pixels(9, 9), clRed);

    // A new file under the same name is drawn (its time moves on).
    WriteBitmap(path, 6, 4, clBlue);
    FileSetDate(path, FileAge(path) + 1);
    pic.DrawPicture(target.Canvas(), Rect(0, 0, 10, 10));
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clBlue);

    // A file gone since draws nothing and raises nothing.
    DeleteFile(path);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(Rect(0, 0, 10, 10));
    pic.DrawPicture(target.Canvas(), Rect(0, 0, 10, 10));
    EXPECT_EQ(target.Canvas()->Pixels(5, 5), clWhite);

    TFilePicture copy;
    copy.Assign(&pic);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 6);
}

TEST(FilePicture, EmptyOrUnreadableNames)
{
    TFilePicture pic;
    TBitmap target(4, 4);
    pic.DrawPicture(target.Canvas(), Rect(0, 0, 4, 4));

    QTemporaryDir dir;
    EXPECT_THROW(pic.SetFilename(dir.filePath(QStringLiteral("missing.bmp"))), Exception);
    const QString damaged = dir.filePath(QStringLiteral("damaged.png"));
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\x89PNG\r\n\x1a\nbroken");
    f.close();
    EXPECT_THROW(pic.SetFilename(damaged), EInvalidGraphic);

    pic.SetFilename(QString());
    EXPECT_EQ(pic.Width(), 0);
    pic.DrawPicture(target.Canvas(), Rect(0, 0, 4, 4));
}

TEST(ArrowWindow, HiddenGreenPopupShapedAsItsArrow)
{
    auto form = std::make_unique<TForm>(nullptr);
    auto* arrow = new TArrowWindow(form.get(), arrDown);
    EXPECT_EQ(arrow->Owner(), form.get());
    EXPECT_EQ(arrow->Parent(), form.get());
    EXPECT_FALSE(arrow->Visible());
    EXPECT_EQ(arrow->Color(), 0x00FF00);

    const std::vector<TPoint> down = TArrowWindow::ArrowPoints(arrDown);
    ASSERT_EQ(down.size(), 7u);
    EXPECT_EQ(down[4], Point(5, 8));
    HRGN rgn = CreatePolygonRgn(down.data(), 7, WINDING);
    EXPECT_TRUE(PtInRegion(rgn, 5, 6));
    EXPECT_FALSE(PtInRegion(rgn, 1, 1));
    DeleteObject(rgn);

    arrow->SetBounds(0, 0, 10, 10);
    arrow->HandleNeeded();
    arrow->Repaint();
    EXPECT_EQ(arrow->Canvas()->Pixels(5, 5), 0x00FF00);
}

namespace {

class TUpperChecker : public TProStringGridCheck {
public:
    using TProStringGridCheck::TProStringGridCheck;
    QString Correct(int, int, const QString& s) override { return s.toUpper(); }
};

} // namespace

TEST(ProStringGridCheck, BaseLeavesTextsAloneAndStartsSwitchedOff)
{
    TProStringGridCheck base(nullptr);
    EXPECT_FALSE(base.GotoCell() || base.AutoCorrect() || base.AutoMarkError() || base.UseCorrect() ||
                 base.UseMarkError());
    EXPECT_EQ(base.Correct(1, 2, QStringLiteral("ab")), QStringLiteral("ab"));
    EXPECT_EQ(base.MarkError(1, 2, QStringLiteral("ab")), QStringLiteral("ab"));

    TUpperChecker upper(nullptr);
    TProStringGridCheck* checker = &upper;
    EXPECT_EQ(checker->Correct(0, 0, QStringLiteral("ab")), QStringLiteral("AB"));
}
