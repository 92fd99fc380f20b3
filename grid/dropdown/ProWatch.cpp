#include "grid/dropdown/ProWatch.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>
#include <cstdlib>

namespace {

struct TTimeParts {
    int Hour = 0, Min = 0, Sec = 0, MSec = 0;
};

TTimeParts Decode(TDateTime Value)
{
    TTimeParts p;
    DecodeTime(Value, p.Hour, p.Min, p.Sec, p.MSec);
    return p;
}

// Value with its time of day replaced; the date part is kept. Raises the
// time encoding's error for fields out of range.
TDateTime WithTime(TDateTime Value, const TTimeParts& p)
{
    const double day = std::trunc(Value);
    const TDateTime t = EncodeTime(p.Hour, p.Min, p.Sec, p.MSec);
    return day >= 0 ? day + t : day - t;
}

} // namespace

// TWatchSettings

void TWatchSettings::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TWatchSettings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TWatchSettings*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FSeconds = src->FSeconds;
    FTimeOffset = src->FTimeOffset;
    SetAuto(src->FAuto);
}

void TWatchSettings::SetAuto(bool Value)
{
    if (FAuto == Value)
        return;
    FAuto = Value;
    Changed();
}

void TWatchSettings::SetSecond(bool Value)
{
    if (FSeconds == Value)
        return;
    FSeconds = Value;
    Changed();
}

void TWatchSettings::SetTimeOffset(int Value)
{
    if (FTimeOffset == Value)
        return;
    FTimeOffset = Value;
    Changed();
}

// TProWatch

TProWatch::TProWatch(TComponent* AOwner)
    : TCustomControl(AOwner), FAppearance(std::make_unique<TWatchAppearance>()),
      FSettings(std::make_unique<TWatchSettings>()), FBKGCache(std::make_unique<TBitmap>())
{
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
    FSettings->OnChange = [this](TObject*) { SettingsChanged(); };
    FWatchTimer = new TTimer(this);
    FWatchTimer->SetInterval(100);
    FWatchTimer->SetEnabled(FSettings->Auto());
    FWatchTimer->OnTimer = [this](TObject*) { RefreshHands(); };
    FAnimationTimer = new TTimer(this);
    FAnimationTimer->SetEnabled(false);
    FAnimationTimer->SetInterval(1);
    FAnimationTimer->OnTimer = [this](TObject*) { AnimationStep(); };
    SetBounds(Left(), Top(), 180, 180);
    FBKGCache->SetSize(180, 180);
}

TProWatch::~TProWatch() = default;

bool TProWatch::Busy() const
{
    return IsLoading() || ComponentState().Contains(TComponentStateFlag::csDesigning);
}

bool TProWatch::Animating() const { return FAnimationTimer->Enabled(); }

void TProWatch::Loaded()
{
    TCustomControl::Loaded();
    FWatchTimer->SetEnabled(FSettings->Auto());
}

void TProWatch::SetAppearance(TWatchAppearance* Value) { FAppearance->Assign(Value); }
void TProWatch::SetSettings(TWatchSettings* Value) { FSettings->Assign(Value); }

void TProWatch::SetShowAMPM(bool Value)
{
    if (FShowAMPM == Value)
        return;
    FShowAMPM = Value;
    AppearanceChanged();
}

void TProWatch::SetShowNumbers(bool Value)
{
    if (FShowNumbers == Value)
        return;
    FShowNumbers = Value;
    AppearanceChanged();
}

void TProWatch::AppearanceChanged()
{
    FCacheValid = false;
    Invalidate();
}

void TProWatch::SettingsChanged()
{
    FWatchTimer->SetEnabled(FSettings->Auto());
    if (FSettings->Auto()) {
        const TDateTime now = Now();
        SetTime(now);
        const bool internal = FInternalSet;
        FInternalSet = true;
        SetAM(Decode(now).Hour < 12);
        FInternalSet = internal;
    }
    Invalidate();
}

TDateTime TProWatch::GetCurrentTime() const
{
    if (FSettings->Auto())
        return Now() + FSettings->TimeOffset() / 1440.0;
    return FTime;
}

