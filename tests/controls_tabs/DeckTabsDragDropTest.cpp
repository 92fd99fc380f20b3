#include "DeckTabsFixture.h"
#include "platform/controls/Screen.h"
#include "platform/controls/TestHooks.h"

namespace {

std::string Captions(TDeckTabs* Strip)
{
    QStringList list;
    for (int i = 0; i < Strip->Tabs()->Count(); ++i)
        list << Strip->Tabs()->Items(i)->Caption();
    return list.join(',').toStdString();
}

// Two strips in two windows, one above the other, with a record of the
// drag events of both.
class DeckTabsDrag : public DeckTabsStrip {
protected:
    void SetUp() override
    {
        DeckTabsStrip::SetUp();
        Form2 = new TForm(nullptr);
        Form2->SetBounds(40, 300, 420, 120);
        Strip2 = new TDeckTabs(Form2);
        Strip2->SetName("Second");
        Strip2->SetParent(Form2);
        Form2->Show();
        AddTabs({"A", "B", "C"});
        Strip->SetActiveTabIndex(0);
        Strip2->Tabs()->Add()->SetCaption("X");
        Strip2->Tabs()->Add()->SetCaption("Y");
        Strip2->SetActiveTabIndex(0);
        Record(Strip, "1");
        Record(Strip2, "2");
        SettleBoth();
    }
    void TearDown() override
    {
        delete Form2;
        DeckTabsStrip::TearDown();
    }
    // A fresh pair of strips for the next row of a table.
    void Reset()
    {
        TearDown();
        Log.clear();
        SourceRemoves = {};
        TargetRemoves = {};
        SetUp();
    }
    void SettleBoth()
    {
        for (int i = 0; i < 100; ++i) {
            Clock.Advance(15);
            Strip->DoAnimateTimer(nullptr);
            Strip2->DoAnimateTimer(nullptr);
        }
    }
    void Record(TDeckTabs* S, const QString& Id)
    {
        S->OnTabDragStart = [this, Id](TObject*, TDeckTab*, bool&) { Log << Id + ":start"; };
        S->OnTabDragDrop = [this, Id](TObject*, int, int, TDragTabObjectRef, bool Cancelled, TTabDropOptions& O) {
            Log << QStringLiteral("%1:drop%2%3%4%5")
                       .arg(Id, Cancelled ? "!" : "", O.Contains(tdDeleteDraggedTab) ? "D" : "",
                            O.Contains(tdCreateDroppedTab) ? "C" : "", O.Contains(tdMoveTab) ? "M" : "");
            if (Id == "1")
                O = O - SourceRemoves;
            else
                O = O - TargetRemoves;
        };
        S->OnTabDragEnd = [this, Id](TObject*, int, int, bool Cancelled) {
            Log << Id + (Cancelled ? ":end!" : ":end");
        };
        S->OnTabDragDropped = [this, Id](TObject*, TDragTabObjectRef, TDeckTab* NewTab) {
            Log << Id + ":dropped " + NewTab->Caption();
        };
    }
    std::string Events() const { return Log.join(' ').toStdString(); }
    // A point of Strip2 in Strip's client coordinates.
    TPoint OverStrip2(TPoint P) const { return Strip->ScreenToClient(Strip2->ClientToScreen(P)); }
    TPoint Strip2TabPoint(int Index) const
    {
        const TRect r = Strip2->GetTabControl(Index)->ControlRect();
        return {r.Left + 30, (r.Top + r.Bottom) / 2};
    }
    // Presses on tab 0 of Strip and moves in steps to To (Strip's client coordinates).
    void DragTab0To(TPoint To)
    {
        const TPoint from = TabPoint(0);
        SyntheticInput::MouseDown(Strip, mbLeft, from);
        // The drag starts over the tab.
        SyntheticInput::MouseMove(Strip, {from.X + 3, from.Y});
        for (int i = 1; i <= 4; ++i)
            SyntheticInput::MouseMove(Strip, {from.X + (To.X - from.X) * i / 4, from.Y + (To.Y - from.Y) * i / 4});
    }

