#pragma once
// The style vocabulary shared by every styled control of the grid and
// drop-down libraries, and the two interfaces through which a control
// receives a style. A caller finds them with dynamic_cast on the component.
#include "platform/graphics/Color.h"

// Ordinals are stored; keep the order.
enum TQLXStyle {
    tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
    tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista,
    tsWindows7, tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black
};

enum TOfficeTheme {
    ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black,
    ot2010Blue, ot2010Silver, ot2010Black, otUnknown
};

struct TColorTone {
    TColor BrushColor = 0;
    TColor BorderColor = 0;
    TColor TextColor = 0;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
};

class IQLXStyle {
public:
    virtual ~IQLXStyle() = default;
    virtual void SetComponentStyle(TQLXStyle AStyle) = 0;
};

class IQLXTones {
public:
    virtual ~IQLXTones() = default;
    virtual void SetColorTones(const TColorTones& ATones) = 0;
};
