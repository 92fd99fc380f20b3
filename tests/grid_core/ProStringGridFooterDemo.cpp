// The floating footer and the column sizing to try under Xvfb: a meter
// table whose footer keeps the totals under the scrolling rows, with
// buttons that size the columns to their content, fit them to the grid's
// width, swap the first two data columns and switch the footer's style.
// With an argument the window closes after that many milliseconds.
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Form.h"
#include "platform/controls/Timer.h"

namespace {

TButton* AddButton(TForm* Form, int X, const char* Caption, TNotifyEvent OnClick)
{
    auto* b = new TButton(Form);
    b->SetParent(Form);
    b->SetBounds(X, 300, 110, 26);
    b->SetCaption(QString::fromLatin1(Caption));
    b->OnClick = std::move(OnClick);
    return b;
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Meters"));
    form->SetBounds(20, 20, 620, 340);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 596, 280);
    grid->SetColCount(5);
    grid->SetRowCount(22);
    grid->SetDefaultRowHeight(22);
    grid->SetDefaultColWidth(64);
    const char* headers[] = {"#", "Meter", "Location", "Reading", "Unit"};
    for (int c = 0; c < 5; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
    const char* names[] = {"Main supply", "Heat pump", "Lighting floor 1", "Lighting floor 2", "Ventilation"};
    const char* places[] = {"Basement", "Roof", "Floor 1", "Floor 2", "Technical room east wing"};
    for (int r = 1; r <= 20; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QString::fromLatin1(names[(r - 1) % 5]));
        grid->SetCells(2, r, QString::fromLatin1(places[(r - 1) % 5]));
        grid->SetCells(3, r, QString::number(r * 12.5, 'f', 1));
        grid->SetCells(4, r, QStringLiteral("kWh"));
    }
    grid->SetCells(0, 21, QStringLiteral("Sum"));
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(1);
    TFloatingFooter* footer = grid->FloatingFooter();
    footer->SetVisible(true);
    footer->SetColumnCalc(3, acSUM);
    footer->SetColumnCalc(1, acCOUNT);
    footer->SetBorderColor(clGray);
    footer->SetCustomTemplate(QStringLiteral("<b>Meter:</b> <#1> at <#2>, reading <#3>"));

    AddButton(form, 8, "Size columns", [grid](TObject*) { grid->AutoSizeColumns(false, 4); });
    AddButton(form, 126, "Fit columns", [grid](TObject*) { grid->AutoFitColumns(false); });
    AddButton(form, 244, "Swap 1 and 2", [grid](TObject*) { grid->SwapColumns(1, 2); });
    AddButton(form, 362, "Footer style", [footer](TObject*) {
        footer->SetFooterStyle(footer->FooterStyle() == fsFixedLastRow ? fsCustomPreview : fsFixedLastRow);
    });
    AddButton(form, 480, "Hide row 2", [grid](TObject*) {
        grid->HideRows(2, 2);
        grid->CalcFooter(-1);
    });

    form->Show();
    if (argc > 1) {
        auto* timer = new TTimer(form);
        timer->SetInterval(unsigned(QString::fromLocal8Bit(argv[1]).toInt()));
        timer->OnTimer = [form](TObject*) { form->Close(); };
    }
    Application->Run();
    return 0;
}
