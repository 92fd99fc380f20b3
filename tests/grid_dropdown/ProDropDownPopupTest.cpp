// The drop-down edit's popup: opening, sizing, placing against a work
// area, closing by keys, by deactivation and by footer buttons, the
// no-reopen guard and the OnDropDown veto.
#include "../support/CancelButton.h"
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Screen.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

// A drop-down hosting a plain panel.
class TTestDropDown : public TProCustomDropDown {
public:
    explicit TTestDropDown(TComponent* AOwner) : TProCustomDropDown(AOwner)
    {
        Panel = new TPanel(this);
        Panel->SetBounds(0, 0, 150, 100);
        Panel->SetTabStop(true);
        SetControl(Panel);
    }
    // A concrete drop-down sizes its control before each opening.
    void BeforeDropDown() override
    {
        Panel->SetAlign(alNone);
        Panel->SetBounds(0, 0, 150, 100);
        ++BeforeCount;
        TProCustomDropDown::BeforeDropDown();
    }
    TPanel* Panel = nullptr;
    int BeforeCount = 0;
};

class DropDownPopup : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Screen->SetTestMonitors({TRect(0, 0, 1024, 768)});
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Other = std::make_unique<TForm>(nullptr);
        Other->SetBounds(600, 100, 200, 200);
        Edit = new TTestDropDown(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 20, 200, 21);
        Edit->DropDownHeader()->SetVisible(false);
        Edit->DropDownFooter()->SetVisible(false);
        Form->Show();
        Edit->SetFocus();
    }
    void TearDown() override
    {
        Form.reset();
        Other.reset();
        Screen->SetTestMonitors({});
        SetClock(nullptr);
    }
    // Where the edit's top-left lies on the screen.
    TPoint EditOrigin() const { return Form->ClientToScreen({Edit->Left(), Edit->Top()}); }
    TDropDownForm* Popup() const { return Edit->DropDownForm(); }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }

    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    std::unique_ptr<TForm> Other;
    TTestDropDown* Edit = nullptr;
};

TEST_F(DropDownPopup, OpensBelowSizedToItsControlAndCloses)
{
    Edit->SetText(QStringLiteral("abc"));
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    ASSERT_TRUE(Popup()->Visible());
    EXPECT_EQ(Edit->BeforeCount, 1);
    const TPoint p = EditOrigin();
    EXPECT_EQ(Popup()->Left(), p.X);
    // Below, overlapping the edit's last pixel row.
    EXPECT_EQ(Popup()->Top(), p.Y + Edit->Height() - 1);
    EXPECT_EQ(Popup()->Width(), 150);
    EXPECT_EQ(Popup()->Height(), 100 + 2);
    EXPECT_EQ(Edit->Panel->Parent(), Popup());
    // The control fills the popup inside the border.
    EXPECT_EQ(Edit->Panel->Left(), 1);
    EXPECT_EQ(Edit->Panel->Width(), 148);

    Edit->HideDropDown(false);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_FALSE(Popup()->Visible());
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("abc"));
}

struct TPlaceCase {
    const char* Name;
    TPoint FormPos;
    TPoint EditPos;
    TDropPosition Position;
    int PopupWidth;
    // Expected: below (else above), and the left edge moved to 1024 - width.
    bool Below;
    bool ClampedRight;
};

const TPlaceCase PlaceCases[] = {
    {"RoomBelow", {100, 100}, {10, 20}, dpAuto, 150, true, false},
    {"NearTheBottomOpensAbove", {100, 600}, {10, 100}, dpAuto, 150, false, false},
    {"ForcedDownNearTheBottom", {100, 600}, {10, 100}, dpDown, 150, true, false},
    {"ForcedUp", {100, 100}, {10, 20}, dpUp, 150, false, false},
    {"RightEdgeMovesLeft", {900, 100}, {10, 20}, dpAuto, 300, true, true},
};

class DropDownPlacement : public DropDownPopup, public ::testing::WithParamInterface<TPlaceCase> {};

