// A column grid on a form driven by real input: clicks and keys on a text,
// a list, an edit-combo, a check-box, a read-only and a hidden column, and
// the columns' settings after moves and hiding.
#include "../support/QStringPrinter.h"
#include "grid/core/GridEditors.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/rtl/StringList.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace SyntheticInput;

namespace {

// Real columns: 0 row numbers (fixed), 1 Name (text), 2 Key (hidden),
// 3 Type (list), 4 Unit (edit-combo with look-up), 5 Active (check box),
// 6 Id (read-only). Displayed, Key is gone: Type is column 2, Id column 5.
enum { ColName = 1, ColKey = 2, ColType = 3, ColUnit = 4, ColActive = 5, ColId = 6 };

class ColumnGridInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 640, 320);
        Grid = new TProColumnGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 620, 300);
        Grid->SetColCount(7);
        Grid->SetRowCount(5);
        Grid->SetDefaultColWidth(80);
        Grid->SetOptions(TGridOptions{
            goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goColSizing, goEditing});
        Grid->SetLookup(true);
        const char* headers[] = {"", "Name", "Key", "Type", "Unit", "Active", "Id"};
        for (int c = 0; c < 7; ++c)
            Grid->ColumnItem(c)->SetHeader(QString::fromLatin1(headers[c]));
        Grid->ColumnItem(0)->SetFixed(true);
        Grid->ColumnItem(ColType)->SetEditor(edComboList);
        Grid->ColumnItem(ColType)->ComboItems()->AddStrings(
            QStringList{"Analog Input", "Analog Value", "Binary Input"});
        Grid->ColumnItem(ColUnit)->SetEditor(edComboEdit);
        Grid->ColumnItem(ColUnit)->ComboItems()->AddStrings(QStringList{"Celsius", "Kelvin", "Percent"});
        Grid->ColumnItem(ColActive)->SetEditor(edDataCheckBox);
        Grid->ColumnItem(ColId)->SetReadOnly(true);
        for (int r = 1; r < 5; ++r) {
            Grid->SetCells(0, r, QString::number(r));
            Grid->SetCells(ColName, r, QStringLiteral("dev%1").arg(r));
            Grid->SetCells(ColKey, r, QStringLiteral("k%1").arg(r));
            Grid->SetCells(ColType, r, QStringLiteral("Analog Input"));
            Grid->SetCells(ColUnit, r, QStringLiteral("Kelvin"));
            Grid->SetCells(ColActive, r, QStringLiteral("N"));
            Grid->SetCells(ColId, r, QString::number(100 + r));
        }
        Grid->HideColumn(ColKey);
        Form->Show();
        Grid->SetFocus();
        Log.clear();
        Record();
    }
    void TearDown() override
    {
        DeliverPostedMessages();
        Form.reset();
    }

    void Record()
    {
        auto cell = [](const char* What, int ACol, int ARow) {
            return QStringLiteral("%1 %2,%3").arg(QLatin1String(What)).arg(ACol).arg(ARow);
        };
        Grid->OnClickCell = [this, cell](TObject*, int ARow, int ACol) { Log << cell("click", ACol, ARow); };
        Grid->OnCellValidate = [this, cell](TObject*, int ACol, int ARow, QString& Value, bool&) {
            Log << cell("validate", ACol, ARow) + QLatin1Char(' ') + Value;
        };
        Grid->OnEditChange = [this, cell](TObject*, int ACol, int ARow, const QString& Value) {
            Log << cell("edit", ACol, ARow) + QLatin1Char(' ') + Value;
        };
        Grid->OnComboChange = [this, cell](TObject*, int ACol, int ARow, int Index, const QString& Text) {
            Log << cell("combo", ACol, ARow) + QStringLiteral(" %1 %2").arg(Index).arg(Text);
        };
        Grid->OnComboDropDown = [this, cell](TObject*, int ARow, int ACol) { Log << cell("drop down", ACol, ARow); };
        Grid->OnComboCloseUp = [this, cell](TObject*, int ARow, int ACol) { Log << cell("close up", ACol, ARow); };
        Grid->OnCheckBoxClick = [this, cell](TObject*, int ACol, int ARow, bool State) {
            Log << cell("check click", ACol, ARow) + (State ? QStringLiteral(" on") : QStringLiteral(" off"));
        };
        Grid->OnCheckBoxChange = [this, cell](TObject*, int ACol, int ARow, bool State) {
            Log << cell("check change", ACol, ARow) + (State ? QStringLiteral(" on") : QStringLiteral(" off"));
        };
        Grid->OnCellsChanged = [this, cell](TObject*, const TRect& R) { Log << cell("changed", R.Left, R.Top); };
        Grid->OnEditingDone = [this](TObject*) { Log << QStringLiteral("editing done"); };
        Grid->OnEditCellDone
            = [this, cell](TObject*, int ACol, int ARow) { Log << cell("edit cell done", ACol, ARow); };
    }

    // Client point in the middle of displayed cell (c, r).
    TPoint Mid(int c, int r) const
    {
        const TRect R = Grid->CellRect(c, r);
        return TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
    }
    void ClickAt(TPoint P)
    {
        MouseDown(Grid, mbLeft, P);
        MouseUp(Grid, mbLeft, P);
    }
    void ClickCell(int c, int r) { ClickAt(Mid(c, r)); }
    // A point on the check box of displayed cell (c, r).
    TPoint Box(int c, int r)
    {
        const TRect R = Grid->CellRect(c, r);
        const int y = (R.Top + R.Bottom) / 2;
        for (int x = R.Left; x < R.Right; ++x)
            if (Grid->IsInCheckBox(Grid->DisplToRealCol(c), r, x, y))
                return TPoint{x + 2, y};
        ADD_FAILURE() << "no check box in " << c << "," << r;
        return Mid(c, r);
    }
    // The shown list of the grid's combo editor; nil when it is closed.
    QAbstractItemView* OpenList() const
    {
        auto* combo = Grid->Combobox() ? qobject_cast<QComboBox*>(NativeWidget(Grid->Combobox())) : nullptr;
        return combo && combo->view()->isVisible() ? combo->view() : nullptr;
    }
    // The control that has the keyboard focus, as keys go to it.
    static TWinControl* FocusedControl() { return FindControl(GetFocus()); }
    // Runs one step of a script: "click c r" and "box c r" on displayed
    // cells, "key Name" with Alt+ or Shift+ in front, "type text".
    void Step(const QString& Line)
    {
        const QString verb = Line.section(' ', 0, 0);
        const QString rest = Line.section(' ', 1);
        if (verb == QLatin1String("click") || verb == QLatin1String("box")) {
            const int c = rest.section(' ', 0, 0).toInt();
            const int r = rest.section(' ', 1, 1).toInt();
            ClickAt(verb == QLatin1String("box") ? Box(c, r) : Mid(c, r));
        } else if (verb == QLatin1String("type")) {
            Type(FocusedControl(), rest);
        } else if (verb == QLatin1String("key")) {
            TShiftState shift;
            QString name = rest;
            if (name.startsWith(QLatin1String("Alt+")))
                shift += ssAlt;
            if (name.startsWith(QLatin1String("Shift+")))
                shift += ssShift;
            name = name.section('+', -1);
            static const std::map<QString, std::pair<int, QString>> keys{
                {"Return", {VK_RETURN, "\r"}},
                {"Tab", {VK_TAB, "\t"}},
                {"Escape", {VK_ESCAPE, "\x1b"}},
                {"Space", {VK_SPACE, " "}},
                {"F2", {VK_F2, QString()}},
                {"Delete", {VK_DELETE, QString()}},
                {"Down", {VK_DOWN, QString()}},
                {"Up", {VK_UP, QString()}},
                {"Right", {VK_RIGHT, QString()}},
                {"Left", {VK_LEFT, QString()}},
            };
            const auto k = keys.find(name);
            ASSERT_NE(k, keys.end()) << name.toStdString();
            // An open list has the keyboard, as it has on screen.
            if (QAbstractItemView* list = OpenList()) {
                const int vk = k->second.first;
                const Qt::Key key = vk == VK_RETURN ? Qt::Key_Return
                    : vk == VK_ESCAPE               ? Qt::Key_Escape
                    : vk == VK_DOWN                 ? Qt::Key_Down
                    : vk == VK_UP                   ? Qt::Key_Up
                                                    : Qt::Key_unknown;
                ASSERT_NE(key, Qt::Key_unknown) << name.toStdString();
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, k->second.second);
                QApplication::sendEvent(list, &press);
                // The release goes where the keyboard went meanwhile.
                if (QWidget* now = FocusedControl() ? NativeWidget(FocusedControl()) : nullptr) {
                    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, k->second.second);
                    QApplication::sendEvent(now, &release);
                }
                return;
            }
            Key(FocusedControl(), k->second.first, shift, shift.Contains(ssAlt) ? QString() : k->second.second);
        } else {
            ADD_FAILURE() << "unknown step " << Line.toStdString();
        }
    }
    void Run(const QString& Script)
    {
        for (const QString& line : Script.split('|'))
            Step(line);
        DeliverPostedMessages();
    }

    std::unique_ptr<TForm> Form;
    TProColumnGrid* Grid = nullptr;
    QStringList Log;
};

} // namespace

