// A string grid with its search bar to try by hand under Xvfb: Ctrl+F
// puts the focus into the bar, typing finds, Return finds the next hit
// (the found row shows above the bar), the cursor keys walk to the last
// row; column 2 holds long texts that wrap in the editor (F2 edits), and
// column 3 picks from a list. Runs until the window is closed.
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Search bar"));
    form->SetBounds(10, 10, 560, 360);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 540, 340);
    grid->SetColCount(4);
    grid->SetRowCount(40);
    grid->SetColWidths(2, 200);
    grid->SetWordWrap(true);
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetCells(1, 0, QStringLiteral("Name"));
    grid->SetCells(2, 0, QStringLiteral("Notes"));
    grid->SetCells(3, 0, QStringLiteral("Kind"));
    const char* names[] = {"Pump", "Valve", "Sensor", "Room", "Boiler", "Fan"};
    const char* kinds[] = {"analog", "binary", "multi-state"};
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QStringLiteral("%1 %2").arg(QString::fromLatin1(names[r % 6])).arg(r));
        grid->SetCells(2, r, QStringLiteral("Short note %1").arg(r));
        grid->SetCells(3, r, QString::fromLatin1(kinds[r % 3]));
    }
    grid->SetCells(2, 2,
                   QStringLiteral("A long note that wraps over several lines in the editor of its cell, "
                                  "so that the end of it lies far below the first line"));
    for (const char* k : kinds)
        grid->AddComboString(QString::fromLatin1(k));
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 3)
            AEditor = edComboList;
    };
    TSearchFooter* f = grid->SearchFooter();
    f->SetFindNextCaption(QStringLiteral("Find &next"));
    f->SetFindPrevCaption(QStringLiteral("Find &previous"));
    f->SetHighLightCaption(QStringLiteral("Highlight"));
    f->SetMatchCaseCaption(QStringLiteral("Match case"));
    f->SetVisible(true);

    form->Show();
    grid->SetFocus();
    Application->Run();
    return 0;
}
