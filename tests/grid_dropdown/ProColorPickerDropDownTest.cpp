// The colour picker drop-down: the texts of a colour in every form, the
// list with its entries, keys and type-ahead, picks from the palette, the
// cube and the spectrum, cancelled closes, and the open choosers rendered
// offscreen as PNGs next to the test program.
#include "grid/dropdown/ProColorPickerDropDown.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/rtl/Clock.h"
#include <QImage>
#include <QPainter>
#include "../support/PopupShot.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

TPoint MiddleOf(const TRect& R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

class ColorPicker : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Picker = new TProColorPickerDropDown(Form.get());
        Picker->SetParent(Form.get());
        Picker->SetBounds(10, 20, 140, 22);
        Picker->AddDefaultColors();
        Picker->OnSelect = [this](TObject*) { Log.push_back(Picker->ItemIndex()); };
        Form->Show();
        Picker->SetFocus();
    }
    void TearDown() override
    {
        Form.reset();
        SetClock(nullptr);
    }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }
    void Elapse(int Ms)
    {
        Clock.Advance(Ms);
        for (int i = 0; i < Picker->ComponentCount(); ++i)
            if (auto* t = dynamic_cast<TTimer*>(Picker->Components(i)))
                t->CheckDue();
    }
    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    TProColorPickerDropDown* Picker = nullptr;
    std::vector<int> Log;
};

TEST_F(ColorPicker, TheSixteenClassicColoursColumnByColumn)
{
    const char* names[] = {"Black", "Maroon", "Green", "Olive", "Navy",    "Purple", "Teal", "Gray",
                           "Silver", "Red",   "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
    const TColor colors[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
                             0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    ASSERT_EQ(Picker->Colors()->Count(), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Picker->Colors()->Items(i)->Caption(), QString::fromLatin1(names[i]));
        EXPECT_EQ(Picker->Colors()->Items(i)->Color(), colors[i]) << names[i];
    }
    Picker->AddDefaultColors();
    EXPECT_EQ(Picker->Colors()->Count(), 32) << "existing entries stay";
}

struct TTextCase {
    const char* Name;
    TColor Color;
    TColorSelectionStyle Style;
    TColorValueText Form;
    const char* Text;
};

const TTextCase TextCases[] = {
    {"ListEntryName", 0x0000FF, csList, cvtHex, "Red"},
    {"ListEntryNameFirstOfTwo", 0xFFFF00, csList, cvtNone, "Aqua"},
    {"ListWithoutEntryNone", 0x123456, csList, cvtNone, ""},
    {"HexInStorageOrder", 0x0000FF, csDiscrete, cvtHex, "0000FF"},
    {"HexOfAColourWithoutName", 0x123456, csDiscrete, cvtHex, "123456"},
    {"HexOfASystemColourUnresolved", TColor(0x80000005), csDiscrete, cvtHex, "80000005"},
    {"WebName", 0x0000FF, csSpectrum, cvtWebName, "clWebRed"},
    {"WebNameFirstMatchInTableOrder", 0xFFFF00, csSpectrum, cvtWebName, "clWebCyan"},
    {"WebNameOfDarkGreen", 0x008000, csSpectrum, cvtWebName, "clWebGreen"},
    {"WebNameMissingGivesHtml", 0x123456, csColorCube, cvtWebName, "#563412"},
    {"RGBRedFirst", 0x0000FF, csColorCube, cvtRGB, "Red:255,Green:0,Blue:0"},
    {"RGBMixed", 0x123456, csColorCube, cvtRGB, "Red:86,Green:52,Blue:18"},
    {"HTML", 0x0000FF, csDiscrete, cvtHTML, "#FF0000"},
    {"HTMLMixed", 0x123456, csDiscrete, cvtHTML, "#563412"},
    {"NoneForm", 0x0000FF, csDiscrete, cvtNone, ""},
};

class ColorPickerText : public ColorPicker, public ::testing::WithParamInterface<TTextCase> {};

TEST_P(ColorPickerText, TheSelectedColourAsText)
{
    const TTextCase& c = GetParam();
    Picker->SetColorSelectionStyle(c.Style);
    Picker->SetColorValueText(c.Form);
    Picker->SetSelectedColor(c.Color);
    EXPECT_EQ(Picker->SelectedColorText(), QString::fromLatin1(c.Text));
}

INSTANTIATE_TEST_SUITE_P(Forms, ColorPickerText, ::testing::ValuesIn(TextCases),
                         [](const ::testing::TestParamInfo<TTextCase>& Info) { return std::string(Info.param.Name); });

TEST_F(ColorPicker, SelectedColourFindsItsEntryAndItemIndexGivesItsColour)
{
    Picker->SetSelectedColor(0x0000FF);
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Log, std::vector<int>({9}));
    // No entry of that colour: the entry stays and nothing fires.
    Picker->SetSelectedColor(0x123456);
    EXPECT_EQ(Picker->ItemIndex(), 9);
    EXPECT_EQ(Log.size(), 1u);
    // An entry gives its colour; an index past the entries is ignored; a
    // negative one is stored and fires, the colour stays.
    Picker->SetItemIndex(12);
    EXPECT_EQ(Picker->SelectedColor(), 0xFF0000);
    Picker->SetItemIndex(16);
    EXPECT_EQ(Picker->ItemIndex(), 12);
    Picker->SetItemIndex(-1);
    EXPECT_EQ(Picker->SelectedColor(), 0xFF0000);
    Picker->SetItemIndex(-1);
    EXPECT_EQ(Log, std::vector<int>({9, 12, -1, -1}));
}

