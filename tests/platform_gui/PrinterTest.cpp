#include "platform/services/Printer.h"
#include "platform/rtl/Exceptions.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrinterTest : public testing::Test {
protected:
    void SetUp() override { SetPrintOutputFileName(FileName()); }
    void TearDown() override
    {
        if (Printer()->Printing())
            Printer()->Abort();
        Printer()->SetOrientation(TPrinterOrientation::poPortrait);
        SetPrintOutputFileName(QString());
    }
    QString FileName() const { return FDir.filePath("out.pdf"); }

    // Output of a poppler tool; skips the test when the tool is missing.
    QString Run(const QString& tool, const QStringList& args)
    {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return QString();
        QProcess p;
        p.start(tool, args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QTemporaryDir FDir;
};

TEST_F(PrinterTest, ThreePagesReadBackInOrder)
{
    TPrinter* p = Printer();
    p->SetTitle("Grid");
    EXPECT_FALSE(p->Printing());
    p->BeginDoc();
    EXPECT_TRUE(p->Printing());
    for (int page = 1; page <= 3; ++page) {
        if (page > 1)
            p->NewPage();
        EXPECT_EQ(p->PageNumber(), page);
        SetMapMode(p->Canvas()->Handle(), MM_LOMETRIC);
        p->Canvas()->Font()->SetHeight(50);
        // y grows upwards: -200 is 2 cm below the top edge.
        p->Canvas()->TextOut(200, -200, QStringLiteral("Page %1 of three").arg(page));
    }
    EXPECT_FALSE(QFile::exists(FileName())) << "the file appears whole at EndDoc";
    p->EndDoc();
    EXPECT_FALSE(p->Printing());
    EXPECT_EQ(p->PageNumber(), 0);
    ASSERT_TRUE(QFile::exists(FileName()));
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList{"out.pdf"});

    const QString info = Run("pdfinfo", {FileName()});
    if (info.isEmpty())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not installed";
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Grid\\n"))) << info.toStdString();

    const QStringList pages = Run("pdftotext", {FileName(), "-"}).split(u'\f');
    ASSERT_GE(pages.size(), 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_EQ(pages[page - 1].trimmed(), QStringLiteral("Page %1 of three").arg(page));

    // The text sits near the top of the page, where y upwards puts it.
    const QString boxes = Run("pdftotext", {"-bbox", "-f", "1", "-l", "1", FileName(), "-"});
    const QRegularExpressionMatch m =
        QRegularExpression("yMin=\"([0-9.]+)\"[^>]*>Page<").match(boxes);
    ASSERT_TRUE(m.hasMatch()) << boxes.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 20 / 25.4 * 72, 10.0);
}

TEST_F(PrinterTest, OrientationAndPageSize)
{
    TPrinter* p = Printer();
    struct Case {
        TPrinterOrientation orientation;
        const char* pdfSize;
    } cases[] = {
        {TPrinterOrientation::poPortrait, "595 x 842 pts"},
        {TPrinterOrientation::poLandscape, "842 x 595 pts"},
    };
    for (const Case& c : cases) {
        p->SetOrientation(c.orientation);
        const int w = qRound(210 / 25.4 * p->Resolution()), h = qRound(297 / 25.4 * p->Resolution());
        const bool portrait = c.orientation == TPrinterOrientation::poPortrait;
        // A4 within the rounding of its size in points.
        EXPECT_NEAR(p->PageWidth(), portrait ? w : h, 5);
        EXPECT_NEAR(p->PageHeight(), portrait ? h : w, 5);
        const int width = p->PageWidth(), height = p->PageHeight();
        // The page in 0.1 mm can be worked out before the job begins.
        const int dpi = GetDeviceCapsLogPixels(p->Canvas()->Handle());
        EXPECT_EQ(dpi, p->Resolution());
        EXPECT_NEAR(qRound(254.0 / dpi * width), portrait ? 2100 : 2970, 2);
        EXPECT_NEAR(qRound(254.0 / dpi * height), portrait ? 2970 : 2100, 2);
        p->BeginDoc();
        EXPECT_EQ(p->PageWidth(), width);
        EXPECT_EQ(p->PageHeight(), height);
        EXPECT_EQ(GetDeviceCapsLogPixels(p->Canvas()->Handle()), p->Resolution());
        EXPECT_THROW(p->SetOrientation(TPrinterOrientation::poPortrait), EPrinter);
        p->Canvas()->TextOut(100, 100, "x");
        p->EndDoc();
        const QString info = Run("pdfinfo", {FileName()});
        if (!info.isEmpty()) {
            EXPECT_TRUE(info.contains(c.pdfSize)) << info.toStdString();
        }
    }
}

TEST_F(PrinterTest, AbortRemovesThePartialFileAndKeepsTheOldOne)
{
    {
        QFile old(FileName());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    TPrinter* p = Printer();
    p->BeginDoc();
    p->Canvas()->TextOut(10, 10, "partial");
    p->NewPage();
    p->Abort();
    EXPECT_FALSE(p->Printing());
    EXPECT_TRUE(p->Aborted());
    EXPECT_EQ(p->PageNumber(), 0);
    QFile f(FileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "old");
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList{"out.pdf"});

    p->BeginDoc();
    EXPECT_FALSE(p->Aborted());
    p->EndDoc();
}

TEST_F(PrinterTest, FontKeepsItsPointSizeAtDeviceResolution)
{
    TPrinter* p = Printer();
    p->Canvas()->Font()->SetSize(10);
    p->BeginDoc();
    EXPECT_EQ(p->Canvas()->Font()->Size(), 10);
    EXPECT_EQ(p->Canvas()->Font()->PixelsPerInch(), p->Resolution());
    EXPECT_NEAR(std::abs(p->Canvas()->Font()->Height()), 10 * p->Resolution() / 72, 1);
    p->EndDoc();
}

TEST_F(PrinterTest, MisuseRaises)
{
    TPrinter* p = Printer();
    EXPECT_THROW(p->EndDoc(), EPrinter);
    EXPECT_THROW(p->NewPage(), EPrinter);
    p->BeginDoc();
    EXPECT_THROW(p->BeginDoc(), EPrinter);
    p->Abort();

    SetPrintOutputFileName(FDir.filePath("missing/out.pdf"));
    EXPECT_THROW(p->BeginDoc(), EPrinter);
    EXPECT_FALSE(p->Printing());
}

} // namespace