// What a user does to one column: the events in the order they fire, the
// cell afterwards, where the cursor ends and whether an editor is open.
// The cursor starts on Name in row 1; displayed columns: 1 Name, 2 Type,
// 3 Unit, 4 Active, 5 Id.
TEST_F(ColumnGridInput, EachColumnEditsAsItsSettingsSay)
{
    struct Case {
        const char* Name;
        bool Tabs;
        const char* Script;
        int Col, Row; // real column and row of the cell to read
        QStringList Events;
    };
    const Case cases[] = {
        {"text: a click on the current cell edits, Return writes", false, "click 1 1|type ab|key Return", ColName, 1,
            {"click 1,1", "edit 1,1 a", "edit 1,1 ab", "validate 1,1 ab", "changed 1,1", "editing done",
                "edit cell done 1,1", "cell ab", "at 1,1"}},
        {"text: another cell edits on its second click", false, "click 1 2|click 1 2|type ab|key Return", ColName, 2,
            {"click 1,2", "click 1,2", "edit 1,2 a", "edit 1,2 ab", "validate 1,2 ab", "changed 1,2", "editing done",
                "edit cell done 1,2", "cell ab", "at 1,2"}},
        {"text: Escape keeps the old text", false, "click 1 1|type ab|key Escape", ColName, 1,
            {"click 1,1", "edit 1,1 a", "edit 1,1 ab", "edit 1,1 dev1", "editing done", "edit cell done 1,1",
                "cell dev1", "at 1,1"}},
        {"list: Alt+Down drops it, Down and Return choose", false,
            "click 2 1|click 2 1|key Alt+Down|key Down|key Return", ColType, 1,
            {"click 2,1", "click 2,1", "drop down 3,1", "close up 3,1", "edit 2,1 Analog Value",
          "combo 3,1 1 Analog Value",
                "validate 3,1 Analog Value", "changed 3,1", "editing done", "edit cell done 3,1", "cell Analog Value",
                "at 2,1"}},
        {"list: Escape in the open list keeps the item", false,
         "click 2 1|click 2 1|key Alt+Down|key Down|key Escape", ColType, 1,
         {"click 2,1", "click 2,1", "drop down 3,1", "close up 3,1", "editing done", "edit cell done 3,1",
          "cell Analog Input", "at 2,1"}},
        {"edit-combo: a typed prefix completes from the column's items", false,
            "click 3 1|click 3 1|type pe|key Return", ColUnit, 1,
            {"click 3,1", "click 3,1", "edit 3,1 p", "combo 4,1 -1 p", "edit 3,1 pe", "combo 4,1 -1 pe",
                "validate 4,1 percent", "changed 4,1", "editing done", "edit cell done 4,1", "cell percent", "at 3,1"}},
        {"check box: a click on the box toggles without a cell click", false, "box 4 1", ColActive, 1,
            {"check change 5,1 on", "check click 5,1 on", "cell Y", "at 4,1"}},
        {"check box: a second click puts it back", false, "box 4 2|box 4 2", ColActive, 2,
            {"check change 5,2 on", "check click 5,2 on", "check change 5,2 off", "check click 5,2 off", "cell N",
                "at 4,2"}},
        {"check box: Space toggles", false, "key Right|key Right|key Right|key Space", ColActive, 1,
            {"check change 5,1 on", "check click 5,1 on", "cell Y", "at 4,1"}},
        {"read-only: clicks, typing, F2 and Delete change nothing", false,
            "click 5 1|click 5 1|type 9|key F2|key Delete|key Return", ColId, 1,
            {"click 5,1", "click 5,1", "cell 101", "at 5,1"}},
        {"hidden: Right steps over it", false, "key Right", ColType, 1, {"cell Analog Input", "at 2,1"}},
        {"hidden: Left steps back over it", false, "key Right|key Left", ColName, 1, {"cell dev1", "at 1,1"}},
        {"hidden: Tab from the text editor goes on to the list", true, "click 1 1|type ab|key Tab", ColName, 1,
            {"click 1,1", "edit 1,1 a", "edit 1,1 ab", "validate 1,1 ab", "changed 1,1", "editing done",
                "edit cell done 1,1", "cell ab", "at 2,1 editing"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        if (c.Tabs)
            Grid->SetOptions(Grid->Options() + goTabs);
        Run(QString::fromUtf8(c.Script));
        Log << QStringLiteral("cell ") + Grid->Cells(c.Col, c.Row);
        Log << QStringLiteral("at %1,%2%3").arg(Grid->Col()).arg(Grid->Row()).arg(Grid->EditMode() ? " editing" : "");
        EXPECT_EQ(Log, c.Events);
        for (int r = 1; r < 5; ++r)
            EXPECT_EQ(Grid->Cells(ColKey, r), QStringLiteral("k%1").arg(r)) << "the hidden column keeps its cells";
        TearDown();
    }
}

// Columns moved by MoveColumn or by a header drag, hidden and shown again:
// each column, found by its header, still edits as its settings say.
TEST_F(ColumnGridInput, SettingsFollowTheirColumnThroughMovesAndHiding)
{
    struct Case {
        const char* Name;
        const char* Arrange;
        const char* Order; // the headers as shown afterwards
        QStringList Differs; // probe lines that differ from an untouched grid
    };
    const Case cases[] = {
        {"as made", "", "Name Type Unit Active Id", {}},
        {"the list moved right past the hidden column", "move 2 5", "Name Unit Active Id Type", {}},
        {"the read-only column moved to the front", "move 5 1", "Id Name Type Unit Active", {}},
        {"the edit-combo dragged by its header", "drag 3 1", "Unit Name Type Active Id", {}},
        {"the text column dragged past the check box", "drag 1 4", "Type Unit Active Name Id", {}},
        {"moved, then another column hidden", "move 1 4|hide Type", "Unit Active Name Id",
            {"Type: hidden Analog Input"}},
        {"moved, hidden and all shown again", "move 4 1|hide Unit|unhide", "Active Name Key Type Unit Id",
            {"Key: text"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetUp();
        Grid->SetOptions(Grid->Options() + goColMoving);
        auto realOf = [this](const QString& Header) {
            for (int i = 0; i < Grid->Columns()->Count(); ++i)
                if (Grid->ColumnItem(i)->Header() == Header)
                    return i;
            return -1;
        };
        for (const QString& op : QString::fromUtf8(c.Arrange).split('|', Qt::SkipEmptyParts)) {
            const QStringList w = op.split(' ');
            if (w[0] == QLatin1String("move")) {
                Grid->MoveColumn(w[1].toInt(), w[2].toInt());
            } else if (w[0] == QLatin1String("drag")) {
                const TPoint from = Mid(w[1].toInt(), 0);
                const TPoint to = Mid(w[2].toInt(), 0);
                MouseDown(Grid, mbLeft, from);
                MouseMove(Grid, TPoint{(from.X + to.X) / 2, to.Y}, TShiftState{} + ssLeft);
                MouseMove(Grid, to, TShiftState{} + ssLeft);
                MouseUp(Grid, mbLeft, to);
            } else if (w[0] == QLatin1String("hide")) {
                Grid->HideColumn(realOf(w[1]));
            } else if (w[0] == QLatin1String("unhide")) {
                Grid->UnHideColumnsAll();
            }
        }
        QStringList order;
        for (int d = 1; d < Grid->ColCount(); ++d)
            order << Grid->Cells(Grid->DisplToRealCol(d), 0);
        EXPECT_EQ(order.join(' '), QString::fromLatin1(c.Order));
        // A probe on row 2 of each column, through clicks and keys only.
        QStringList found;
        for (const char* name : {"Name", "Type", "Unit", "Active", "Id", "Key"}) {
            const int real = realOf(QString::fromLatin1(name));
            QString what;
            if (real < 0) {
                what = QStringLiteral("gone");
            } else if (Grid->IsHiddenColumn(real)) {
                what = QStringLiteral("hidden ") + Grid->Cells(real, 2);
            } else {
                const int d = Grid->RealToDisplCol(real);
                const QString before = Grid->Cells(real, 2);
                if (Grid->GetCellType(real, 2) == ctDataCheckBox) {
                    ClickAt(Box(d, 2));
                    what = QStringLiteral("box %1>%2").arg(before, Grid->Cells(real, 2));
                } else {
                    ClickCell(d, 2);
                    ClickCell(d, 2);
                    TGridCombo* combo = Grid->Combobox();
                    if (combo && combo->Visible())
                        what = (combo->Style() == csDropDownList ? QStringLiteral("list ")
                                                                 : QStringLiteral("edit-combo "))
                            + combo->Items()->Text().trimmed().replace(QStringLiteral("\r\n"), QStringLiteral(","));
                    else if (Grid->NormalEdit() && Grid->NormalEdit()->Visible())
                        what = QStringLiteral("text");
                    else
                        what = QStringLiteral("none");
                    Key(FocusedControl(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
                    if (Grid->Cells(real, 2) != before)
                        what += QStringLiteral(" changed");
                }
            }
            found << QString::fromLatin1(name) + QStringLiteral(": ") + what;
        }
        QStringList expected{"Name: text", "Type: list Analog Input,Analog Value,Binary Input",
            "Unit: edit-combo Celsius,Kelvin,Percent", "Active: box N>Y", "Id: none", "Key: hidden k2"};
        for (const QString& line : c.Differs)
            for (QString& e : expected)
                if (e.section(':', 0, 0) == line.section(':', 0, 0))
                    e = line;
        EXPECT_EQ(found, expected);
        TearDown();
    }
}