    TForm* Form2 = nullptr;
    TDeckTabs* Strip2 = nullptr;
    QStringList Log;
    TTabDropOptions SourceRemoves;
    TTabDropOptions TargetRemoves;
};

TEST_F(DeckTabsDrag, ADragStartsOnlyPastTheStartDistance)
{
    const TPoint p = TabPoint(0);
    SyntheticInput::MouseDown(Strip, mbLeft, p);
    SyntheticInput::MouseMove(Strip, {p.X + 1, p.Y + 1});
    EXPECT_FALSE(Strip->HasState(stsDragging)) << "1 pixel";
    EXPECT_FALSE(Strip->DragTabObject());
    SyntheticInput::MouseMove(Strip, {p.X + 2, p.Y});
    EXPECT_TRUE(Strip->HasState(stsDragging)) << "2 pixels";
    ASSERT_TRUE(Strip->DragTabObject());
    EXPECT_EQ(Strip->DragTabObject()->DragTab(), Strip->Tabs()->Items(0));
    EXPECT_EQ(Screen->Cursor(), Strip->Options()->DragDrop()->DragCursor());
    SyntheticInput::MouseUp(Strip, mbLeft, {p.X + 2, p.Y});
    EXPECT_FALSE(Strip->HasState(stsDragging));
    EXPECT_EQ(Screen->Cursor(), crDefault) << "the cursor comes back";
    EXPECT_EQ(Captions(Strip), "A,B,C") << "released where it started";
}

TEST_F(DeckTabsDrag, AStartRefusedByTheHandlerLeavesNoDrag)
{
    Strip->OnTabDragStart = [](TObject*, TDeckTab*, bool& Allow) { Allow = false; };
    DragTab0To({TabPoint(2).X, TabPoint(0).Y});
    EXPECT_FALSE(Strip->HasState(stsDragging));
    EXPECT_FALSE(Strip->DragTabObject());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    SyntheticInput::MouseUp(Strip, mbLeft, TabPoint(2));
    EXPECT_EQ(Captions(Strip), "A,B,C");
}

TEST_F(DeckTabsDrag, ReorderWithinTheStrip)
{
    for (TDeckTabDragType type : {dtWithinContainer, dtBetweenContainers}) {
        SCOPED_TRACE(type);
        Strip->Options()->DragDrop()->SetDragType(type);
        Log.clear();
        const TPoint end{TabRect(2).Right - 20 - Strip->ScrollOffset(), TabPoint(0).Y};
        DragTab0To(end);
        EXPECT_EQ(Strip->DragTabObject()->DropTabIndex(), 2);
        SyntheticInput::MouseUp(Strip, mbLeft, end);
        EXPECT_EQ(Captions(Strip), "B,C,A");
        EXPECT_EQ(Strip->ActiveTab()->Caption(), "A");
        EXPECT_EQ(Events(), "1:start 1:dropM 1:end 1:end") << "the home strip hears the end twice";
        EXPECT_FALSE(Strip->HasState(stsDragging));
        SettleBoth();
        // Back to the front.
        Strip->SetActiveTabIndex(2);
        const TPoint from = TabPoint(2);
        SyntheticInput::MouseDown(Strip, mbLeft, from);
        SyntheticInput::MouseMove(Strip, {from.X - 40, from.Y});
        SyntheticInput::MouseMove(Strip, {20, from.Y});
        SyntheticInput::MouseUp(Strip, mbLeft, {20, from.Y});
        EXPECT_EQ(Captions(Strip), "A,B,C");
        SettleBoth();
        Strip->SetActiveTabIndex(0);
    }
}

TEST_F(DeckTabsDrag, DropOnAnotherStripMovesOrCopiesTheTab)
{
    struct Case {
        const char* Name;
        TTabDropOptions TargetRemoves;
        const char* Source;
        const char* Target;
    } cases[] = {
        {"Move", {}, "B,C", "A,X,Y"},
        {"CopyKeepsTheSource", {tdDeleteDraggedTab}, "A,B,C", "A,X,Y"},
        {"NoCreateStillDeletes", {tdCreateDroppedTab}, "B,C", "X,Y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        TargetRemoves = c.TargetRemoves;
        TDeckTab* a = Strip->Tabs()->Items(0);
        a->SetTag(7);
        a->SetImageIndex(3);
        a->SetSpinnerState(tssRenderedUpload);
        int data = 0;
        a->SetData(&data);
        const TPoint target = OverStrip2({Strip2TabPoint(0).X - 20, Strip2TabPoint(0).Y});
        DragTab0To(target);
        ASSERT_TRUE(Strip->DragTabObject()) << Events();
        EXPECT_EQ(Strip->DragTabObject()->DockControl(), static_cast<IDeckTabDockControl*>(Strip2));
        EXPECT_EQ(Strip->DragTabObject()->DragOverType(), dotRemoteContainer);
        EXPECT_TRUE(Strip2->ActiveDragTabObject()) << "the target holds the drag";
        SyntheticInput::MouseUp(Strip, mbLeft, target);
        SettleBoth(); // the deleted tab shrinks away first
        EXPECT_EQ(Captions(Strip), c.Source);
        EXPECT_EQ(Captions(Strip2), c.Target);
        const bool created = QString(c.Target).startsWith('A');
        EXPECT_EQ(Events(), created ? "1:start 2:dropDC 1:dropped A 2:end 1:end" : "1:start 2:dropDC 2:end 1:end");
        if (created) {
            TDeckTab* copy = Strip2->Tabs()->Items(0);
            EXPECT_TRUE(copy->Active());
            EXPECT_EQ(copy->Tag(), 7);
            EXPECT_EQ(copy->ImageIndex(), 3);
            EXPECT_EQ(copy->SpinnerState(), tssRenderedUpload);
            EXPECT_EQ(copy->Data(), &data);
        }
        EXPECT_FALSE(Strip2->ActiveDragTabObject());
        EXPECT_FALSE(Strip->DragTabObject());
    }
}

TEST_F(DeckTabsDrag, EscapeCancelsAndChangesNoStrip)
{
    enum TPlace { Home, OtherStrip, NoStrip };
    struct Case {
        const char* Name;
        TPlace Place;
        const char* Events;
    } cases[] = {
        {"OverHome", Home, "1:start 1:drop! 1:end! 1:end!"},
        {"OverAnotherStrip", OtherStrip, "1:start 2:drop! 2:end! 1:end!"},
        {"OverNoStrip", NoStrip, "1:start 1:drop! 1:end!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        const TPoint where = c.Place == Home         ? TPoint{TabRect(2).Right - 20, TabPoint(0).Y}
                             : c.Place == OtherStrip ? OverStrip2(Strip2TabPoint(1))
                                                     : TPoint{200, 600};
        DragTab0To(where);
        ASSERT_TRUE(Strip->HasState(stsDragging));
        SyntheticInput::KeyDown(Strip, VK_ESCAPE);
        EXPECT_FALSE(Strip->HasState(stsDragging));
        SettleBoth();
        EXPECT_EQ(Captions(Strip), "A,B,C");
        EXPECT_EQ(Captions(Strip2), "X,Y");
        EXPECT_EQ(Events(), c.Events);
        EXPECT_EQ(Screen->Cursor(), crDefault);
        SyntheticInput::MouseUp(Strip, mbLeft, where);
        EXPECT_EQ(Captions(Strip), "A,B,C") << "the late release drops nothing";
    }
}

TEST_F(DeckTabsDrag, ReleaseOutsideEveryStripDeletesUnlessTheHandlerKeeps)
{
    const TPoint outside{200, 600};
    DragTab0To(outside);
    ASSERT_TRUE(Strip->DragTabObject());
    EXPECT_EQ(Strip->DragTabObject()->DockControl(), nullptr);
    TCustomForm* image = Strip->DragTabObject()->DragForm();
    ASSERT_NE(image, nullptr) << "the drag image follows the mouse";
    EXPECT_TRUE(image->Visible());
    const TPoint screen = Strip->ClientToScreen(outside);
    const TPoint offset = Strip->DragTabObject()->DragFormOffset();
    EXPECT_EQ(image->Left(), screen.X - offset.X);
    EXPECT_EQ(image->Top(), screen.Y - offset.Y);
    SyntheticInput::MouseUp(Strip, mbLeft, outside);
    SettleBoth();
    EXPECT_EQ(Captions(Strip), "B,C");
    EXPECT_EQ(Events(), "1:start 1:dropD 1:end");

    Log.clear();
    SourceRemoves = {tdDeleteDraggedTab};
    DragTab0To(outside);
    SyntheticInput::MouseUp(Strip, mbLeft, outside);
    SettleBoth();
    EXPECT_EQ(Captions(Strip), "B,C");
    EXPECT_EQ(Events(), "1:start 1:dropD 1:end");
}

TEST_F(DeckTabsDrag, TheDragImageFollowsTheDisplayOption)
{
    struct Case {
        const char* Name;
        TDeckTabDragDisplay Display;
        bool Control;
        bool Window;
        int Width; // 0: not checked
    } cases[] = {
        {"Cursor", ddCursor, false, false, 0},
        {"TabAlone", ddTab, false, true, 0},
        {"TabAndControlWithoutControl", ddTabAndControl, false, true, 0},
        {"TabAndControl", ddTabAndControl, true, true, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Reset();
        Strip->Options()->DragDrop()->SetDragDisplay(c.Display);
        Strip->Options()->DragDrop()->SetDragControlImageResizeFactor(0.5);
        int created = 0;
        Strip->OnAfterDragImageCreated = [&](TObject*) { ++created; };
        if (c.Control)
            Strip->OnNeedDragImageControl = [this](TObject*, TDeckTab*, TWinControl*& Control) { Control = Strip2; };
        DragTab0To({200, 600});
        TCustomForm* image = Strip->DragTabObject()->DragForm();
        EXPECT_EQ(image != nullptr, c.Window);
        EXPECT_EQ(created, c.Window ? 1 : 0);
        if (image && !c.Control) {
            EXPECT_EQ(image->ClientWidth(), RectWidth(Strip->DragTabObject()->OriginalControlRect()))
                << "full size without a control";
        }
        if (image && c.Width) {
            EXPECT_EQ(image->ClientWidth(), Strip2->ClientWidth() / 2) << "scaled by the factor";
        }
        SyntheticInput::KeyDown(Strip, VK_ESCAPE);
    }
}

// The drag image never takes the focus, so Escape typed into whatever has
// it cancels the drag once the tab has left every strip.
TEST_F(DeckTabsDrag, EscapeCancelsOnceTheImageShows)
{
    DragTab0To({200, 600});
    TCustomForm* image = Strip->DragTabObject()->DragForm();
    ASSERT_NE(image, nullptr);
    ASSERT_TRUE(image->Visible());
    EXPECT_NE(Screen->ActiveForm(), image);
    ASSERT_EQ(Screen->ActiveControl(), Strip);
    SyntheticInput::KeyDown(Screen->ActiveControl(), VK_ESCAPE);
    EXPECT_FALSE(Strip->HasState(stsDragging));
    SyntheticInput::MouseUp(Strip, mbLeft, {200, 600});
    SettleBoth();
    EXPECT_EQ(Captions(Strip), "A,B,C");
    EXPECT_EQ(Events(), "1:start 1:drop! 1:end!");
}

// A second strip 10 pixels below the first: a tab dragged along the first
// strip's lower edge and back to its start stays where it was.
TEST_F(DeckTabsDrag, TheStripUnderThePointerWinsOverANeighbour)
{
    const TPoint below = Strip->ClientToScreen({0, Strip->Height() + 10});
    Form2->SetBounds(below.X, below.Y, 420, 120);
    const TPoint from = TabPoint(0);
    const int edge = Strip->Height() - 2;
    EXPECT_EQ(TCustomDeckTabs::FindDeckTabsAtPoint(Strip->ClientToScreen({from.X, edge}), 30, 5), Strip);
    EXPECT_EQ(TCustomDeckTabs::FindDeckTabsAtPoint(Strip->ClientToScreen({from.X, Strip->Height() + 2}), 30, 5),
              Strip)
        << "between the strips the nearer one";

    SyntheticInput::MouseDown(Strip, mbLeft, from);
    SyntheticInput::MouseMove(Strip, {from.X + 3, from.Y});
    for (int x : {from.X + 60, from.X + 120, from.X + 60, from.X}) {
        SyntheticInput::MouseMove(Strip, {x, edge});
        EXPECT_EQ(Strip->DragTabObject()->DockControl(), static_cast<IDeckTabDockControl*>(Strip)) << x;
    }
    SyntheticInput::MouseUp(Strip, mbLeft, {from.X, edge});
    SettleBoth();
    EXPECT_EQ(Captions(Strip), "A,B,C");
    EXPECT_EQ(Captions(Strip2), "X,Y");
}

// A strip that drags only within itself, or not at all, takes no tab from
// another strip: the tab is over no strip there.
TEST_F(DeckTabsDrag, AStripWithoutDropsBetweenStripsRefusesTheTab)
{
    for (TDeckTabDragType type : {dtNone, dtWithinContainer}) {
        SCOPED_TRACE(int(type));
        Reset();
        Strip2->Options()->DragDrop()->SetDragType(type);
        const TPoint over = OverStrip2(Strip2TabPoint(1));
        DragTab0To(over);
        SyntheticInput::MouseMove(Strip, {over.X + 5, over.Y});
        EXPECT_FALSE(Strip2->ActiveDragTabObject());
        EXPECT_EQ(Strip->DragTabObject()->DockControl(), nullptr);
        ASSERT_NE(Strip->DragTabObject()->DragForm(), nullptr);
        EXPECT_TRUE(Strip->DragTabObject()->DragForm()->Visible());
        SyntheticInput::KeyDown(Strip, VK_ESCAPE);
        SettleBoth();
        EXPECT_EQ(Captions(Strip), "A,B,C");
        EXPECT_EQ(Captions(Strip2), "X,Y");
    }
}

TEST_F(DeckTabsDrag, FindsAStripNearAPoint)
{
    const TPoint origin = Strip2->ClientToScreen({0, 0});
    struct Case {
        const char* Name;
        TPoint Offset;
        int Range;
        bool Found;
    } cases[] = {
        {"Inside", {10, 10}, 0, true},
        {"DiagonallyWithinRange", {-20, -20}, 30, true},
        {"DiagonallyBeyondRange", {-40, -40}, 30, false},
        {"OutsideWithoutRange", {-3, -3}, 0, false},
    };
    for (const Case& c : cases) {
        TCustomDeckTabs* found =
            TCustomDeckTabs::FindDeckTabsAtPoint({origin.X + c.Offset.X, origin.Y + c.Offset.Y}, c.Range, 5);
        EXPECT_EQ(found, c.Found ? Strip2 : nullptr) << c.Name;
    }
}

} // namespace

namespace {

TEST_F(DeckTabsDrag, AStripThatGoesMidDragLeavesNoReferenceBehind)
{
    // The target goes: the drag carries on over no strip.
    DragTab0To(OverStrip2(Strip2TabPoint(0)));
    ASSERT_EQ(Strip->DragTabObject()->DockControl(), static_cast<IDeckTabDockControl*>(Strip2));
    delete std::exchange(Form2, nullptr);
    EXPECT_EQ(Strip->DragTabObject()->DockControl(), nullptr);
    SyntheticInput::MouseMove(Strip, {200, 600});
    SyntheticInput::KeyDown(Strip, VK_ESCAPE);
    EXPECT_EQ(Captions(Strip), "A,B,C");

    // The source goes: the target lets go of the drag and repaints.
    Reset();
    DragTab0To(OverStrip2(Strip2TabPoint(0)));
    ASSERT_TRUE(Strip2->ActiveDragTabObject());
    delete std::exchange(Form, nullptr);
    EXPECT_FALSE(Strip2->ActiveDragTabObject());
    EXPECT_EQ(Screen->Cursor(), crDefault);
    for (int i = 0; i < 50; ++i) {
        Clock.Advance(15);
        Strip2->DoAnimateTimer(nullptr);
    }
    EXPECT_EQ(Captions(Strip2), "X,Y");
}

} // namespace

namespace {

TEST_F(DeckTabsDrag, DragOverEventsFollowTheTabFromStripToStrip)
{
    QStringList states;
    auto record = [&states](const QString& Id) {
        return [&states, Id](TObject*, int, int, TDragState State, TDragTabObjectRef, bool&) {
            const QString s = Id + (State == dsDragEnter ? ":enter" : State == dsDragLeave ? ":leave" : ":move");
            if (states.isEmpty() || states.last() != s)
                states << s;
        };
    };
    Strip->OnTabDragOver = record("1");
    Strip2->OnTabDragOver = record("2");
    const TPoint target = OverStrip2(Strip2TabPoint(1));
    DragTab0To(target);
    SyntheticInput::MouseMove(Strip, {target.X + 2, target.Y});
    SyntheticInput::MouseUp(Strip, mbLeft, {target.X + 2, target.Y});
    // Between the strips the tab is over none; a strip other than the
    // source hears enter again on every move.
    EXPECT_EQ(states.join(' ').toStdString(), "1:enter 1:move 1:leave 2:enter 2:move 2:enter 2:move 2:leave");
    SettleBoth();
    EXPECT_EQ(Captions(Strip2), "X,A,Y");
    EXPECT_EQ(Strip2->ActiveTab()->Caption(), "A");
}

} // namespace
