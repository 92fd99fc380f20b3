#pragma once
// A shown form with one button and helpers that read its face back.
#include "controls/button/LbButton.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Canvas.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// A focusable control that counts the keys reaching its key-down handler.
class TKeySink : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int KeyDowns = 0;

protected:
    void KeyDown(int& Key, TShiftState Shift) override
    {
        ++KeyDowns;
        TCustomControl::KeyDown(Key, Shift);
    }
};
// Stand-ins for the framework's controls, told apart by class name.
class TPlainBox : public TKeySink {
public:
    using TKeySink::TKeySink;
};
class TOtherButton : public TKeySink {
public:
    using TKeySink::TKeySink;
};
class TMyRadioButton : public TKeySink {
public:
    using TKeySink::TKeySink;
};

class ButtonForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 320, 200);
        Form->SetColor(clWhite);
        Button = AddButton(10, 10);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    TLbButton* AddButton(int x, int y)
    {
        auto* b = new TLbButton(Form);
        b->SetBounds(x, y, 100, 28);
        b->SetParent(Form);
        return b;
    }

    // Logs the button's own click and the inherited one.
    void LogClicks(TLbButton* b, const QString& tag = QString())
    {
        b->OnClick = [this, tag](TObject*) { Log << tag + QStringLiteral("OnClick"); };
        b->TControl::OnClick = [this, tag](TObject*) { Log << tag + QStringLiteral("inherited"); };
    }

    TColor Pixel(int x, int y) { return Button->Canvas()->Pixels(x, y) & 0xFFFFFF; }

    // Pixels inside the face (clear of edges and focus rectangle) that are
    // not the face colour.
    int InkCount(TColor face)
    {
        int n = 0;
        for (int y = 5; y < Button->Height() - 5; ++y)
            for (int x = 5; x < Button->Width() - 5; ++x)
                if (Pixel(x, y) != face)
                    ++n;
        return n;
    }

    // Top-left corner of the ink inside the face.
    TPoint InkOrigin(TColor face)
    {
        TPoint p{1000, 1000};
        for (int y = 5; y < Button->Height() - 5; ++y)
            for (int x = 5; x < Button->Width() - 5; ++x)
                if (Pixel(x, y) != face) {
                    p.X = std::min(p.X, x);
                    p.Y = std::min(p.Y, y);
                }
        return p;
    }

    TForm* Form = nullptr;
    TLbButton* Button = nullptr;
    QStringList Log;
};