TEST_P(DropDownPlacement, AgainstA1024x768WorkArea)
{
    const TPlaceCase& c = GetParam();
    Form->SetBounds(c.FormPos.X, c.FormPos.Y, 400, 300);
    Edit->SetBounds(c.EditPos.X, c.EditPos.Y, 100, 21);
    Edit->SetDropPosition(c.Position);
    Edit->SetDropDownWidth(c.PopupWidth);
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    const TPoint p = EditOrigin();
    const int h = Popup()->Height();
    EXPECT_EQ(Popup()->Top(), c.Below ? p.Y + Edit->Height() - 1 : p.Y - h);
    EXPECT_EQ(Popup()->Left(), c.ClampedRight ? 1024 - c.PopupWidth : p.X);
    EXPECT_EQ(Popup()->Width(), c.PopupWidth);
}

INSTANTIATE_TEST_SUITE_P(DropDownPopup, DropDownPlacement, ::testing::ValuesIn(PlaceCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DropDownPopup, WorkAreaLeftOfZeroIsNotClamped)
{
    Screen->SetTestMonitors({TRect(-1024, 0, 1024, 768)});
    Form->SetBounds(900, 100, 400, 300);
    Edit->SetDropDownWidth(300);
    Edit->ShowDropDown();
    EXPECT_EQ(Popup()->Left(), EditOrigin().X);
}

TEST_F(DropDownPopup, HeightCountsHeaderFooterAndBorders)
{
    Edit->DropDownHeader()->SetVisible(true);
    Edit->ShowDropDown();
    // Header 22, footer hidden, border 1 + 1, control 100.
    EXPECT_EQ(Popup()->Height(), 124);
    EXPECT_EQ(Popup()->Width(), 150);
    ASSERT_NE(Popup()->Header(), nullptr);
    EXPECT_TRUE(Popup()->Header()->Visible());
    EXPECT_EQ(Popup()->Footer(), nullptr);
    // The control fills the popup below the header.
    EXPECT_EQ(Edit->Panel->Top(), 1 + 22);
    EXPECT_EQ(Edit->Panel->Height(), 100);
    Edit->HideDropDown(false);

    // A header hidden after it was shown stays allocated, only hidden.
    Edit->DropDownHeader()->SetVisible(false);
    Edit->ShowDropDown();
    ASSERT_NE(Popup()->Header(), nullptr);
    EXPECT_FALSE(Popup()->Header()->Visible());
}

TEST_F(DropDownPopup, ReopensAtTheSizeItWasClosedWithUntilASizeIsSet)
{
    Edit->ShowDropDown();
    Popup()->SetBounds(Popup()->Left(), Popup()->Top(), 260, 180);
    Edit->HideDropDown(false);
    Edit->ShowDropDown();
    EXPECT_EQ(Popup()->Width(), 260);
    EXPECT_EQ(Popup()->Height(), 180);
    Edit->HideDropDown(false);
    Edit->SetDropDownWidth(220);
    Edit->SetDropDownHeight(90);
    Edit->ShowDropDown();
    EXPECT_EQ(Popup()->Width(), 220);
    EXPECT_EQ(Popup()->Height(), 90);
}

TEST_F(DropDownPopup, OnDropDownVetoKeepsItClosed)
{
    int before = 0;
    Edit->OnBeforeDropDown = [&](TObject*) { ++before; };
    Edit->OnDropDown = [](TObject*, bool& accept) { accept = false; };
    Edit->ShowDropDown();
    EXPECT_EQ(before, 1);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_FALSE(Popup()->Visible());
}

TEST_F(DropDownPopup, NoOpeningWhenDisabledOrReadOnly)
{
    Edit->SetReadOnly(true);
    Edit->ShowDropDown();
    EXPECT_FALSE(Edit->DroppedDown());
    Edit->SetReadOnly(false);
    Edit->SetEnabled(false);
    Edit->ShowDropDown();
    EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(DropDownPopup, DeactivationClosesCancelledAndTheGuardKeepsItClosed)
{
    Edit->SetText(QStringLiteral("old"));
    std::vector<bool> ups;
    Edit->OnDropUp = [&](TObject*, bool cancelled) { ups.push_back(cancelled); };
    Edit->ShowDropDown();
    Edit->SetTextDirect(QStringLiteral("typed"));
    // Another window becomes active: a click outside the popup.
    Other->Show();
    EXPECT_FALSE(Edit->DroppedDown());
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_TRUE(ups[0]);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("old"));
    EXPECT_EQ(Popup()->DeActivateTime(), 100000u);

    // The release over the button that caused it does not reopen it.
    Clock.Advance(100);
    Click(Edit->Button()->Button(), {4, 4});
    EXPECT_FALSE(Edit->DroppedDown());
    Clock.Advance(200);
    Click(Edit->Button()->Button(), {4, 4});
    EXPECT_TRUE(Edit->DroppedDown());
}

TEST_F(DropDownPopup, CancelOnDeActivateFalseKeepsTheText)
{
    Edit->SetText(QStringLiteral("old"));
    Edit->ShowDropDown();
    Popup()->SetCancelOnDeActivate(false);
    Edit->SetTextDirect(QStringLiteral("new"));
    Other->Show();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("new"));
}

