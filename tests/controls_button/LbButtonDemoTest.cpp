// A form with buttons in every style, scheme and kind, saved as a PNG in
// the build folder for a look by eye.
#include "ButtonForm.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/RasterImage.h"
#include <QDir>

namespace {

TEST(LbButtonDemo, RendersEveryStyle)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 600, 330);
    form.SetColor(0xF0F0F0);
    std::vector<TLbButton*> buttons;
    auto add = [&](int col, int row, const QString& caption) {
        auto* b = new TLbButton(&form);
        b->SetBounds(10 + col * 145, 10 + row * 36, 135, 28);
        b->SetCaption(caption);
        b->SetParent(&form);
        buttons.push_back(b);
        return b;
    };
    const struct {
        TLbButtonStyle Style;
        const char* Name;
    } styles[] = {{bsNormal, "Normal"}, {bsEncarta, "Encarta"}, {bsModern, "Modern"},
                  {bsOld, "Old"},       {bsShape, "Shape"},     {bsQuicken, "Quicken"}};
    int row = 0;
    for (const auto& s : styles) {
        TLbButton* plain = add(0, row, QString::fromLatin1(s.Name));
        plain->SetStyle(s.Style);
        TLbButton* kind = add(1, row, QString());
        kind->SetKind(bkOK);
        kind->SetStyle(s.Style);
        TLbButton* off = add(2, row, QStringLiteral("&Disabled"));
        off->SetKind(bkCancel);
        off->SetCaption(QStringLiteral("&Disabled"));
        off->SetStyle(s.Style);
        off->SetEnabled(false);
        ++row;
    }
    // The configurator's own look, idle and pressed, and a focused bsOld.
    TLbButton* program = add(3, 0, QStringLiteral("Set Communication"));
    TLbButton* pressed = add(3, 1, QStringLiteral("Pressed"));
    for (TLbButton* b : {program, pressed}) {
        b->SetStyle(bsEncarta);
        b->SetColor(0xEDF7F8);
        b->SetColorWhenDown(0x0080FF);
        b->SetHotTrackColor(clYellow);
        b->SetLightColor(clGray);
        b->SetAlignment(taLeftJustify);
    }
    const TLbColorStyle schemes[] = {lcsGold, lcsDeck, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2,
                                     lcsUltraFlatXP, lcsAqua, lcsDefault, lcsQuicken};
    const char* schemeNames[] = {"Gold", "Deck", "Blue", "Red", "UltraFlat1", "UltraFlat2",
                                 "UltraFlatXP", "Aqua", "Default", "Quicken"};
    // Schemes fill column 3 below the program's buttons, then rows 6 and 7.
    const TPoint cells[] = {{3, 2}, {3, 3}, {3, 4}, {3, 5}, {0, 6}, {1, 6}, {2, 6}, {3, 6}, {0, 7}, {1, 7}};
    for (int i = 0; i < 10; ++i)
        add(cells[i].X, cells[i].Y, QString::fromLatin1(schemeNames[i]))->SetColorStyle(schemes[i]);
    form.Show();
    SyntheticInput::MouseDown(pressed, mbLeft, {20, 14});
    for (TLbButton* b : buttons)
        b->Repaint();

    TBitmap shot(form.Width(), form.Height());
    shot.Canvas()->Brush()->SetColor(form.Color());
    shot.Canvas()->FillRect(Rect(0, 0, form.Width(), form.Height()));
    for (TLbButton* b : buttons)
        shot.Canvas()->CopyRect(b->BoundsRect(), b->Canvas(), Rect(0, 0, b->Width(), b->Height()));
    SyntheticInput::MouseUp(pressed, mbLeft, {20, 14});

    TPngImage png;
    png.Bitmap()->Assign(&shot);
    const QString file = QStringLiteral(BUTTON_DEMO_DIR "/lbbutton_demo.png");
    png.SaveToFile(file);
    EXPECT_TRUE(QFile::exists(file));
}

} // namespace
