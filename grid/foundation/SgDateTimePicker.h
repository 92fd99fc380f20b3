#pragma once
// TSgDateTimePicker: the framework's date-time picker with two looks for
// grid cells: a single-line border over the native one (Ctl3D off) and
// the flat "metro" look with coloured frames and an own drop button. The
// value, kind, format, check box and calendar are the framework's.
// TFlatDateTimePicker holds the looks it shares with the date-time picker
// control (ProDateTimePicker.h).
#include "grid/foundation/FlatEditorLook.h"
#include "platform/controls/DateTimePicker.h"
#include "platform/controls/Edit.h"

class TFlatDateTimePicker : public TDateTimePicker {
public:
    explicit TFlatDateTimePicker(TComponent* AOwner = nullptr);

    // Stored; a change repaints.
    TColor BorderColor() const { return FLook.BorderColor; }
    void SetBorderColor(TColor value);
    bool MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    virtual void SetBorderStyle(TBorderStyle value);
    // A 3-D native border; off: the single-line border is drawn over it.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TColor FocusBorderColor() const { return FLook.FocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FLook.FocusBorderColor = value; }
    bool DisabledBorder() const { return FLook.DisabledBorder; }
    void SetDisabledBorder(bool value) { FLook.DisabledBorder = value; }
    TColor ButtonColor() const { return FLook.ButtonColor; }
    void SetButtonColor(TColor value) { FLook.ButtonColor = value; }
    TColor ButtonColorHot() const { return FLook.ButtonColorHot; }
    void SetButtonColorHot(TColor value) { FLook.ButtonColorHot = value; }
    TColor ButtonColorDown() const { return FLook.ButtonColorDown; }
    void SetButtonColorDown(TColor value) { FLook.ButtonColorDown = value; }
    TColor ButtonTextColor() const { return FLook.ButtonTextColor; }
    void SetButtonTextColor(TColor value) { FLook.ButtonTextColor = value; }
    TColor ButtonTextColorHot() const { return FLook.ButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FLook.ButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FLook.ButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FLook.ButtonTextColorDown = value; }
    TColor ButtonBorderColor() const { return FLook.ButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FLook.ButtonBorderColor = value; }

    const TFlatLook& Look() const { return FLook; }
    // Draws the frame (and face) now, as after a paint.
    void RepaintFrame();

protected:
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void WMPaint(TMessage& Message) override;
    TFlatPaintState PaintState() const;
    bool MetroActive() const { return FMetroStyle; }
    // The companion never draws the metro look.
    virtual bool MetroSuppressed() const { return false; }
    void UpdateMargins();

    // The date-time picker control's rules: its own single-line border
    // always, and its native-button cover.
    bool FControlLook = false;
    TBorderStyle FBorderStyle = bsNone;
    TFlatLook FLook;
    bool FMetroStyle = false;
    bool FCtl3D = true;
};

class TSgDateTimePicker : public TFlatDateTimePicker {
public:
    explicit TSgDateTimePicker(TComponent* AOwner = nullptr) : TFlatDateTimePicker(AOwner) {}

    // "1.0.0.0"; writing does nothing.
    QString Version() const { return QStringLiteral("1.0.0.0"); }
    void SetVersion(const QString&) {}
    int GetVersionNr() const { return 0x01000000; }
};
