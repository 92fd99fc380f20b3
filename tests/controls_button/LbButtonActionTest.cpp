// A button linked to an action: the action's image as glyph, the action's
// values, and the action running after the button's own click.
#include "ButtonForm.h"
#include "platform/controls/ActionList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"

namespace {

class LbButtonAction : public ButtonForm {
protected:
    void SetUp() override
    {
        ButtonForm::SetUp();
        Images = new TImageList(Form);
        Images->SetSize(12, 10);
        TBitmap bmp;
        bmp.SetSize(12, 10);
        bmp.Canvas()->Brush()->SetColor(clRed);
        bmp.Canvas()->FillRect(Rect(0, 0, 12, 10));
        bmp.Canvas()->Brush()->SetColor(clBlue);
        bmp.Canvas()->FillRect(Rect(0, 0, 4, 4));
        Images->Add(&bmp, nullptr);
        List = new TActionList(Form);
        List->SetImages(Images);
        Action = new TAction(Form);
        Action->SetActionList(List);
        Action->SetCaption("Apply");
    }

    TImageList* Images = nullptr;
    TActionList* List = nullptr;
    TAction* Action = nullptr;
};

TEST_F(LbButtonAction, EmptyGlyphTakesTheActionsImage)
{
    Action->SetImageIndex(0);
    Button->SetAction(Action);
    TBitmap* g = Button->Glyph();
    ASSERT_EQ(g->Width(), 12);
    ASSERT_EQ(g->Height(), 10);
    EXPECT_EQ(Button->NumGlyphs(), 1);
    EXPECT_EQ(g->Canvas()->Pixels(1, 1) & 0xFFFFFF, clBlue);
    EXPECT_EQ(g->Canvas()->Pixels(8, 8) & 0xFFFFFF, clRed);
    EXPECT_EQ(Button->Caption(), "Apply");
}

TEST_F(LbButtonAction, GlyphIsLeftAloneWhenNoImageApplies)
{
    struct Case {
        const char* Name;
        int Index;
        bool OwnGlyph;
        bool WithList;
    };
    const Case cases[] = {
        {"no image index", -1, false, true},
        {"index past the list", 1, false, true},
        {"button has a glyph", 0, true, true},
        {"action in no list", 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TLbButton* b = AddButton(10, 60);
        if (c.OwnGlyph) {
            TBitmap own;
            own.SetSize(20, 20);
            b->SetGlyph(&own);
        }
        Action->SetActionList(c.WithList ? List : nullptr);
        Action->SetImageIndex(c.Index);
        b->SetAction(Action);
        EXPECT_EQ(b->Glyph()->Width(), c.OwnGlyph ? 20 : 0);
        EXPECT_EQ(b->NumGlyphs(), c.OwnGlyph ? 1 : 0);
        delete b;
    }
}

TEST_F(LbButtonAction, ImageArrivesWhenTheActionChangesLater)
{
    Button->SetAction(Action);
    EXPECT_TRUE(Button->Glyph()->Empty());
    Action->SetImageIndex(0);
    EXPECT_EQ(Button->Glyph()->Width(), 12);
    Action->SetEnabled(false);
    EXPECT_FALSE(Button->Enabled());
}

TEST_F(LbButtonAction, ModalResultAndOwnClickComeBeforeTheAction)
{
    Button->OnClick = [this](TObject*) { Log << QStringLiteral("OnClick"); };
    Action->OnExecute = [this](TObject*) {
        Log << QStringLiteral("execute %1").arg(Form->ModalResult());
    };
    Button->SetModalResult(mrOk);
    Button->SetAction(Action);
    Button->Click();
    EXPECT_EQ(Log, (QStringList{"OnClick", "execute 1"}));
}

} // namespace
