#pragma once
// A shown form with one 180 by 180 watch, a fake clock for its timers and
// helpers that read its face back.
#include "grid/dropdown/ProWatch.h"
#include "platform/controls/Form.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/DateTime.h"
#include <gtest/gtest.h>
#include <vector>

class WatchForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&FClock);
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 260, 240);
        Form->SetColor(clBtnFace);
        Watch = new TProWatch(Form);
        Watch->SetParent(Form);
        Watch->SetLeft(10);
        Watch->SetTop(10);
        Form->Show();
    }
    void TearDown() override
    {
        delete Form;
        SetClock(nullptr);
    }

    // The watch's timer of that interval (100: clock, 1: animation).
    TTimer* WatchTimer(unsigned Interval)
    {
        for (int i = 0; i < Watch->ComponentCount(); ++i)
            if (auto* t = dynamic_cast<TTimer*>(Watch->Components(i)); t && t->Interval() == Interval)
                return t;
        return nullptr;
    }

    // Runs the animation to its end; returns the time after each step.
    std::vector<TDateTime> Animate(int Limit = 200)
    {
        std::vector<TDateTime> steps;
        TTimer* timer = WatchTimer(1);
        for (int i = 0; i < Limit && Watch->Animating(); ++i) {
            FClock.Advance(1);
            const TDateTime before = Watch->Time();
            timer->CheckDue();
            if (Watch->Time() != before)
                steps.push_back(Watch->Time());
        }
        return steps;
    }

    static QString Hm(TDateTime T) { return FormatDateTime(QStringLiteral("hh:nn"), T); }
    static TDateTime At(int H, int M, int S = 0) { return EncodeTime(H, M, S, 0); }

    TColor Pixel(int X, int Y) { return ColorToRGB(Watch->Canvas()->Pixels(X, Y)) & 0xFFFFFF; }
    // Pixels of Color in R.
    int Count(const TRect& R, TColor Color)
    {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                if (Pixel(x, y) == Color)
                    ++n;
        return n;
    }
    // Pixels in R that are not Color.
    int Ink(const TRect& R, TColor Background) { return R.Width() * R.Height() - Count(R, Background); }

    TFakeClock FClock{0, 1000};
    TForm* Form = nullptr;
    TProWatch* Watch = nullptr;
};