TEST_F(DropDownPopup, BlockActivateKeepsItOpen)
{
    Edit->ShowDropDown();
    Popup()->SetBlockActivate(true);
    Other->Show();
    EXPECT_TRUE(Edit->DroppedDown());
}

TEST_F(DropDownPopup, ButtonOpensOnReleaseOfTheLeftButtonOnly)
{
    TControl* b = Edit->Button()->Button();
    MouseDown(b, mbLeft, {4, 4});
    EXPECT_FALSE(Edit->DroppedDown());
    MouseUp(b, mbLeft, {4, 4});
    EXPECT_TRUE(Edit->DroppedDown());
    Edit->HideDropDown(false);
    Clock.Advance(1000);
    MouseDown(b, mbRight, {4, 4});
    MouseUp(b, mbRight, {4, 4});
    EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(DropDownPopup, AltDownOpensAltUpClosesF4Toggles)
{
    Key(Edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(Edit->DroppedDown());
    // The keys now go to the popup, which hands them to the edit.
    ASSERT_NE(Focused(), Edit);
    Key(Focused(), VK_UP, {ssAlt});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_TRUE(Edit->Focused());
    Key(Edit, VK_UP, {ssAlt});
    ASSERT_TRUE(Edit->DroppedDown());
    Key(Focused(), VK_DOWN, {ssAlt});
    EXPECT_FALSE(Edit->DroppedDown());

    Key(Edit, VK_F4);
    ASSERT_TRUE(Edit->DroppedDown());
    Key(Focused(), VK_F4);
    EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(DropDownPopup, EscapeRestoresEnterKeeps)
{
    Edit->SetText(QStringLiteral("old"));
    Edit->ShowDropDown();
    Edit->SetTextDirect(QStringLiteral("new"));
    Key(Focused(), VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("old"));

    Edit->ShowDropDown();
    Edit->SetTextDirect(QStringLiteral("new"));
    Key(Focused(), VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("new"));
}

TEST_F(DropDownPopup, EscapeWhileOpenIsClaimedByTheEdit)
{
    EXPECT_EQ(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 0);
    Edit->ShowDropDown();
    EXPECT_EQ(Edit->Perform(CM_WANTSPECIALKEY, VK_ESCAPE, 0), 1);
}

// The keyboard at the edit (the window system kept it there): Escape that
// closes the popup ends there; with the popup closed it goes on to the
// form once.
TEST_F(DropDownPopup, EscapeReachesTheCancelButtonOnlyWithThePopupClosed)
{
    int clicks = 0;
    AddCancelButton(Form.get(), TRect(250, 20, 330, 45), clicks);
    Edit->SetText(QStringLiteral("old"));
    Edit->ShowDropDown();
    Edit->SetTextDirect(QStringLiteral("new"));
    Key(Edit, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    DeliverPostedMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("old"));
    EXPECT_EQ(clicks, 0);

    Key(Edit, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    DeliverPostedMessages();
    EXPECT_EQ(clicks, 1);
}

TEST_F(DropDownPopup, NonEditableEditOpensOnAClickAndTakesOnlyEnterEscapeF4)
{
    Edit->SetEditorEnabled(false);
    Edit->SetText(QStringLiteral("v"));
    Click(Edit, {20, 5});
    EXPECT_TRUE(Edit->DroppedDown());
    Edit->HideDropDown(false);
    Type(Edit, QStringLiteral("x"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("v"));
    Key(Edit, VK_F4);
    EXPECT_TRUE(Edit->DroppedDown());
}

TEST_F(DropDownPopup, FooterButtonsCloseWithTheirModalResult)
{
    TFooterAppearance* f = Edit->DropDownFooter();
    f->SetVisible(true);
    const TModalResult results[] = {mrOk, mrCancel, mrRetry};
    for (TModalResult r : results)
        f->Buttons()->Add()->SetModalResult(r);
    f->Buttons()->Items(0)->SetCaption(QStringLiteral("OK"));
    std::vector<QString> log;
    Edit->OnDropUp = [&](TObject*, bool cancelled) { log.push_back(cancelled ? "up cancelled" : "up"); };
    Edit->OnDropDownFooterButtonClick = [&](TObject* s, int i) {
        EXPECT_EQ(s, Edit);
        log.push_back(QStringLiteral("button %1").arg(i));
    };
    auto button = [&](int i) {
        return static_cast<TProButton*>(Popup()->Footer()->ButtonList()->Items(i));
    };
    Edit->SetText(QStringLiteral("old"));
    Edit->ShowDropDown();
    ASSERT_EQ(Popup()->Footer()->ButtonList()->Count(), 3);
    Edit->SetTextDirect(QStringLiteral("new"));
    Click(button(1), {3, 3});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("old"));

    Edit->ShowDropDown();
    Click(button(2), {3, 3});
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Popup()->ModalResult(), mrRetry);

    Edit->SetTextDirect(QStringLiteral("new"));
    Click(button(0), {3, 3});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->GetText(), QStringLiteral("new"));
    const std::vector<QString> expected = {"up cancelled", "button 1", "button 2", "up", "button 0"};
    EXPECT_EQ(log, expected);

    // Space applies the modal result without the click event.
    log.clear();
    Edit->ShowDropDown();
    Key(button(0), VK_SPACE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(log, std::vector<QString>{"up"});
}

TEST_F(DropDownPopup, HeaderButtonsReportTheirIndexAndLineUpFromTheRight)
{
    THeaderAppearance* h = Edit->DropDownHeader();
    h->SetVisible(true);
    for (int i = 0; i < 5; ++i)
        h->Buttons()->Add()->SetCaption(QStringLiteral("B%1").arg(i));
    h->SetCaption(QStringLiteral("Title"));
    int clicked = -1;
    Edit->OnDropDownHeaderButtonClick = [&](TObject*, int i) { clicked = i; };
    Edit->ShowDropDown();
    TProHeader* header = Popup()->Header();
    ASSERT_EQ(header->ButtonList()->Count(), 5);
    auto* b0 = static_cast<TProButton*>(header->ButtonList()->Items(0));
    EXPECT_EQ(b0->Left() + b0->Width(), header->GetButtonArea().Right);
    for (int i = 1; i < 5; ++i) {
        auto* prev = static_cast<TProButton*>(header->ButtonList()->Items(i - 1));
        auto* b = static_cast<TProButton*>(header->ButtonList()->Items(i));
        EXPECT_EQ(b->Left() + b->Width(), prev->Left());
    }
    auto* b4 = static_cast<TProButton*>(header->ButtonList()->Items(4));
    EXPECT_EQ(header->GetCaptionBounds().Right, b4->Left() - 2);
    Click(static_cast<TProButton*>(header->ButtonList()->Items(3)), {3, 3});
    EXPECT_EQ(clicked, 3);
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_THROW(header->ButtonList()->GetItemsEx(5), Exception);
}

TEST_F(DropDownPopup, ButtonWidthFollowsDropDownButtonWidth)
{
    Edit->SetDropDownButtonWidth(24);
    EXPECT_EQ(Edit->Button()->Width(), 24);
    EXPECT_EQ(Edit->Button()->Button()->Width(), 24);
    // At the right edge, inside the frame.
    EXPECT_EQ(Edit->Button()->Left() + 24, Edit->Width() - 2);
    // The holder keeps its width whatever it is given.
    Edit->Button()->SetBounds(0, 0, 50, 17);
    EXPECT_EQ(Edit->Button()->Width(), 24);
}

} // namespace
