#pragma once
// TCustomLabel and TLabel: text drawn on the parent. "&" underlines the
// next character (ShowAccelChar) and Alt with that letter focuses
// FocusControl. With AutoSize the label takes the size of its text (only
// the height when WordWrap is on).
#include "platform/controls/GraphicControl.h"

class TWinControl;

enum TTextLayout { tlTop, tlCenter, tlBottom };
enum TEllipsisPosition { epNone, epPathEllipsis, epEndEllipsis, epWordEllipsis };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner = nullptr);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // Draws no background: the parent shows through.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Where a single-line text too wide for the label is cut with "...".
    // Note: AutoSize still sizes to the whole text.
    TEllipsisPosition EllipsisPosition() const { return FEllipsisPosition; }
    void SetEllipsisPosition(TEllipsisPosition value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);

    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    void CMTextChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // DrawText flags of the current settings.
    unsigned TextFlags() const;
    void AdjustBounds();

private:
    bool FAutoSize = true;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FTransparent = false;
    TEllipsisPosition FEllipsisPosition = epNone;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};
