// A string grid to try by hand under Xvfb: the grid grows with its form
// (SizeWithForm), the header drag button floats over its header (with any
// argument a column-move arrow too), and a search bar edit reports Return
// and Ctrl+Return in the label below; two buttons hide column 2 and rows 3
// to 4, and show them again. Runs until the window is closed.
#include "grid/core/HeaderDragButton.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/foundation/ArrowWindow.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("String grid"));
    form->SetBounds(10, 10, 520, 380);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 496, 270);
    grid->SetColCount(6);
    grid->SetSizeWithForm(true);
    for (int c = 1; c < 6; ++c)
        grid->SetCells(c, 0, QStringLiteral("Column %1").arg(c));
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        for (int c = 1; c < 6; ++c)
            grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    }

    auto* edit = new TRetEdit(form);
    edit->SetParent(form);
    edit->SetBounds(8, 290, 200, 22);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(220, 293, 280, 18);
    label->SetCaption(QStringLiteral("Return: -"));
    edit->OnReturn = [=](TObject*) { label->SetCaption(QStringLiteral("Return: ") + edit->Text()); };
    edit->OnCtrlReturn = [=](TObject*) { label->SetCaption(QStringLiteral("Ctrl+Return: ") + edit->Text()); };

    auto* hide = new TButton(form);
    hide->SetParent(form);
    hide->SetBounds(8, 320, 120, 25);
    hide->SetCaption(QStringLiteral("Hide"));
    hide->OnClick = [=](TObject*) {
        grid->HideColumn(2);
        grid->HideRows(3, 4);
    };
    auto* show = new TButton(form);
    show->SetParent(form);
    show->SetBounds(136, 320, 120, 25);
    show->SetCaption(QStringLiteral("Show all"));
    show->OnClick = [=](TObject*) {
        grid->UnHideColumnsAll();
        grid->UnHideRowsAll();
    };

    form->Show();
    THeaderDragButton* button = grid->MoveButton();
    button->SetCaption(QStringLiteral("A dragged column with a long caption"));
    button->SetBounds(form->Left() + 150, form->Top() + 60, 120, 22);
    button->Show();
    button->BringToFront();
    if (argc > 1) {
        grid->ArwD()->SetBounds(form->Left() + 300, form->Top() + 60, 16, 16);
        grid->ArwD()->Show();
    }
    edit->SetFocus();
    Application->Run();
    return 0;
}
