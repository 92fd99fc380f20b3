#pragma once
// The printer. Pages are drawn on Canvas and go to a PDF file, or to the
// system's default printer when no file is set and one is configured.
// The canvas draws in device pixels; SetMapMode(MM_LOMETRIC) switches it
// to tenths of a millimetre with y upwards.
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Object.h"
#include <QString>
#include <memory>

enum class TPrinterOrientation { poPortrait, poLandscape };

// The PDF file the next print job writes; empty sends jobs to the default
// printer, or, when there is none, to "<Documents>/<Title>.pdf".
QString PrintOutputFileName();
void SetPrintOutputFileName(const QString& FileName);

class TPrinter : public TObject {
public:
    TPrinter();
    ~TPrinter() override;

    // Starts a job on page 1. Raises EPrinter when a job is running or the
    // output cannot be opened.
    void BeginDoc();
    // Finishes the job; a file appears only now, replacing an older one
    // whole. Raises EPrinter when no job runs or the file cannot be written.
    void EndDoc();
    // Raises EPrinter when no job runs.
    void NewPage();
    // Ends the job without output: the partial file is removed and an
    // older file of that name stays as it was. Does nothing outside a job.
    void Abort();

    bool Printing() const { return FPrinting; }
    // True after Abort until the next BeginDoc.
    bool Aborted() const { return FAborted; }
    // 1 on the first page; 0 outside a job.
    int PageNumber() const { return FPageNumber; }

    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value);
    TPrinterOrientation Orientation() const { return FOrientation; }
    // Raises EPrinter while printing.
    void SetOrientation(TPrinterOrientation Value);

    // The page in device pixels (A4 at the device resolution unless the
    // printer says otherwise).
    int PageWidth() const;
    int PageHeight() const;
    // Device pixels per inch.
    int Resolution() const;

    // Draws on the current page. Outside a job drawing goes nowhere, but
    // the canvas answers the page size and device resolution (for
    // GetDeviceCapsLogPixels), so a job can be laid out before BeginDoc.
    // Note: the font is kept at the device resolution, keeping its point
    // size.
    TCanvas* Canvas() const { return FCanvas.get(); }

private:
    struct TJob;
    void CheckPrinting() const;

    std::unique_ptr<CanvasSurface> FInfo;
    std::unique_ptr<TCanvas> FCanvas;
    std::unique_ptr<TJob> FJob;
    QString FTitle;
    TPrinterOrientation FOrientation = TPrinterOrientation::poPortrait;
    bool FPrinting = false;
    bool FAborted = false;
    int FPageNumber = 0;
};

// The application's printer.
TPrinter* Printer();
