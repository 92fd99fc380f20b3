// A column grid to try by hand under Xvfb: a text, a hidden, a list, an
// edit-combo, a check-box and a read-only column; goColMoving lets the
// headers be dragged. Every grid event is printed to standard output, so a
// script driving it with real input can compare what happened. Runs until
// the window is closed.
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/rtl/StringList.h"
#include <cstdio>

namespace {

void Say(const QString& Line)
{
    std::printf("%s\n", qPrintable(Line));
    std::fflush(stdout);
}

QString At(const char* What, int ACol, int ARow)
{
    return QStringLiteral("%1 %2,%3").arg(QLatin1String(What)).arg(ACol).arg(ARow);
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Column grid"));
    form->SetBounds(10, 10, 560, 240);
    auto* g = new TProColumnGrid(form);
    g->SetParent(form);
    g->SetBounds(8, 8, 540, 220);
    g->SetColCount(7);
    g->SetRowCount(6);
    g->SetDefaultColWidth(86);
    g->SetColWidths(0, 30);
    g->SetOptions(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing,
                               goColMoving, goEditing, goTabs});
    g->SetLookup(true);
    const char* headers[] = {"", "Name", "Key", "Type", "Unit", "Active", "Id"};
    for (int c = 0; c < 7; ++c)
        g->ColumnItem(c)->SetHeader(QString::fromLatin1(headers[c]));
    g->ColumnItem(0)->SetFixed(true);
    g->ColumnItem(3)->SetEditor(edComboList);
    g->ColumnItem(3)->ComboItems()->AddStrings(QStringList{"Analog Input", "Analog Value", "Binary Input"});
    g->ColumnItem(4)->SetEditor(edComboEdit);
    g->ColumnItem(4)->ComboItems()->AddStrings(QStringList{"Celsius", "Kelvin", "Percent"});
    g->ColumnItem(5)->SetEditor(edDataCheckBox);
    g->ColumnItem(6)->SetReadOnly(true);
    for (int r = 1; r < 6; ++r) {
        g->SetCells(0, r, QString::number(r));
        g->SetCells(1, r, QStringLiteral("dev%1").arg(r));
        g->SetCells(2, r, QStringLiteral("k%1").arg(r));
        g->SetCells(3, r, QStringLiteral("Analog Input"));
        g->SetCells(4, r, QStringLiteral("Kelvin"));
        g->SetCells(5, r, QStringLiteral("N"));
        g->SetCells(6, r, QString::number(100 + r));
    }
    g->HideColumn(2);
    g->OnClickCell = [](TObject*, int ARow, int ACol) { Say(At("click", ACol, ARow)); };
    g->OnCellValidate = [](TObject*, int ACol, int ARow, QString& Value, bool&) {
        Say(At("validate", ACol, ARow) + QLatin1Char(' ') + Value);
    };
    g->OnEditChange = [](TObject*, int ACol, int ARow, const QString& Value) {
        Say(At("edit", ACol, ARow) + QLatin1Char(' ') + Value);
    };
    g->OnComboChange = [](TObject*, int ACol, int ARow, int Index, const QString& Text) {
        Say(At("combo", ACol, ARow) + QStringLiteral(" %1 %2").arg(Index).arg(Text));
    };
    g->OnCheckBoxClick = [](TObject*, int ACol, int ARow, bool State) {
        Say(At("check click", ACol, ARow) + (State ? QStringLiteral(" on") : QStringLiteral(" off")));
    };
    g->OnEditCellDone = [g](TObject*, int ACol, int ARow) {
        Say(At("edit cell done", ACol, ARow) + QLatin1Char(' ') + g->Cells(ACol, ARow));
    };
    g->OnAfterColumnMoved = [](TObject*, int From, int To) {
        Say(QStringLiteral("moved %1 to %2").arg(From).arg(To));
    };
    form->Show();
    g->SetFocus();
    Application->Run();
    return 0;
}
