// OnShow of a form runs with the form shown: the focus it gives stays and
// the sizes it reads are those of the shown form, for Show and ShowModal.
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

struct TSeenInOnShow {
    bool Visible = false;
    bool WindowVisible = false;
    bool FocusRefused = false;
    int PanelWidth = -1;
};

class FormShow : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        Form.SetBounds(50, 50, 300, 200);
        First = AddEdit(10);
        Second = AddEdit(40);
        Panel = new TPanel(&Form);
        Panel->SetParent(&Form);
        Panel->SetAlign(alBottom);
        Panel->SetHeight(30);
        Form.OnShow = [this](TObject*) {
            Seen.Visible = Form.Visible();
            Seen.WindowVisible = IsWindowVisible(Form.Handle());
            Seen.PanelWidth = Panel->Width();
            try {
                Second->SetFocus();
            } catch (const EInvalidOperation&) {
                Seen.FocusRefused = true;
            }
        };
    }
    TEdit* AddEdit(int Top)
    {
        auto* e = new TEdit(&Form);
        e->SetParent(&Form);
        e->SetBounds(10, Top, 100, 21);
        return e;
    }

    TForm Form{nullptr};
    TEdit* First = nullptr;
    TEdit* Second = nullptr;
    TPanel* Panel = nullptr;
    TSeenInOnShow Seen;
};

TEST_P(FormShow, OnShowSeesTheFormShownAndItsFocusStays)
{
    bool focusedWhileUp = false;
    if (GetParam()) {
        TScopedModalHook hook([&](const TModalEvent&) {
            focusedWhileUp = Second->Focused();
            Form.SetModalResult(mrOk);
        });
        Form.ShowModal();
    } else {
        Form.Show();
        focusedWhileUp = Second->Focused();
    }
    EXPECT_TRUE(Seen.Visible);
    EXPECT_TRUE(Seen.WindowVisible);
    EXPECT_FALSE(Seen.FocusRefused);
    EXPECT_EQ(Seen.PanelWidth, Form.ClientWidth());
    EXPECT_TRUE(focusedWhileUp);
    EXPECT_FALSE(First->Focused());
}

INSTANTIATE_TEST_SUITE_P(Form, FormShow, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "ShowModal" : "Show"); });

} // namespace
