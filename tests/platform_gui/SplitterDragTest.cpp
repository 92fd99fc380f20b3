// Splitters resize their neighbour by dragging, within MinSize.
#include "StdControlsFixture.h"
#include "platform/controls/Panel.h"
#include "platform/controls/Splitter.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

struct DragCase {
    const char* Name;
    TAlign Align;
    int Delta;
    int WantSize;
};

using SplitterDrag = StdControlsTest;

TEST_F(SplitterDrag, DraggingResizesTheNeighbourWithinLimits)
{
    // The form's client area is 400 x 300; the neighbour starts at 100.
    const DragCase cases[] = {
        {"left wider", alLeft, 50, 150},
        {"left narrower", alLeft, -40, 60},
        {"left below MinSize", alLeft, -90, 30},
        {"left leaves MinSize on the other side", alLeft, 500, 400 - 3 - 30},
        {"right wider when dragged left", alRight, -50, 150},
        {"top taller", alTop, 20, 120},
        {"bottom taller when dragged up", alBottom, -20, 120},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* side = new TPanel(Form);
        side->SetParent(Form);
        side->SetAlign(c.Align);
        side->SetWidth(100);
        side->SetHeight(100);
        auto* splitter = new TSplitter(Form);
        splitter->SetParent(Form);
        splitter->SetAlign(c.Align);
        bool vertical = c.Align == alLeft || c.Align == alRight;
        if (vertical)
            splitter->SetWidth(3);
        else
            splitter->SetHeight(3);
        // Placed just past the neighbour so that it aligns after it.
        if (c.Align == alLeft)
            splitter->SetLeft(200);
        else if (c.Align == alRight)
            splitter->SetLeft(0);
        else if (c.Align == alTop)
            splitter->SetTop(200);
        else
            splitter->SetTop(0);
        auto* rest = new TPanel(Form);
        rest->SetParent(Form);
        rest->SetAlign(alClient);
        ASSERT_EQ(splitter->FindControl(), side);
        int moved = 0;
        splitter->OnMoved = [&](TObject*) { ++moved; };
        MouseDown(splitter, mbLeft, {1, 1});
        TPoint to = vertical ? TPoint{1 + c.Delta, 1} : TPoint{1, 1 + c.Delta};
        // The release is where the move went, seen from the moved splitter.
        TPoint target = splitter->ClientToParent(to);
        MouseMove(splitter, to, {ssLeft});
        MouseUp(splitter, mbLeft, {target.X - splitter->Left(), target.Y - splitter->Top()});
        EXPECT_EQ(vertical ? side->Width() : side->Height(), c.WantSize);
        EXPECT_EQ(moved, 1);
        delete rest;
        delete splitter;
        delete side;
    }
}

} // namespace
