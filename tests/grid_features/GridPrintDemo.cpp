// Printing to try by hand under Xvfb: the buttons show page 1 or 2 of the
// grid's print preview beside it, or print the grid to the PDF file named
// on the command line (grid.pdf in the working folder without one). The
// grid has a rotated header, a merged cell, check boxes, progress bars
// and a coloured cell. Runs until the window is closed.
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/services/Printer.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    SetPrintOutputFileName(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("grid.pdf"));
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid printing"));
    form->SetBounds(10, 10, 1000, 720);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 420, 620);
    grid->SetColCount(6);
    grid->SetRowCount(60);
    grid->SetRowHeights(0, 60);
    const char* heads[] = {"", "Device", "Value", "Unit", "Active", "Level"};
    for (int c = 1; c < 6; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(heads[c]));
    grid->AddRotated(3, 0, 90, QStringLiteral("Unit"));
    const char* names[] = {"Pump", "Valve", "Sensor", "Room 1", "Room 2", "Boiler", "Fan"};
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QString::fromLatin1(names[r % 7]) + QStringLiteral(" %1").arg(r));
        grid->SetCells(2, r, QString::number((r * 37) % 101) + QStringLiteral(".5"));
        grid->SetCells(3, r, r % 2 ? QStringLiteral("°C") : QStringLiteral("%"));
        grid->AddCheckBox(4, r, r % 3 == 0, false);
        grid->SetCells(5, r, QString::number((r * 13) % 100));
        grid->AddProgress(5, r, clGreen, clWhite);
    }
    grid->MergeCells(1, 4, 2, 2);
    grid->SetCells(1, 4, QStringLiteral("Merged over two rows and columns"));
    grid->SetColors(2, 7, clYellow);

    TPrintSettings* ps = grid->PrintSettings();
    ps->SetPageNr(ppBottomRight);
    ps->SetTitle(ppTopCenter);
    ps->SetTitleText(QStringLiteral("Device list"));
    ps->SetDate(ppTopLeft);
    ps->SetPrintGraphics(true);
    ps->SetRepeatFixedRows(true);
    ps->SetBorders(pbSingle);
    ps->SetHeaderSize(100);
    ps->SetFooterSize(100);

    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetBounds(440, 8, 440, 622);

    const auto preview = [=](int Page) {
        TBitmap b;
        b.SetSize(440, 622);
        b.Canvas()->Brush()->SetColor(clWhite);
        b.Canvas()->FillRect(TRect{0, 0, 440, 622});
        grid->SetPreviewPage(Page);
        grid->PrintPreview(b.Canvas(), TRect{0, 0, 440, 622});
        image->Picture()->Assign(&b);
    };
    const auto button = [form](int X, const char* Caption, TNotifyEvent Click) {
        auto* b = new TButton(form);
        b->SetParent(form);
        b->SetBounds(X, 640, 100, 25);
        b->SetCaption(QString::fromLatin1(Caption));
        b->OnClick = std::move(Click);
    };
    button(8, "Page 1", [=](TObject*) { preview(1); });
    button(116, "Page 2", [=](TObject*) { preview(2); });
    button(224, "Print PDF", [=](TObject*) { grid->Print(); });

    form->Show();
    grid->SetFocus();
    Application->Run();
    return 0;
}
