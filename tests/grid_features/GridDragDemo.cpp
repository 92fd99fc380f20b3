// Two string grids to try the clipboard and drag and drop by hand under
// Xvfb: select cells, Ctrl+C in one grid and Ctrl+V in the other; or press
// on the selection and drag it over to the other grid (Ctrl held copies,
// otherwise the cells move). Cells travel with their colours. With the
// argument "columns" a header drags its column, shown by the header drag
// button. Runs until the window is closed.
#include "grid/core/DragSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Color.h"

namespace {

TProStringGrid* MakeGrid(TForm* Form, int X)
{
    auto* grid = new TProStringGrid(Form);
    grid->SetParent(Form);
    grid->SetBounds(X, 8, 380, 300);
    grid->SetColCount(5);
    grid->SetRowCount(12);
    grid->SetDefaultColWidth(70);
    grid->SetOptions(grid->Options() + goRangeSelect);
    TNavigation* nav = grid->Navigation();
    nav->SetAllowClipboardShortCuts(true);
    nav->SetAllowFmtClipboard(true);
    nav->SetAllowClipboardAlways(true);
    TDragDropSettings* dd = grid->DragDropSettings();
    dd->SetOleDropSource(true);
    dd->SetOleDropTarget(true);
    grid->UpdateOleDropTarget();
    return grid;
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid clipboard and drag"));
    form->SetBounds(10, 10, 790, 330);
    TProStringGrid* left = MakeGrid(form, 8);
    TProStringGrid* right = MakeGrid(form, 400);
    for (int r = 1; r < left->RowCount(); ++r)
        for (int c = 1; c < left->ColCount(); ++c)
            left->SetCells(c, r, QStringLiteral("%1%2").arg(QChar(u'A' + c - 1)).arg(r));
    left->SetColors(2, 2, clYellow);
    left->SetCells(1, 3, QStringLiteral("two\r\nlines"));
    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("columns")) {
        for (TProStringGrid* g : {left, right}) {
            g->SetEnhRowColMove(false);
            g->DragDropSettings()->SetOleColumnDragDrop(true);
            g->DragDropSettings()->SetShowCells(false);
            for (int c = 1; c < g->ColCount(); ++c)
                g->SetCells(c, 0, QStringLiteral("Column %1").arg(QChar(u'A' + c - 1)));
        }
    }
    form->Show();
    left->SetFocus();
    Application->Run();
    return 0;
}
