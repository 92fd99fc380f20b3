#pragma once
// TProWatch: a time of day shown as an analogue watch that the user sets.
// A click inside the dial picks the hour, a click outside it (around the
// dial or in the corners) the minute, a click on the AM/PM box flips
// morning and afternoon; HandleKey steps hours and minutes. Hand changes
// can be animated. With Settings.Auto on the watch runs as a clock from
// the system time (plus an offset) and ignores input.
#include "grid/dropdown/WatchAppearance.h"
#include "grid/foundation/QLXStyle.h"
#include "platform/controls/CustomControl.h"
#include "platform/rtl/Clock.h"
#include <memory>

class TBitmap;
class TCanvas;
class TTimer;

class TWatchSettings : public TPersistent {
public:
    // Copies Second and TimeOffset directly and Auto through its setter.
    void Assign(TPersistent* Source) override;

    // Run as a clock from the system time; input is ignored.
    bool Auto() const { return FAuto; }
    void SetAuto(bool Value);
    // Draw the seconds hand (clock mode only).
    bool Second() const { return FSeconds; }
    void SetSecond(bool Value);
    // Minutes added to the system time in clock mode.
    int TimeOffset() const { return FTimeOffset; }
    void SetTimeOffset(int Value);

    TNotifyEvent OnChange;

private:
    void Changed();

    bool FAuto = false;
    bool FSeconds = true;
    int FTimeOffset = 0;
};

enum TWatchStyle {
    wsClassic, wsTower, wsFluorescent, wsEmerald, wsBlueStar, wsFuchsia, wsBlack, wsBlackWhite, wsGray,
    wsSuperNova, wsSports, wsSmooth
};

class TProWatch : public TCustomControl, public IQLXStyle {
public:
    explicit TProWatch(TComponent* AOwner = nullptr);
    ~TProWatch() override;

    // Properties
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    // Each animation step moves a hand by the remaining distance divided
    // by this (at least 1).
    int AnimationFactor() const { return FAnimationFactor; }
    void SetAnimationFactor(int Value) { FAnimationFactor = Value; }
    TWatchAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TWatchAppearance* Value);
    TWatchSettings* Settings() const { return FSettings.get(); }
    void SetSettings(TWatchSettings* Value);
    // The set time; in clock mode the hands show the system time instead.
    TDateTime Time() const { return FTime; }
    // Note: fires no OnChange.
    void SetTime(TDateTime Value);
    bool ShowAMPM() const { return FShowAMPM; }
    void SetShowAMPM(bool Value);
    bool ShowNumbers() const { return FShowNumbers; }
    void SetShowNumbers(bool Value);
    TWatchStyle Style() const { return FStyle; }
    // Applies the style's preset over the appearance defaults; nothing when
    // the watch has that style already (a new watch counts as wsClassic).
    void SetStyle(TWatchStyle Value);
    // The AM/PM box shows "AM" (else "PM").
    bool AM() const { return FAM; }
    // Fired when a hand reaches the target of its last animation.
    TNotifyEvent OnChange;

    // Setting the time
    // Animated unless Animation is off; a Value above 23 is ignored.
    void SetHour(uint8_t Value);
    // Raises Exception "Invalid time" for 60 or more. Going from above 30
    // to 0 advances the hour.
    void SetMinute(uint8_t Value);
    // Page Up/Down step the hour, Left/Right the minute, Home sets 12,
    // End minute 0, A and P pick the half of the day. Nothing in clock mode.
    void HandleKey(int Key);
    // True while a hand animation runs.
    bool Animating() const;

    void SetComponentStyle(TQLXStyle AStyle) override;

    // Geometry
    // The square face, centred in the client area.
    TRect GetWatchRect() const;
    TPoint GetCenter() const;
    int GetRadius() const;
    int GetBorderWidth() const;
    // The AM/PM box; all -1 when ShowAMPM is off.
    TRect GetAMPMRect();
    // The minute (0..59) and the hour (0..23) a point of the client area
    // points at.
    int MinuteAtPos(int X, int Y) const;
    int HourAtPos(int X, int Y) const;

    // Painting
    // Paints the face into the cache and the watch onto the canvas.
    void DrawWatch();
    void DrawWatchBackground(TCanvas* ACanvas, const TRect& R);
    void DrawFace(TCanvas* ACanvas);
    void DrawTickMarks(TCanvas* ACanvas);
    void DrawNumbers(TCanvas* ACanvas);
    void DrawAMPM(TCanvas* ACanvas);
    void DrawHands(TCanvas* ACanvas);

protected:
    void Paint() override;
    void Loaded() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void WMGetDlgCode(TMessage& Message) override;
    void Resize() override;

private:
    TDateTime GetCurrentTime() const;
    bool Busy() const;
    void SetTimeValue(TDateTime Value);
    void SetAM(bool Value);
    void RollAMPM(bool ToAM);
    void RefreshHands();
    void AnimationStep();
    void SettingsChanged();
    void AppearanceChanged();
    void DrawAMPMBox(TCanvas* ACanvas, const TRect& R);
    void DrawCenterPoint(TCanvas* ACanvas);
    void ApplyStylePreset(TWatchStyle Value);

    std::unique_ptr<TWatchAppearance> FAppearance;
    std::unique_ptr<TWatchSettings> FSettings;
    std::unique_ptr<TBitmap> FBKGCache;
    TTimer* FWatchTimer = nullptr;
    TTimer* FAnimationTimer = nullptr;
    TDateTime FTime = 0;
    bool FAnimation = true;
    int FAnimationFactor = 10;
    uint8_t FCurrentHourTo = 0;
    uint8_t FCurrentMinuteTo = 0;
    uint8_t FMinuteFrom = 0;
    bool FHourAnimating = false;
    bool FInternalCall = false;
    bool FInternalSet = false;
    // The cache holds the face of the current size and settings.
    bool FCacheValid = false;
    bool FAM = true;
    bool FShowAMPM = true;
    bool FShowNumbers = true;
    TWatchStyle FStyle = wsClassic;
};
