#include "platform/services/Printer.h"

#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Exceptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cstdio>

namespace {

constexpr int DeviceDpi = 600;

QString& OutputFileName()
{
    static QString name;
    return name;
}

QPageLayout::Orientation ToQt(TPrinterOrientation o)
{
    return o == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The page size in pixels at dpi for the orientation, as a job lays it out.
QSize PagePixels(const QPageSize& size, TPrinterOrientation o, int dpi)
{
    return QPageLayout(size, ToQt(o), QMarginsF()).fullRectPixels(dpi).size();
}

// The canvas's surface outside a job: it answers the page size and the
// device resolution, so a job can be laid out before it begins; what is
// drawn on it goes nowhere.
class PrinterInfoSurface : public ImageSurface {
public:
    explicit PrinterInfoSurface(const TPrinter* Printer) : ImageSurface(1, 1), FPrinter(Printer) {}
    QSize Size() const override { return QSize(FPrinter->PageWidth(), FPrinter->PageHeight()); }
    int Dpi() const override { return DeviceDpi; }

private:
    const TPrinter* FPrinter;
};

// Point sizes keep their size on paper at the device resolution.
void SetFontResolution(TFont* Font, int Dpi)
{
    const int points = Font->Size();
    Font->SetPixelsPerInch(Dpi);
    Font->SetSize(points);
}

QString DefaultFileName(const QString& title)
{
    QString base = title.trimmed();
    base.replace(u'/', u'_');
    if (base.isEmpty())
        base = QStringLiteral("Document");
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + u'/' + base +
           QStringLiteral(".pdf");
}

} // namespace

QString PrintOutputFileName()
{
    return OutputFileName();
}

void SetPrintOutputFileName(const QString& FileName)
{
    OutputFileName() = FileName;
}

// One job: the printer device, its painter and the page surface the canvas
// draws on. A PDF goes to a temporary file beside the target first.
struct TPrinter::TJob {
    QPrinter Device{QPrinter::HighResolution};
    QPainter Painter;
    std::unique_ptr<PainterSurface> Surface;
    std::unique_ptr<QTemporaryFile> Temp;
    QString Target;
};

TPrinter::TPrinter()
    : FInfo(std::make_unique<PrinterInfoSurface>(this)), FCanvas(std::make_unique<TCanvas>())
{
    FCanvas->SetSurface(FInfo.get());
    SetFontResolution(FCanvas->Font(), DeviceDpi);
}

TPrinter::~TPrinter()
{
    if (FPrinting)
        Abort();
}

void TPrinter::CheckPrinting() const
{
    if (!FPrinting)
        throw EPrinter(QStringLiteral("Printer is not currently printing"));
}

void TPrinter::SetTitle(const QString& Value)
{
    FTitle = Value;
}

void TPrinter::SetOrientation(TPrinterOrientation Value)
{
    if (FPrinting)
        throw EPrinter(QStringLiteral("Printing in progress"));
    FOrientation = Value;
}

int TPrinter::Resolution() const
{
    return DeviceDpi;
}

int TPrinter::PageWidth() const
{
    if (FJob)
        return FJob->Surface->Size().width();
    return PagePixels(QPageSize(QPageSize::A4), FOrientation, DeviceDpi).width();
}

int TPrinter::PageHeight() const
{
    if (FJob)
        return FJob->Surface->Size().height();
    return PagePixels(QPageSize(QPageSize::A4), FOrientation, DeviceDpi).height();
}

void TPrinter::BeginDoc()
{
    if (FPrinting)
        throw EPrinter(QStringLiteral("Printing in progress"));
    auto job = std::make_unique<TJob>();
    QPrinter& dev = job->Device;
    dev.setResolution(DeviceDpi);
    dev.setDocName(FTitle);
    dev.setCreator(QStringLiteral("Stratagon"));
    dev.setFullPage(true);

    QString target = OutputFileName();
    QPrinterInfo system;
    if (target.isEmpty()) {
        system = QPrinterInfo::defaultPrinter();
        if (system.isNull()) {
            target = DefaultFileName(FTitle);
            QDir().mkpath(QFileInfo(target).absolutePath());
        }
    }
    if (target.isEmpty()) {
        dev.setPrinterName(system.printerName());
        dev.setOutputFormat(QPrinter::NativeFormat);
    } else {
        const QFileInfo info(target);
        job->Target = info.absoluteFilePath();
        job->Temp = std::make_unique<QTemporaryFile>(info.absolutePath() + u'/' + info.fileName() +
                                                     QStringLiteral(".XXXXXX"));
        if (!job->Temp->open())
            throw EPrinter(QStringLiteral("Cannot create \"%1\": %2").arg(job->Target, job->Temp->errorString()));
        job->Temp->close();
        dev.setOutputFormat(QPrinter::PdfFormat);
        dev.setOutputFileName(job->Temp->fileName());
        dev.setPageSize(QPageSize(QPageSize::A4));
    }
    dev.setPageOrientation(ToQt(FOrientation));
    if (!job->Painter.begin(&dev))
        throw EPrinter(QStringLiteral("Cannot start printing \"%1\"").arg(FTitle));

    const QRect page = dev.pageLayout().fullRectPixels(dev.resolution());
    job->Surface = std::make_unique<PainterSurface>(&job->Painter, page.size(), dev.resolution());
    FJob = std::move(job);
    FCanvas->SetSurface(FJob->Surface.get());
    SetFontResolution(FCanvas->Font(), dev.resolution());
    FCanvas->Refresh();
    FPrinting = true;
    FAborted = false;
    FPageNumber = 1;
}

void TPrinter::NewPage()
{
    CheckPrinting();
    FJob->Device.newPage();
    FCanvas->Refresh();
    ++FPageNumber;
}

void TPrinter::EndDoc()
{
    CheckPrinting();
    FCanvas->SetSurface(FInfo.get());
    std::unique_ptr<TJob> job = std::move(FJob);
    FPrinting = false;
    FPageNumber = 0;
    const bool ended = job->Painter.end();
    if (!job->Temp)
        return;
    // The finished PDF replaces the target whole.
    const QString temp = job->Temp->fileName();
    job->Temp->setAutoRemove(false);
    job->Temp.reset();
    QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!ended || ::rename(QFile::encodeName(temp).constData(), QFile::encodeName(job->Target).constData()) != 0) {
        QFile::remove(temp);
        throw EPrinter(QStringLiteral("Cannot write \"%1\"").arg(job->Target));
    }
}

void TPrinter::Abort()
{
    if (!FPrinting)
        return;
    FCanvas->SetSurface(FInfo.get());
    std::unique_ptr<TJob> job = std::move(FJob);
    FPrinting = false;
    FAborted = true;
    FPageNumber = 0;
    job->Device.abort();
    if (job->Painter.isActive())
        job->Painter.end();
    // The temporary file goes with the job; the target was never touched.
}

TPrinter* Printer()
{
    static TPrinter printer;
    return &printer;
}
