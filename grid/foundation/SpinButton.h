#pragma once
// TSgSpinButton: two arrow buttons (up above down, or down left of up)
// reporting OnUpClick and OnDownClick, made of TProTimerSpeedButton, a
// speed button that repeats its click while held: 400 ms after the press,
// then every 100 ms, on the replaceable clock.
#include "platform/controls/SpeedButton.h"
#include "platform/controls/WinControl.h"
#include "platform/rtl/Set.h"

class TBitmap;
class TTimer;
class TSgSpinButton;

enum TSpinDirection { spVertical, spHorizontal };
enum TButtonDirection { bdLeft, bdRight, bdUp, bdDown };
enum TTimeBtnStateFlag { tbFocusRect, tbAllowTimer };
using TTimeBtnState = Set<TTimeBtnStateFlag>;

// The built-in 9 x 6 arrow glyphs (olive background, black triangle).
void LoadSpinGlyph(TBitmap* Bitmap, bool Up);

class TProTimerSpeedButton : public TSpeedButton {
public:
    explicit TProTimerSpeedButton(TComponent* AOwner = nullptr);
    ~TProTimerSpeedButton() override;

    TTimeBtnState TimeBtnState() const { return FTimeBtnState; }
    void SetTimeBtnState(TTimeBtnState value) { FTimeBtnState = value; }
    TButtonDirection ButtonDirection() const { return FButtonDirection; }
    void SetButtonDirection(TButtonDirection value) { FButtonDirection = value; }
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value) { FIsWinXP = value; }
    bool HasMouse() const { return FHasMouse; }
    // The repeat timer; nullptr before the first press that may repeat.
    TTimer* RepeatTimer() const { return FRepeatTimer; }
    // Pressed by the mouse and not yet released.
    bool Pressed() const { return FPressed; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void TimerExpired();
    TSgSpinButton* Spin() const;

    TTimer* FRepeatTimer = nullptr;
    TTimeBtnState FTimeBtnState;
    TButtonDirection FButtonDirection = bdUp;
    bool FIsWinXP = false;
    bool FHasMouse = false;
    bool FPressed = false;
};

class TSgSpinButton : public TWinControl {
public:
    explicit TSgSpinButton(TComponent* AOwner = nullptr);
    ~TSgSpinButton() override;

    // Fits the buttons first; the size may grow to the minimum.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TSpinDirection Direction() const { return FDirection; }
    void SetDirection(TSpinDirection value);
    TBitmap* UpGlyph() const;
    // nullptr restores the built-in arrow.
    void SetUpGlyph(TBitmap* value);
    TBitmap* DownGlyph() const;
    void SetDownGlyph(TBitmap* value);
    int UpNumGlyphs() const;
    void SetUpNumGlyphs(int value);
    int DownNumGlyphs() const;
    void SetDownNumGlyphs(int value);
    // Gets the focus when a button is pressed.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);

    // Colours: only the three fills take part in drawing.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { FButtonColor = value; Invalidate(); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { FButtonColorHot = value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { FButtonColorDown = value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { FButtonTextColor = value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }

    TProTimerSpeedButton* UpButton() const { return FUpButton; }
    TProTimerSpeedButton* DownButton() const { return FDownButton; }
    // The button Space clicks.
    TProTimerSpeedButton* FocusedButton() const { return FFocusedButton; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    void WMSize(TWMSize& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;

private:
    void FitButtons(int& W, int& H);
    void BtnClick(TObject* Sender);
    void BtnMouseDown(TObject* Sender, TMouseButton Button);
    void SetFocusBtn(TProTimerSpeedButton* Btn);

    TProTimerSpeedButton* FUpButton = nullptr;
    TProTimerSpeedButton* FDownButton = nullptr;
    TProTimerSpeedButton* FFocusedButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    TSpinDirection FDirection = spVertical;
    bool FIsWinXP = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};
