#pragma once
// A timed transition between two sets of style values of one styled element
// of the tab strip (a tab's body, a button's body or symbol). The strip's
// animation tick advances it with TransformColors; drawing reads the current
// values.
#include "controls/tabs/DeckTabsUtils.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GdiPlus.h"
#include "platform/rtl/Object.h"
#include <QString>
#include <cstdint>

class TDeckTabsLookAndFeelStyle;
class TDeckTabsLookAndFeelFont;
class TDeckTabsLookAndFeelBaseFont;

struct TDeckTabControlProperties {
    TColor FontColor = 0;
    uint8_t FontAlpha = 0;
    QString FontName;
    int FontSize = 0;
    TTextRenderingHint TextRendoringMode = TextRenderingHintSystemDefault;
    TColor StartColor = 0;
    TColor StopColor = 0;
    TColor OutlineColor = 0;
    float OutlineSize = 0;
    int OutlineAlpha = 0; // 0..255
    int StartAlpha = 0;
    int StopAlpha = 0;
};

class TDeckTabControlPropertyItems : public TObject {
public:
    const TDeckTabControlProperties& StartTabProperties() const { return FStartTabProperties; }
    void SetStartTabProperties(const TDeckTabControlProperties& Value) { FStartTabProperties = Value; }
    const TDeckTabControlProperties& StopTabProperties() const { return FStopTabProperties; }
    void SetStopTabProperties(const TDeckTabControlProperties& Value) { FStopTabProperties = Value; }
    // The values to draw with now. Note: the font name and rendering mode
    // are not tweened; take them from StopTabProperties.
    const TDeckTabControlProperties& CurrentTabProperties() const { return FCurrentTabProperties; }
    void SetCurrentTabProperties(const TDeckTabControlProperties& Value) { FCurrentTabProperties = Value; }

    // False until the first SetProperties.
    bool Started() const { return FStarted; }
    // Tick count (monotonic ms) when the transition started.
    uint64_t StartTickCount() const { return FStartTickCount; }
    // Duration in ms.
    uint32_t EndTickCount() const { return FEndTickCount; }
    // Elapsed ms, capped at EndTickCount.
    uint32_t CurrentTickCount() const { return FCurrentTickCount; }
    bool Running() const { return FStarted && FCurrentTickCount < FEndTickCount; }

    // Starts a transition from the values shown now to Style's values and
    // the font's (DefaultFont when given, else StyleFont, else a font with
    // the construction defaults). ttNone or a duration of 0 applies the
    // target at once.
    void SetProperties(const TDeckTabsLookAndFeelStyle* Style, const TDeckTabsLookAndFeelFont* StyleFont,
                       const TDeckTabsLookAndFeelBaseFont* DefaultFont, uint32_t EndTickCount,
                       TDeckTabsEaseType EaseType);
    // Moves the current values along the eased curve to the clock's time;
    // ForceUpdate jumps to the target. False when there was nothing to do.
    bool TransformColors(bool ForceUpdate);
    // Marks the transition finished, leaving the current values as they are.
    void EndAnimation() { FCurrentTickCount = FEndTickCount; }

private:
    bool FStarted = false;
    uint64_t FStartTickCount = 0;
    uint32_t FEndTickCount = 0;
    uint32_t FCurrentTickCount = 0;
    TDeckTabControlProperties FStartTabProperties;
    TDeckTabControlProperties FStopTabProperties;
    TDeckTabControlProperties FCurrentTabProperties;
    TDeckTabsEaseType FEaseType = ttNone;
};
