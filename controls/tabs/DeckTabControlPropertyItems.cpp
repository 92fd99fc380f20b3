#include "controls/tabs/DeckTabControlPropertyItems.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "platform/rtl/Clock.h"

#include <algorithm>
#include <cmath>

void TDeckTabControlPropertyItems::SetProperties(const TDeckTabsLookAndFeelStyle* Style,
                                                 const TDeckTabsLookAndFeelFont* StyleFont,
                                                 const TDeckTabsLookAndFeelBaseFont* DefaultFont,
                                                 uint32_t EndTickCount, TDeckTabsEaseType EaseType)
{
    FEaseType = EaseType;
    const TDeckTabsLookAndFeelBaseFont fallback(nullptr);
    const TDeckTabsLookAndFeelBaseFont* font = DefaultFont ? DefaultFont
                                               : StyleFont ? static_cast<const TDeckTabsLookAndFeelBaseFont*>(StyleFont)
                                                           : &fallback;
    TDeckTabControlProperties target;
    target.FontColor = font->Color();
    target.FontAlpha = font->Alpha();
    target.FontName = font->Name();
    target.FontSize = font->Size();
    target.TextRendoringMode = font->TextRendoringMode();
    target.StartColor = Style->StartColor();
    target.StopColor = Style->StopColor();
    target.OutlineColor = Style->OutlineColor();
    target.OutlineSize = Style->OutlineSize();
    target.OutlineAlpha = Style->OutlineAlpha();
    target.StartAlpha = Style->StartAlpha();
    target.StopAlpha = Style->StopAlpha();

    FStopTabProperties = target;
    FStartTabProperties = FCurrentTabProperties;
    FStarted = true;
    FStartTickCount = GetTickCount64();
    FCurrentTickCount = 0;
    // Without easing or time there is nothing to animate: show the target now.
    if (EaseType != ttNone && EndTickCount > 0)
        FEndTickCount = EndTickCount;
    else {
        FEndTickCount = 0;
        TransformColors(true);
    }
}

bool TDeckTabControlPropertyItems::TransformColors(bool ForceUpdate)
{
    int percent = 100;
    if (!ForceUpdate) {
        if (!FStarted || FCurrentTickCount >= FEndTickCount)
            return false;
        const uint64_t elapsed = GetTickCount64() - FStartTickCount;
        FCurrentTickCount = uint32_t(std::min<uint64_t>(elapsed, FEndTickCount));
        percent = int(std::nearbyint(EasedValue(FCurrentTickCount, 0, 100, FEndTickCount, FEaseType)));
    }
    const TDeckTabControlProperties& a = FStartTabProperties;
    const TDeckTabControlProperties& b = FStopTabProperties;
    TDeckTabControlProperties& c = FCurrentTabProperties;
    c.FontColor = TweenColor(a.FontColor, b.FontColor, percent);
    c.StartColor = TweenColor(a.StartColor, b.StartColor, percent);
    c.StopColor = TweenColor(a.StopColor, b.StopColor, percent);
    c.OutlineColor = TweenColor(a.OutlineColor, b.OutlineColor, percent);
    c.FontAlpha = uint8_t(TweenInteger(a.FontAlpha, b.FontAlpha, percent));
    c.FontSize = TweenInteger(a.FontSize, b.FontSize, percent);
    c.StartAlpha = TweenInteger(a.StartAlpha, b.StartAlpha, percent);
    c.StopAlpha = TweenInteger(a.StopAlpha, b.StopAlpha, percent);
    c.OutlineAlpha = TweenInteger(a.OutlineAlpha, b.OutlineAlpha, percent);
    c.OutlineSize = TweenSingle(a.OutlineSize, b.OutlineSize, percent);
    return true;
}
