// A string grid with its search bar to try by hand under Xvfb: type into
// the bar to find (the match case box and highlight button take part),
// Return finds the next hit; a click on a header sorts by its column, the
// button at a header's right opens the column's filter list, and keys
// typed into the grid go to the row whose sort column starts with them;
// the buttons sort by column 1 up and down, restore the first order, and
// narrow the rows to those whose column 2 holds the text of the edit
// below. Runs until the window is closed.
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid features"));
    form->SetBounds(10, 10, 620, 420);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 600, 320);
    grid->SetColCount(4);
    grid->SetRowCount(30);
    grid->SetCells(1, 0, QStringLiteral("Number"));
    grid->SetCells(2, 0, QStringLiteral("Name"));
    grid->SetCells(3, 0, QStringLiteral("Date"));
    const char* names[] = {"Pump", "Valve", "Sensor", "Room 1", "Room 2", "Boiler", "Fan"};
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QString::number((r * 37) % 101) + QStringLiteral(".5"));
        grid->SetCells(2, r, QString::fromLatin1(names[r % 7]) + QStringLiteral(" %1").arg(r));
        grid->SetCells(3, r, QStringLiteral("%1/%2/2024").arg(1 + (r * 7) % 28, 2, 10, QChar(u'0')).arg(1 + r % 12, 2, 10, QChar(u'0')));
    }
    grid->SortSettings()->SetShow(true);
    grid->SetFilterDropDownAuto(true);
    grid->Navigation()->SetAutoGotoWhenSorted(true);
    grid->Navigation()->SetAutoGotoIncremental(true);
    TSearchFooter* f = grid->SearchFooter();
    f->SetFindNextCaption(QStringLiteral("Find &next"));
    f->SetFindPrevCaption(QStringLiteral("Find &previous"));
    f->SetHighLightCaption(QStringLiteral("Highlight"));
    f->SetMatchCaseCaption(QStringLiteral("Match case"));
    f->SetVisible(true);

    const auto button = [form](int X, const char* Caption, TNotifyEvent Click) {
        auto* b = new TButton(form);
        b->SetParent(form);
        b->SetBounds(X, 340, 90, 25);
        b->SetCaption(QString::fromLatin1(Caption));
        b->OnClick = std::move(Click);
    };
    button(8, "Sort up", [=](TObject*) { grid->Sort(1, sdAscending); });
    button(104, "Sort down", [=](TObject*) { grid->Sort(1, sdDescending); });
    button(200, "Unsort", [=](TObject*) { grid->QUnSort(); });
    auto* narrow = new TEdit(form);
    narrow->SetParent(form);
    narrow->SetBounds(300, 342, 150, 22);
    narrow->OnChange = [=](TObject*) { grid->NarrowDown(narrow->Text(), 2); };

    form->Show();
    grid->SetFocus();
    Application->Run();
    return 0;
}
