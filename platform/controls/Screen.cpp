#include "platform/controls/Screen.h"
#include "platform/controls/Form.h"
#include "platform/controls/qt/HostApi.h"
#include <algorithm>

TScreen* Screen = new TScreen;

TScreen::TScreen() = default;
TScreen::~TScreen() = default;

int TScreen::Width() const { return ScreenGeometry().Width(); }
int TScreen::Height() const { return ScreenGeometry().Height(); }
TRect TScreen::WorkAreaRect() const { return ScreenWorkArea(); }

QStringList TScreen::Fonts() const
{
    QStringList fonts = ScreenFontFamilies();
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
}

TMonitor* TScreen::MonitorFromPoint(TPoint P)
{
    TRect bounds;
    bool primary = false;
    if (FTestMonitors.empty()) {
        bounds = ScreenGeometryAt(P);
        primary = bounds == ScreenGeometry();
    } else {
        // Off every monitor: the primary one.
        bounds = FTestMonitors.front();
        for (const TRect& r : FTestMonitors)
            if (P.X >= r.Left && P.X < r.Right && P.Y >= r.Top && P.Y < r.Bottom)
                bounds = r;
        primary = bounds == FTestMonitors.front();
    }
    for (auto& m : FMonitors)
        if (m->BoundsRect == bounds)
            return m.get();
    auto m = std::make_unique<TMonitor>();
    m->MonitorNum = int(FMonitors.size());
    m->Primary = primary;
    m->BoundsRect = bounds;
    m->WorkareaRect = m->Primary && FTestMonitors.empty() ? ScreenWorkArea() : bounds;
    FMonitors.push_back(std::move(m));
    return FMonitors.back().get();
}

TMonitor* TScreen::PrimaryMonitor()
{
    if (!FTestMonitors.empty())
        return MonitorFromPoint(FTestMonitors.front().TopLeft());
    TRect r = ScreenGeometry();
    return MonitorFromPoint({r.Left, r.Top});
}

void TScreen::SetTestMonitors(const std::vector<TRect>& Bounds)
{
    FTestMonitors = Bounds;
    FMonitors.clear();
}

void TScreen::SetCursor(TCursor value)
{
    if (FCursor == value)
        return;
    FCursor = value;
    ApplicationSetOverrideCursor(value);
}

void TScreen::SetCursorImage(TCursor Id, TBitmap* Image, TPoint HotSpot)
{
    HostSetCursorImage(Id, Image, HotSpot);
}

bool TScreen::HasCursorImage(TCursor Id) const { return HostHasCursorImage(Id); }

TCursor TScreen::CurrentCursor() const
{
    return FCursor != crDefault ? FCursor : FControlCursor;
}

void TScreen::AddForm(TCustomForm* Form) { FForms.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form)
        FActiveForm = nullptr;
    if (FActiveControl && GetParentForm(FActiveControl) == Form)
        FActiveControl = nullptr;
}
