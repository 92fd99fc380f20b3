#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/ThemeNotifier.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include <gtest/gtest.h>

TEST(ThemeBinding, BothBindingsAreBoundAtStartAndUnbindClearsEverySlot)
{
    for (TThemeBinding* b : {&ProXPVS, &ATXPVS}) {
        ASSERT_TRUE(b->Loaded);
        ASSERT_NE(b->IsThemeActive, nullptr);
        EXPECT_FALSE(b->IsThemeActive());
        EXPECT_EQ(b->OpenThemeData(nullptr, QStringLiteral("button")), nullptr);
    }

    TThemeBinding saved = ProXPVS;
    UnbindThemeLibrary(ProXPVS);
    EXPECT_FALSE(ProXPVS.Loaded);
    EXPECT_EQ(ProXPVS.OpenThemeData, nullptr);
    EXPECT_EQ(ProXPVS.DrawThemeBackground, nullptr);
    EXPECT_TRUE(ATXPVS.Loaded);

    BindThemeLibrary(ProXPVS);
    EXPECT_TRUE(ProXPVS.Loaded);
    EXPECT_EQ(ProXPVS.DrawThemeBackground, saved.DrawThemeBackground);

    // A bound binding is left as it is.
    ProXPVS.IsThemeActive = [] { return true; };
    BindThemeLibrary(ProXPVS);
    EXPECT_TRUE(ProXPVS.IsThemeActive());
    ProXPVS = saved;
}

TEST(ThemeBinding, SystemAnswersAtWindows7WithoutVisualStyleOrOffice)
{
    EXPECT_TRUE(IsComCtl6());
    EXPECT_TRUE(IsVistaOrLater());
    EXPECT_TRUE(IsWinXPOrLater());
    EXPECT_EQ(InstalledOfficeVersion(), 0);
    EXPECT_EQ(XPColorScheme(), 0);
    EXPECT_EQ(CurrentOfficeTheme(), ot2003Classic);
    EXPECT_EQ(DefaultUIFontName(), QStringLiteral("Segoe UI"));
}

TEST(ThemeNotifier, SharedUntilItsOwnerFreesIt)
{
    auto* owner = new TComponent(nullptr);
    TThemeNotifier* n = GetThemeNotifier(owner);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(GetThemeNotifier(nullptr), n);
    EXPECT_EQ(n->Owner(), owner);

    // Nothing is watched: registering keeps no window.
    n->RegisterWindow(reinterpret_cast<HWND>(0x10));
    n->UnRegisterWindow(reinterpret_cast<HWND>(0x20));

    delete owner;
    auto* next = new TComponent(nullptr);
    TThemeNotifier* m = GetThemeNotifier(next);
    EXPECT_EQ(m->Owner(), next);
    delete next;
}

TEST(ThemeNotifier, MainFormWithAWindowOwnsTheNotifier)
{
    auto* form = new TForm(nullptr);
    form->HandleNeeded();
    TCustomForm* oldMain = Application->MainForm();
    Application->SetMainForm(form);
    auto* other = new TComponent(nullptr);
    TThemeNotifier* n = GetThemeNotifier(other);
    EXPECT_EQ(n->Owner(), form);
    Application->SetMainForm(oldMain);
    delete form;
    delete other;
}

TEST(HandleList, DeleteValueAndHasValue)
{
    THandleList list;
    auto h = [](int v) { return reinterpret_cast<HWND>(static_cast<intptr_t>(v)); };
    list.Add(h(1));
    list.Add(h(2));
    list.Add(h(1));
    list.DeleteValue(h(1));
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetInteger(0), h(2));
    EXPECT_TRUE(list.HasValue(h(1)));
    list.DeleteValue(h(9));
    EXPECT_EQ(list.Count(), 2);
    list.SetInteger(1, h(3));
    EXPECT_FALSE(list.HasValue(h(1)));
}
