#include "../support/QStringPrinter.h"
#include "grid/core/SearchPanel.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include <QStringList>
#include <gtest/gtest.h>

TEST(SearchPanel, ReturnInTheEditReportsAndInsertsNothing)
{
    TForm form;
    form.SetBounds(10, 10, 300, 100);
    auto* edit = new TRetEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 120, 22);
    form.Show();
    edit->SetText("abc");
    QStringList log;
    edit->OnReturn = [&](TObject* Sender) { log << (Sender == edit ? "return" : "?"); };
    edit->OnCtrlReturn = [&](TObject*) { log << "ctrl+return"; };
    edit->OnKeyPress = [&](TObject*, QChar& Key) { log << QString("char %1").arg(Key.unicode()); };

    SyntheticInput::Key(edit, VK_RETURN, {}, "\r");
    SyntheticInput::Key(edit, VK_RETURN, {ssCtrl}, "\n");
    // The key reports; its character goes to OnKeyPress and no further.
    EXPECT_EQ(log, (QStringList{"return", "char 13", "ctrl+return", "char 10"}));
    EXPECT_EQ(edit->Text(), "abc");

    // The characters alone reach OnKeyPress only.
    log.clear();
    EXPECT_EQ(edit->Perform(WM_CHAR, 13, 0), 0);
    EXPECT_EQ(log, QStringList{"char 13"});
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_TRUE(edit->Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);
}
