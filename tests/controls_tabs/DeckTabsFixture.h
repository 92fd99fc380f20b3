#pragma once
// A shown form holding one tab strip, with the clock injected so that
// animations advance only when a test moves it.
#include "controls/tabs/DeckTabs.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/rtl/Clock.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const TRect& r)
{
    return os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

class DeckTabsStrip : public testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        // A right-button release opens the built-in menu: close it unchosen.
        SetMenuChooser([](TPopupMenu*) { return nullptr; });
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 420, 120);
        Form->SetColor(0xF0F0F0);
        Strip = new TDeckTabs(Form);
        Strip->SetParent(Form);
        Form->Show();
    }
    void TearDown() override
    {
        delete Form;
        SetClock(nullptr);
        SetMenuChooser(nullptr);
    }

    void AddTabs(const QStringList& Captions)
    {
        for (const QString& caption : Captions)
            Strip->Tabs()->Add()->SetCaption(caption);
    }
    // Runs animation ticks 15 ms apart until nothing moves or changes look.
    void Settle()
    {
        for (int i = 0; i < 400; ++i) {
            Clock.Advance(15);
            Strip->DoAnimateTimer(nullptr);
            if (!Strip->HasState(stsAnimatingMovement) && !Strip->HasState(stsAnimatingStyle)
                && !Strip->HasState(stsControlPositionsInvalidated))
                return;
        }
        ADD_FAILURE() << "animations never ended";
    }
    TRect TabRect(int Index) const { return Strip->GetTabControl(Index)->ControlRect(); }
    // Centre of a tab's body, left of its close button.
    TPoint TabPoint(int Index) const
    {
        const TRect r = TabRect(Index);
        return {r.Left + 30 - Strip->ScrollOffset(), (r.Top + r.Bottom) / 2};
    }
    TPoint CloseButtonPoint(int Index) const
    {
        const TRect r = Strip->GetTabControl(Index)->GetCloseButonRect();
        return {(r.Left + r.Right) / 2 - Strip->ScrollOffset(), (r.Top + r.Bottom) / 2};
    }

    TFakeClock Clock{0, 100000};
    TForm* Form = nullptr;
    TDeckTabs* Strip = nullptr;
};