TEST_F(ColorPicker, ClosedKeysStepTheEntriesAndLettersLookThemUp)
{
    Key(Picker, VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    Key(Picker, VK_END);
    EXPECT_EQ(Picker->ItemIndex(), 15);
    Key(Picker, VK_UP);
    EXPECT_EQ(Picker->ItemIndex(), 14);
    Key(Picker, VK_HOME);
    EXPECT_EQ(Picker->ItemIndex(), 0);
    Key(Picker, 'R');
    EXPECT_EQ(Picker->ItemIndex(), 9) << "R: Red";
    Elapse(600);
    Key(Picker, 'B');
    Elapse(200);
    Key(Picker, 'L');
    Elapse(200);
    Key(Picker, 'U');
    EXPECT_EQ(Picker->ItemIndex(), 12) << "BLU within 500 ms of the B: Blue";
    Elapse(200);
    Key(Picker, 'L');
    EXPECT_EQ(Picker->ItemIndex(), 10) << "L alone: Lime";
    EXPECT_FALSE(Picker->DroppedDown());
}

TEST_F(ColorPicker, TheOpenListChoosesByKeysAndClicksAndACancelRestores)
{
    Picker->SetColumns(4);
    Picker->SetItemIndex(5);
    Log.clear();
    Picker->ShowDropDown();
    ASSERT_TRUE(Picker->DroppedDown());
    ASSERT_EQ(Picker->ItemSelector()->Items()->Count(), 16);
    Key(Focused(), VK_DOWN);
    EXPECT_EQ(Picker->ItemIndex(), 9) << "Down moves a row of Columns";
    EXPECT_TRUE(Picker->DroppedDown()) << "keys choose without closing";
    Picker->HideDropDown(true);
    EXPECT_EQ(Picker->ItemIndex(), 5);
    EXPECT_EQ(Picker->SelectedColor(), TColor(0x800080));

    Clock.Advance(1000);
    Picker->ShowDropDown();
    TCustomItemSelector* list = Picker->ItemSelector()->Panel();
    Click(list, MiddleOf(list->GetItemRect(13)));
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), TColor(0xFF00FF));

    // Enter on the hot entry chooses it and fires OnSelect once.
    Clock.Advance(1000);
    Picker->ShowDropDown();
    MouseMove(list, MiddleOf(list->GetItemRect(2)));
    Log.clear();
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->ItemIndex(), 2);
    EXPECT_EQ(Log, std::vector<int>({2}));
}

TEST_F(ColorPicker, AListCutByHeaderAndFooterGrowsByItsBarInsteadOfScrollingSideways)
{
    Picker->DropDownHeader()->SetVisible(true);
    Picker->DropDownFooter()->SetVisible(true);
    Picker->SetDropDownHeight(150);
    Picker->ShowDropDown();
    const TSize cells = Picker->ItemSelector()->GetSelectorSize();
    EXPECT_EQ(Picker->DropDownForm()->Width(), cells.cx + 2 + 17);
    EXPECT_TRUE(Picker->ItemSelector()->VertScrollBar()->IsScrollBarVisible());
    EXPECT_FALSE(Picker->ItemSelector()->HorzScrollBar()->IsScrollBarVisible());
}

TEST_F(ColorPicker, ThePaletteChoosesItsBoxesAndACancelBringsTheColourBack)
{
    Picker->SetColorSelectionStyle(csDiscrete);
    Picker->SetSelectedColor(0x7F7F7F);
    Picker->ShowDropDown();
    TCustomColorSelector* palette = Picker->ColorSelector();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(palette->ItemIndex(), 11) << "the first box of the colour";
    Key(Focused(), VK_DOWN);
    EXPECT_EQ(palette->ItemIndex(), 21);
    EXPECT_EQ(Picker->SelectedColor(), TColor(0x595959));
    EXPECT_EQ(Picker->ItemIndex(), -1);
    Picker->HideDropDown(true);
    EXPECT_EQ(Picker->SelectedColor(), TColor(0x7F7F7F));

    Clock.Advance(1000);
    Picker->ShowDropDown();
    Click(palette, MiddleOf(palette->GetItemRect(5)));
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), TColor(0x4D50C0));
    // Closed, Left and Right still step the colour.
    Key(Picker, VK_RIGHT);
    EXPECT_EQ(Picker->SelectedColor(), TColor(0x59BB9B));
}

