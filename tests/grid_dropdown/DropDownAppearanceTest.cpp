#include "grid/dropdown/DropDownAppearance.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>
#include <QStringList>

namespace {

struct Recorder {
    QStringList Log;
    TNotifyEvent Note(const QString& What)
    {
        return [this, What](TObject*) { Log << What; };
    }
};

} // namespace

TEST(DropDownAppearance, NewHeaderAndFooterDefaults)
{
    TPersistent owner;
    THeaderAppearance h(&owner);
    TFooterAppearance f(&owner);
    TFont plain;
    for (TCustomAppearance* a : {static_cast<TCustomAppearance*>(&h), static_cast<TCustomAppearance*>(&f)}) {
        EXPECT_TRUE(a->Visible());
        EXPECT_EQ(a->Height(), 22);
        EXPECT_EQ(a->Color(), 0xC0C0C0);
        EXPECT_EQ(a->ColorTo(), 0xFFFFFF);
        EXPECT_EQ(a->GradientDirection(), gdVertical);
        EXPECT_EQ(a->BorderColor(), clBlack);
        EXPECT_EQ(a->BorderWidth(), 1);
        EXPECT_EQ(a->ImageIndex(), -1);
        EXPECT_EQ(a->ButtonAlignment(), baRight);
        EXPECT_TRUE(a->Caption().isEmpty());
        EXPECT_EQ(a->GetOwner(), &owner);
    }
    EXPECT_EQ(h.Font()->Name(), "Tahoma");
    EXPECT_EQ(f.Font()->Name(), plain.Name());
    EXPECT_TRUE(f.SizeGrip());
    EXPECT_EQ(h.Buttons()->Count(), 0);
    EXPECT_EQ(h.Buttons()->GetOwner(), &owner);
    EXPECT_EQ(f.Buttons()->GetOwner(), &owner);
}

TEST(DropDownAppearance, OnlyVisibleAndButtonChangesNotify)
{
    THeaderAppearance h(nullptr);
    Recorder r;
    h.OnChange = r.Note("change");
    h.OnButtonsChanged = r.Note("buttons");
    h.Buttons()->OnChange = [&](TObject* Sender) {
        EXPECT_EQ(Sender, h.Buttons());
        r.Log << "collection";
        h.ButtonsChanged();
    };

    h.SetVisible(true);
    h.SetColor(clRed);
    h.SetHeight(30);
    EXPECT_TRUE(r.Log.isEmpty());
    h.SetVisible(false);
    EXPECT_EQ(r.Log, QStringList{"change"});

    r.Log.clear();
    THeaderButton* b = h.Buttons()->Add();
    EXPECT_EQ(b->ImageIndex(), -1);
    EXPECT_TRUE(b->Enabled());
    b->SetHeight(40);
    b->SetImageIndex(2);
    b->SetWidth(0);
    EXPECT_TRUE(r.Log.isEmpty());
    b->SetWidth(50);
    b->SetCaption("OK");
    b->SetEnabled(false);
    EXPECT_EQ(r.Log, (QStringList{"collection", "buttons", "collection", "buttons", "collection", "buttons"}));
}

TEST(DropDownAppearance, FooterButtonsReachTheAppearance)
{
    TFooterAppearance f(nullptr);
    int buttons = 0;
    f.OnButtonsChanged = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &f);
        ++buttons;
    };
    TFooterButton* b = f.Buttons()->Add();
    b->SetCaption("Cancel");
    b->SetModalResult(2);
    EXPECT_EQ(buttons, 1);
}

TEST(DropDownAppearance, AssignCopiesTheListedMembers)
{
    THeaderAppearance src(nullptr), dst(nullptr);
    src.SetColor(clRed);
    src.SetColorTo(clNone);
    src.SetBorderColor(clBlue);
    src.SetBorderWidth(3);
    src.SetCaption("<b>Pick</b>");
    src.Font()->SetName("Arial");
    src.SetImageIndex(4);
    src.SetGradientDirection(gdHorizontal);
    src.SetHeight(40);
    src.SetVisible(false);
    src.SetButtonAlignment(baLeft);
    src.Buttons()->Add()->SetCaption("A");
    int changes = 0;
    dst.OnChange = [&](TObject*) { ++changes; };

    dst.Assign(&src);
    EXPECT_EQ(dst.Color(), clRed);
    EXPECT_EQ(dst.ColorTo(), clNone);
    EXPECT_EQ(dst.BorderColor(), clBlue);
    EXPECT_EQ(dst.BorderWidth(), 3);
    EXPECT_EQ(dst.Caption(), "<b>Pick</b>");
    EXPECT_EQ(dst.Font()->Name(), "Arial");
    EXPECT_NE(dst.Font(), src.Font());
    EXPECT_EQ(dst.ImageIndex(), 4);
    EXPECT_EQ(dst.GradientDirection(), gdHorizontal);
    EXPECT_EQ(dst.Height(), 40);
    EXPECT_FALSE(dst.Visible());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(dst.ButtonAlignment(), baLeft);
    ASSERT_EQ(dst.Buttons()->Count(), 1);
    EXPECT_EQ(dst.Buttons()->Items(0)->Caption(), "A");
    EXPECT_NE(dst.Buttons()->Items(0), src.Buttons()->Items(0));

    // A footer copies its size grip and its buttons' modal results.
    TFooterAppearance fs(nullptr), fd(nullptr);
    fs.SetSizeGrip(false);
    fs.Buttons()->Add()->SetModalResult(1);
    fd.Assign(&fs);
    EXPECT_FALSE(fd.SizeGrip());
    EXPECT_EQ(fd.Buttons()->Items(0)->ModalResult(), 1);
}

TEST(DropDownAppearance, ForeignSourcesAreIgnoredOrRefused)
{
    THeaderAppearance h(nullptr);
    TFooterAppearance f(nullptr);
    f.SetColor(clRed);
    f.SetVisible(false);
    EXPECT_NO_THROW(h.Assign(&f));
    EXPECT_NO_THROW(h.AssignColors(&f));
    EXPECT_EQ(h.Color(), 0xC0C0C0);
    EXPECT_TRUE(h.Visible());

    // Buttons refuse other kinds of button through the framework's error.
    THeaderButton* hb = h.Buttons()->Add();
    TFooterButton* fb = f.Buttons()->Add();
    EXPECT_THROW(hb->Assign(fb), EConvertError);
}

TEST(DropDownAppearance, AssignColorsTakesOnlyTheColoursAndFont)
{
    THeaderAppearance src(nullptr), dst(nullptr);
    src.SetColor(clRed);
    src.SetColorTo(clLime);
    src.SetBorderColor(clBlue);
    src.SetGradientDirection(gdHorizontal);
    src.Font()->SetName("Arial");
    src.SetHeight(50);
    src.SetCaption("x");
    dst.AssignColors(&src);
    EXPECT_EQ(dst.Color(), clRed);
    EXPECT_EQ(dst.ColorTo(), clLime);
    EXPECT_EQ(dst.BorderColor(), clBlue);
    EXPECT_EQ(dst.GradientDirection(), gdHorizontal);
    EXPECT_EQ(dst.Font()->Name(), "Arial");
    EXPECT_EQ(dst.Height(), 22);
    EXPECT_TRUE(dst.Caption().isEmpty());
}
