#pragma once
// A string grid of 5 columns and 6 rows on a shown form, focused, with
// goEditing; cell (c, r) holds "c:r". Log collects the editing events in
// the order they fire.
#include "../support/QStringPrinter.h"
#include "grid/core/GridEditors.h"
#include "grid/core/ProInplaceEdit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

class GridEditing : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 520, 400);
        Grid = new TProStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 420, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() + goEditing);
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 6; ++r)
                Grid->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
        Other = new TEdit(Form.get());
        Other->SetParent(Form.get());
        Other->SetBounds(430, 10, 80, 21);
        Form->Show();
        Grid->SetFocus();
        Grid->SetCol(1);
        Grid->SetRow(1);
    }
    void TearDown() override
    {
        DeliverPostedMessages();
        Form.reset();
    }
    // Logs validation, cell changes and the ends of edits.
    void LogEvents()
    {
        Grid->OnCellValidate = [this](TObject*, int ACol, int ARow, QString& Value, bool& Valid) {
            Log << QStringLiteral("validate %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
            if (Refuse)
                Valid = false;
            if (!Replace.isEmpty())
                Value = Replace;
        };
        Grid->OnCellsChanged = [this](TObject*, const TRect& R) {
            Log << QStringLiteral("changed %1,%2").arg(R.Left).arg(R.Top);
        };
        Grid->OnEditingDone = [this](TObject*) { Log << QStringLiteral("editing done"); };
        Grid->OnEditCellDone = [this](TObject*, int ACol, int ARow) {
            Log << QStringLiteral("edit cell done %1,%2").arg(ACol).arg(ARow);
        };
    }
    // Editor kind per real column.
    void EditorKinds(std::map<int, TEditorType> Kinds)
    {
        Grid->OnGetEditorType = [Kinds](TObject*, int ACol, int, TEditorType& AEditor) {
            auto it = Kinds.find(ACol);
            if (it != Kinds.end())
                AEditor = it->second;
        };
    }
    TProInplaceEdit* Editor() const { return Grid->NormalEdit(); }
    bool Editing() const { return Editor() && Editor()->Visible(); }

    std::unique_ptr<TForm> Form;
    TProStringGrid* Grid = nullptr;
    TEdit* Other = nullptr;
    QStringList Log;
    bool Refuse = false;
    QString Replace;
};
