// A string grid to edit by hand under Xvfb, laid out like the
// configurator's tables: column 1 plain text, column 2 numbers only,
// column 3 a combo list ("a", "b", "c"), column 4 an editable combo,
// column 5 data check boxes ("Y"/"N"), column 6 a colour picker (the
// cell's background, its name as text), column 7 a calculator. Validation
// refuses the text "bad". The form's Cancel button (Escape) reports its
// clicks.
// The label below shows the last editing events; with any argument the
// events are also printed on standard output. Runs until the window is
// closed.
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    const bool print = argc > 1;
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("String grid editing"));
    form->SetBounds(10, 10, 620, 360);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 600, 240);
    grid->SetColCount(8);
    grid->SetRowCount(8);
    grid->SetOptions(grid->Options() + goEditing + goTabs);
    grid->Navigation()->SetAdvanceOnEnter(true);
    const char* titles[] = {"", "Name", "Number", "List", "Edit combo", "On", "Colour", "Sum"};
    for (int c = 1; c < 8; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(titles[c]));
    for (int r = 1; r < grid->RowCount(); ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QStringLiteral("Setpoint <Room %1>").arg(r));
        grid->SetCells(2, r, QString::number(r * 10));
        grid->SetCells(3, r, r == 1 ? QStringLiteral("unknown") : QStringLiteral("a"));
        grid->SetCells(4, r, QStringLiteral("b"));
        grid->SetCells(6, r, QStringLiteral("Green"));
        grid->SetColors(6, r, TColor(0x008000));
        grid->SetCells(7, r, QString::number(r));
    }
    grid->AddCheckBoxColumn(5, false, true);
    for (const char* s : {"a", "b", "c"})
        grid->AddComboString(QString::fromLatin1(s));
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        switch (ACol) {
        case 2: AEditor = edNumeric; break;
        case 3: AEditor = edComboList; break;
        case 4: AEditor = edComboEdit; break;
        case 5: AEditor = edDataCheckBox; break;
        case 6: AEditor = edColorPickerDropDown; break;
        case 7: AEditor = edCalculatorDropDown; break;
        default: break;
        }
    };

    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(8, 256, 500, 90);
    label->SetWordWrap(true);
    auto events = std::make_shared<QStringList>();
    auto log = [=](const QString& S) {
        if (print) {
            std::printf("%s\n", S.toUtf8().constData());
            std::fflush(stdout);
        }
        *events << S;
        while (events->size() > 5)
            events->removeFirst();
        label->SetCaption(events->join(QStringLiteral("\n")));
    };
    grid->OnCellValidate = [=](TObject*, int ACol, int ARow, QString& Value, bool& Valid) {
        Valid = Value != QStringLiteral("bad");
        log(QStringLiteral("validate %1,%2 \"%3\" %4").arg(ACol).arg(ARow).arg(Value, Valid ? "ok" : "refused"));
    };
    grid->OnCellsChanged = [=](TObject*, const TRect& R) {
        log(QStringLiteral("cells changed %1,%2").arg(R.Left).arg(R.Top));
    };
    grid->OnComboChange = [=](TObject*, int ACol, int ARow, int Index, const QString& Text) {
        log(QStringLiteral("combo change %1,%2 %3 \"%4\"").arg(ACol).arg(ARow).arg(Index).arg(Text));
    };
    grid->OnCheckBoxClick = [=](TObject*, int ACol, int ARow, bool State) {
        log(QStringLiteral("check box %1,%2 %3 cell \"%4\"")
                .arg(ACol)
                .arg(ARow)
                .arg(State ? "on" : "off", grid->Cells(ACol, ARow)));
    };
    grid->OnEditCellDone = [=](TObject*, int ACol, int ARow) {
        log(QStringLiteral("edit cell done %1,%2 \"%3\"").arg(ACol).arg(ARow).arg(grid->Cells(ACol, ARow)));
    };
    grid->OnColorSelected = [=](TObject*, int ACol, int ARow, TColor& Color, QString& Value) {
        log(QStringLiteral("colour %1,%2 %3 \"%4\"").arg(ACol).arg(ARow).arg(Color, 6, 16, QLatin1Char('0')).arg(Value));
    };
    grid->OnClickCell = [=](TObject*, int ARow, int ACol) { log(QStringLiteral("click %1,%2").arg(ARow).arg(ACol)); };

    auto* cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(520, 256, 80, 25);
    cancel->SetCaption(QStringLiteral("Cancel"));
    cancel->SetCancel(true);
    cancel->OnClick = [=](TObject*) { log(QStringLiteral("Cancel clicked")); };

    form->Show();
    grid->SetFocus();
    grid->SetCol(1);
    grid->SetRow(1);
    Application->Run();
    return 0;
}