TEST_F(ColorPicker, ACubePickOfAListedColourFiresTwiceAndLeavesNoEntry)
{
    Picker->SetColorSelectionStyle(csColorCube);
    Picker->ShowDropDown();
    TProColorCubePanel* cube = Picker->ColorCube();
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(Picker->DropDownForm()->Width(), 182 + 2);
    EXPECT_EQ(Picker->DropDownForm()->Height(), 160 + 2);
    const TProColorCubePanel::TCubeCell& red = cube->Cell(118);
    ASSERT_EQ(red.Color, TColor(0x0000FF));
    Click(cube, {red.X, red.Y});
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), TColor(0x0000FF));
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Log, std::vector<int>({9, -1}));
}

TEST_F(ColorPicker, ASpectrumPickTakesThePixelUnderTheMouse)
{
    Picker->SetColorSelectionStyle(csSpectrum);
    Picker->ShowDropDown();
    TProColorSpectrumPanel* spectrum = Picker->ColorSpectrum();
    ASSERT_NE(spectrum, nullptr);
    TImage* image = spectrum->Spectrum();
    EXPECT_EQ(image->BoundsRect(), TRect(11, 10, 139, 138));
    EXPECT_EQ(spectrum->SelectedRect(), TRect(10, 146, 73, 166));
    EXPECT_EQ(spectrum->HotRect(), TRect(77, 146, 140, 166));
    struct Pick {
        TPoint P;
        TColor Color;
    };
    for (const Pick& p : {Pick{{0, 0}, clWhite}, Pick{{0, 63}, 0x0000FF}, Pick{{0, 127}, clBlack}}) {
        MouseMove(image, p.P);
        EXPECT_EQ(spectrum->HotColor(), p.Color) << p.P.X << "," << p.P.Y;
    }
    MouseMove(image, {64, 64});
    const TColor hot = spectrum->HotColor();
    EXPECT_EQ(GetRValue(hot), 0) << "the middle column is cyan";
    Click(image, {64, 64});
    EXPECT_FALSE(Picker->DroppedDown());
    EXPECT_EQ(Picker->SelectedColor(), hot);
    EXPECT_EQ(Picker->ItemIndex(), -1);
    EXPECT_EQ(Picker->SelectedColorText(), QString());
}

TEST_F(ColorPicker, SwitchingStylesShowsTheListRefilledAgain)
{
    Picker->SetColorSelectionStyle(csSpectrum);
    Picker->Colors()->Items(0)->SetCaption(QStringLiteral("Ink"));
    Picker->SetColorSelectionStyle(csList);
    ASSERT_NE(Picker->ItemSelector(), nullptr);
    EXPECT_TRUE(Picker->ItemSelector()->Visible());
    EXPECT_FALSE(Picker->ColorSpectrum()->Visible());
    EXPECT_EQ(Picker->ItemSelector()->Items()->Items(0)->Caption(), QStringLiteral("Ink"));
}


TEST_F(ColorPicker, TheEditPaintsSwatchAndTextAndTheChoosersRender)
{
    Picker->SetSelectedColor(0x0000FF);
    Picker->Repaint();
    const QImage edit = Picker->Handle()->grab().toImage();
    const int middle = Picker->Height() / 2;
    EXPECT_EQ(edit.pixel(1 + 4 + 7, middle), qRgb(255, 0, 0)) << "the swatch";
    EXPECT_EQ(edit.pixel(1 + 4, middle), qRgb(0, 0, 0)) << "its black frame";

    struct TShot {
        TColorSelectionStyle Style;
        const char* File;
    };
    Picker->SetColumns(2);
    for (const TShot& s : {TShot{csList, "/colorpicker_list.png"}, TShot{csDiscrete, "/colorpicker_palette.png"},
                           TShot{csColorCube, "/colorpicker_cube.png"},
                           TShot{csSpectrum, "/colorpicker_spectrum.png"}}) {
        Clock.Advance(1000);
        Picker->SetColorSelectionStyle(s.Style);
        Picker->ShowDropDown();
        ASSERT_TRUE(Picker->DroppedDown()) << s.File;
        const QImage shot = PopupShot(*Form, Picker->DropDownForm());
        ASSERT_TRUE(shot.save(QStringLiteral(DROPDOWN_DEMO_DIR) + QString::fromLatin1(s.File)));
        Picker->HideDropDown(false);
    }
    // Nothing selected: neither swatch nor text.
    Picker->SetItemIndex(-1);
    auto* blank = new TProColorPickerDropDown(Form.get());
    blank->SetParent(Form.get());
    blank->SetBounds(10, 60, 140, 22);
    blank->Repaint();
    const QImage empty = blank->Handle()->grab().toImage();
    EXPECT_EQ(empty.pixel(1 + 4 + 7, middle), empty.pixel(40, middle));
}

} // namespace