void TProWatch::SetTime(TDateTime Value)
{
    if (Value == FTime)
        return;
    SetTimeValue(Value);
    RefreshHands();
}

void TProWatch::SetTimeValue(TDateTime Value)
{
    if (Value == FTime)
        return;
    FTime = Value;
    // The AM/PM box follows the time, without its roll-over.
    const bool internal = FInternalSet;
    FInternalSet = true;
    SetAM(Decode(Value).Hour < 12);
    FInternalSet = internal;
}

void TProWatch::SetHour(uint8_t Value)
{
    if (Value > 23)
        return;
    TTimeParts t = Decode(GetCurrentTime());
    if (t.Hour == Value)
        return;
    if (!FAnimation || FInternalCall || Busy()) {
        t.Hour = Value;
        SetTimeValue(WithTime(GetCurrentTime(), t));
        RefreshHands();
        if (Value == FCurrentHourTo && OnChange)
            OnChange(this);
        return;
    }
    FCurrentHourTo = Value;
    FHourAnimating = true;
    FAnimationTimer->SetEnabled(true);
}

void TProWatch::SetMinute(uint8_t Value)
{
    TTimeParts t = Decode(GetCurrentTime());
    if (Value >= 60)
        throw Exception(QStringLiteral("Invalid time"));
    if (t.Min == Value)
        return;
    if (FAnimation && !FInternalCall && !Busy()) {
        FCurrentMinuteTo = Value;
        FHourAnimating = false;
        FMinuteFrom = uint8_t(t.Min);
        FAnimationTimer->SetEnabled(true);
        return;
    }
    if (!FAnimation)
        FMinuteFrom = uint8_t(t.Min);
    t.Min = Value;
    if (Value == 0 && FMinuteFrom > 30) {
        t.Hour = t.Hour == 23 ? 0 : t.Hour + 1;
        FMinuteFrom = 0;
    }
    SetTimeValue(WithTime(GetCurrentTime(), t));
    RefreshHands();
    if (Value == FCurrentMinuteTo && OnChange)
        OnChange(this);
}

void TProWatch::AnimationStep()
{
    if (!FAnimation || Busy())
        return;
    const TTimeParts t = Decode(GetCurrentTime());
    const int factor = std::max(1, FAnimationFactor);
    bool done = false;
    FInternalCall = true;
    if (FHourAnimating) {
        const int to = FCurrentHourTo;
        const int step = std::max<int>(1, Round(std::abs(to - t.Hour) / double(factor)));
        if (t.Hour == to) {
            SetHour(uint8_t(to));
            done = true;
        } else {
            SetHour(uint8_t(t.Hour < to ? t.Hour + step : t.Hour - step));
        }
    } else {
        const int to = FCurrentMinuteTo;
        const bool forwardToZero = to == 0 && t.Min > 30;
        const int distance = forwardToZero ? 60 - t.Min : std::abs(to - t.Min);
        const int step = std::max<int>(1, Round(distance / double(factor)));
        if (t.Min == to) {
            SetMinute(uint8_t(to));
            done = true;
        } else {
            int m = t.Min >= to && !forwardToZero ? t.Min - step : t.Min + step;
            if (m >= 60)
                m = 0;
            SetMinute(uint8_t(m));
        }
    }
    FInternalCall = false;
    if (done)
        FAnimationTimer->SetEnabled(false);
}

void TProWatch::HandleKey(int Key)
{
    if (FSettings->Auto())
        return;
    const TTimeParts t = Decode(GetCurrentTime());
    auto internalHour = [this](int Hour) {
        FInternalCall = true;
        SetHour(uint8_t(Hour));
        FInternalCall = false;
    };
    switch (Key) {
    case 65:
    case 97:
        if (t.Hour >= 12)
            SetHour(uint8_t(t.Hour - 12));
        break;
    case 80:
    case 112:
        if (t.Hour < 12)
            SetHour(uint8_t(t.Hour + 12));
        break;
    case VK_PRIOR:
        if (t.Hour == 23)
            internalHour(0);
        else
            SetHour(uint8_t(t.Hour + 1));
        break;
    case VK_NEXT:
        if (t.Hour == 0)
            internalHour(23);
        else
            SetHour(uint8_t(t.Hour - 1));
        break;
    case VK_HOME: internalHour(12); break;
    case VK_END: SetMinute(0); break;
    case VK_LEFT:
        if (t.Min == 0) {
            TTimeParts n = t;
            n.Hour = t.Hour == 0 ? 23 : t.Hour - 1;
            n.Min = 59;
            SetTime(WithTime(GetCurrentTime(), n));
        } else {
            SetMinute(uint8_t(t.Min - 1));
        }
        break;
    case VK_RIGHT: SetMinute(uint8_t(t.Min == 59 ? 0 : t.Min + 1)); break;
    default: break;
    }
}

// Geometry

TRect TProWatch::GetWatchRect() const
{
    const int w = ClientWidth();
    const int h = ClientHeight();
    int s = FAppearance->Size();
    if (s <= 0)
        s = std::min(w, h) - 20;
    else
        s = std::min({s, w, h});
    const int left = (w - s) / 2;
    const int top = (h - s) / 2;
    return Rect(left, top, left + s, top + s);
}

TPoint TProWatch::GetCenter() const
{
    const TRect r = GetWatchRect();
    return Point(r.Left + r.Width() / 2, r.Top + r.Width() / 2);
}

int TProWatch::GetRadius() const { return GetWatchRect().Width() / 2; }
int TProWatch::GetBorderWidth() const { return FAppearance->BorderWidth(); }

int TProWatch::MinuteAtPos(int X, int Y) const
{
    const TPoint c = GetCenter();
    int dy = std::abs(c.Y - Y);
    int dx = std::abs(c.X - X);
    if (dy == 0)
        dy = 1;
    if (dx == 0)
        dx = 1;
    const int f = int(Round(std::atan(double(dy) / dx) * 180 / M_PI / 6));
    int m;
    if (X >= c.X && Y >= c.Y)
        m = f + 15;
    else if (X <= c.X && Y >= c.Y)
        m = 45 - f;
    else if (X <= c.X && Y <= c.Y)
        m = f + 45;
    else
        m = 15 - f;
    return m >= 0 && m <= 59 ? m : 0;
}

int TProWatch::HourAtPos(int X, int Y) const
{
    const int c = int(Round(MinuteAtPos(X, Y) / 5.0));
    if (c == 0 || c == 12)
        return FAM ? 0 : 12;
    return FAM ? c : c + 12;
}

// Input

void TProWatch::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        SetCursor(FShowAMPM && PtInRect(GetAMPMRect(), Point(X, Y)) ? crHandPoint : crDefault);
}

void TProWatch::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FSettings->Auto())
        return;
    const TRect face = GetWatchRect();
    HRGN dial = CreateEllipticRgn(face.Left, face.Top, face.Right, face.Bottom);
    const bool inDial = PtInRegion(dial, X, Y);
    DeleteObject(dial);
    if (!inDial) {
        SetMinute(uint8_t(MinuteAtPos(X, Y)));
        return;
    }
    if (FShowAMPM && PtInRect(GetAMPMRect(), Point(X, Y))) {
        if (FAnimation)
            SetAM(!FAM);
        const int h = Decode(FTime).Hour;
        const int flipped = h < 12 ? h + 12 : h - 12;
        FInternalCall = true;
        FCurrentHourTo = uint8_t(flipped);
        SetHour(uint8_t(flipped));
        FInternalCall = false;
        return;
    }
    SetHour(uint8_t(HourAtPos(X, Y)));
}

void TProWatch::WMGetDlgCode(TMessage& Message)
{
    Message.Result = TabStop() ? DLGC_WANTARROWS | DLGC_WANTALLKEYS : 0;
}

void TProWatch::Resize()
{
    TCustomControl::Resize();
    AppearanceChanged();
}

// AM/PM

void TProWatch::SetAM(bool Value)
{
    if (FAM == Value)
        return;
    FAM = Value;
    if (FAnimation && FShowAMPM && FAppearance->AMPMColor() != clNone && !FInternalSet)
        RollAMPM(Value);
    if (HandleAllocated())
        DrawWatch();
    else
        Invalidate();
}
