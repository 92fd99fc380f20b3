#pragma once
// The tab strip's look-and-feel tree: colours, alphas, outlines, pens, fonts
// and glows of the container, the tabs in their states and the buttons.
// A write stores the value and reports tcPropertyUpdated to the strip; styles
// and pens also drop the GDI+ brush or pen they cached.
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GdiPlus.h"
#include <QString>
#include <cstdint>
#include <memory>

// A filled and outlined shape: a vertical gradient and an outline pen.
class TDeckTabsLookAndFeelStyle : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelStyle(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelStyle() override;

    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor Value) { Store(FStartColor, Value); }
    TColor StopColor() const { return FStopColor; }
    void SetStopColor(TColor Value) { Store(FStopColor, Value); }
    uint8_t StartAlpha() const { return FStartAlpha; }
    void SetStartAlpha(uint8_t Value) { Store(FStartAlpha, Value); }
    uint8_t StopAlpha() const { return FStopAlpha; }
    void SetStopAlpha(uint8_t Value) { Store(FStopAlpha, Value); }
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor Value) { Store(FOutlineColor, Value); }
    uint8_t OutlineAlpha() const { return FOutlineAlpha; }
    void SetOutlineAlpha(uint8_t Value) { Store(FOutlineAlpha, Value); }
    float OutlineSize() const { return FOutlineSize; }
    void SetOutlineSize(float Value) { Store(FOutlineSize, Value); }

    // The cached gradient, start colour at ClientRect's top and stop colour
    // at its bottom. Note: the rectangle of the first call after a change
    // fixes the gradient; later calls return the same brush.
    TGPBrush* GetBrush(const TRect& ClientRect);
    // The cached outline pen.
    TGPPen* GetPen();
    void Invalidate() override;

private:
    friend class TDeckTabsLookAndFeel;
    friend class TDeckTabsLookAndFeelCloseButton;
    template <typename T>
    void Store(T& Field, const T& Value)
    {
        Field = Value;
        Invalidate();
        DoChanged();
    }

    TColor FStartColor = 16777215;
    TColor FStopColor = 16777215;
    uint8_t FStartAlpha = 255;
    uint8_t FStopAlpha = 255;
    std::unique_ptr<TGPBrush> FBrush;
    std::unique_ptr<TGPPen> FPen;
    TColor FOutlineColor = 8421504;
    uint8_t FOutlineAlpha = 255;
    float FOutlineSize = 1.0f;
    bool FPenInvalidated = false;
};

class TDeckTabsLookAndFeelPen : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelPen(TPersistent* AOwner, TColor Color = 0, float Thickness = 1.0f);
    ~TDeckTabsLookAndFeelPen() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Store(FColor, Value); }
    float Thickness() const { return FThickness; }
    void SetThickness(float Value) { Store(FThickness, Value); }
    // Note: only the lowest byte is the pen's alpha.
    int Alpha() const { return FAlpha; }
    void SetAlpha(int Value) { Store(FAlpha, Value); }

    // The cached pen.
    TGPPen* GetPen();
    // Also frees the cached pen at once.
    void Invalidate() override;

private:
    friend class TDeckTabsLookAndFeelCloseButton;
    template <typename T>
    void Store(T& Field, const T& Value)
    {
        Field = Value;
        Invalidate();
        DoChanged();
    }

    TColor FColor;
    float FThickness;
    int FAlpha = 255;
    std::unique_ptr<TGPPen> FPen;
};

class TDeckTabsLookAndFeelBaseFont : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    QString Name() const { return FName; }
    void SetName(const QString& Value) { Report(FName, Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Report(FColor, Value); }
    // Points.
    int Size() const { return FSize; }
    void SetSize(int Value) { Report(FSize, Value); }
    uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(uint8_t Value) { Report(FAlpha, Value); }
    TTextRenderingHint TextRendoringMode() const { return FTextRendoringMode; }
    void SetTextRendoringMode(TTextRenderingHint Value) { Report(FTextRendoringMode, Value); }

private:
    QString FName = QStringLiteral("Segoe UI");
    TColor FColor = 0;
    int FSize = 9;
    uint8_t FAlpha = 255;
    TTextRenderingHint FTextRendoringMode = TextRenderingHintClearTypeGridFit;
};

class TDeckTabsLookAndFeelFont : public TDeckTabsLookAndFeelBaseFont {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsLookAndFeelBaseFont::TDeckTabsLookAndFeelBaseFont;

    // True: tabs in this state draw with Tabs.DefaultFont instead.
    bool UseDefaultFont() const { return FUseDefaultFont; }
    void SetUseDefaultFont(bool Value) { Report(FUseDefaultFont, Value); }

private:
    bool FUseDefaultFont = true;
};

// A radial glow from the centre colour to the outside colour.
class TDeckTabsLookAndFeelGlow : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    using TDeckTabsPersistent::TDeckTabsPersistent;

    TColor CentreColor() const { return FCentreColor; }
    void SetCentreColor(TColor Value) { Report(FCentreColor, Value); }
    TColor OutsideColor() const { return FOutsideColor; }
    void SetOutsideColor(TColor Value) { Report(FOutsideColor, Value); }
    uint8_t CentreAlpha() const { return FCentreAlpha; }
    void SetCentreAlpha(uint8_t Value) { Report(FCentreAlpha, Value); }
    uint8_t OutsideAlpha() const { return FOutsideAlpha; }
    void SetOutsideAlpha(uint8_t Value) { Report(FOutsideAlpha, Value); }

private:
    TColor FCentreColor = 16777215;
    TColor FOutsideColor = 16777215;
    uint8_t FCentreAlpha = 180;
    uint8_t FOutsideAlpha = 0;
};

// Containers

// The font and style of a tab in one state.
class TDeckTabsLookAndFeelStyleProperties : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelStyleProperties(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelStyleProperties() override;

    TDeckTabsLookAndFeelFont* Font() const { return FFont; }
    TDeckTabsLookAndFeelStyle* Style() const { return FStyle; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelFont* FFont;
    TDeckTabsLookAndFeelStyle* FStyle;
};

class TDeckTabsCustomLookAndFeelStylePropertyItems : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsCustomLookAndFeelStylePropertyItems(TPersistent* AOwner);
    ~TDeckTabsCustomLookAndFeelStylePropertyItems() override;

    TDeckTabsLookAndFeelStyleProperties* Active() const { return FActive; }
    TDeckTabsLookAndFeelStyleProperties* NotActive() const { return FNotActive; }
    TDeckTabsLookAndFeelStyleProperties* Hot() const { return FHot; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelStyleProperties* FActive;
    TDeckTabsLookAndFeelStyleProperties* FNotActive;
    TDeckTabsLookAndFeelStyleProperties* FHot;
};

class TDeckTabsLookAndFeelSpinners : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelSpinners(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelSpinners() override;

    TDeckTabsLookAndFeelPen* Upload() const { return FUpload; }
    TDeckTabsLookAndFeelPen* Download() const { return FDownload; }

private:
    TDeckTabsLookAndFeelPen* FUpload;
    TDeckTabsLookAndFeelPen* FDownload;
};

class TDeckTabsLookAndFeelTab : public TDeckTabsCustomLookAndFeelStylePropertyItems {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelTab(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelTab() override;

    TDeckTabsLookAndFeelPen* BaseLine() const { return FBaseLine; }
    TDeckTabsLookAndFeelGlow* Modified() const { return FModified; }
    TDeckTabsLookAndFeelBaseFont* DefaultFont() const { return FDefaultFont; }
    TDeckTabsLookAndFeelGlow* MouseGlow() const { return FMouseGlow; }
    TDeckTabsLookAndFeelSpinners* Spinners() const { return FSpinners; }
    // Note: invalidates only the base line.
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelPen* FBaseLine;
    TDeckTabsLookAndFeelGlow* FModified;
    TDeckTabsLookAndFeelBaseFont* FDefaultFont;
    TDeckTabsLookAndFeelGlow* FMouseGlow;
    TDeckTabsLookAndFeelSpinners* FSpinners;
};

class TDeckTabsLookAndFeelCustomStyleItems : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelCustomStyleItems(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelCustomStyleItems() override;

    TDeckTabsLookAndFeelStyle* Normal() const { return FNormal; }
    TDeckTabsLookAndFeelStyle* Down() const { return FDown; }
    TDeckTabsLookAndFeelStyle* Hot() const { return FHot; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelStyle* FNormal;
    TDeckTabsLookAndFeelStyle* FDown;
    TDeckTabsLookAndFeelStyle* FHot;
};

class TDeckTabsLookAndFeelButtonItems : public TDeckTabsLookAndFeelCustomStyleItems {
public:
    using TDeckTabsLookAndFeelCustomStyleItems::TDeckTabsLookAndFeelCustomStyleItems;
};

class TDeckTabsLookAndFeelDisabledButton : public TDeckTabsLookAndFeelButtonItems {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelDisabledButton(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelDisabledButton() override;

    TDeckTabsLookAndFeelStyle* Disabled() const { return FDisabled; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelStyle* FDisabled;
};

class TDeckTabsCustomLookAndFeelPenItem : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsCustomLookAndFeelPenItem(TPersistent* AOwner);
    ~TDeckTabsCustomLookAndFeelPenItem() override;

    TDeckTabsLookAndFeelPen* Normal() const { return FNormal; }
    TDeckTabsLookAndFeelPen* Down() const { return FDown; }
    TDeckTabsLookAndFeelPen* Hot() const { return FHot; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelPen* FNormal;
    TDeckTabsLookAndFeelPen* FDown;
    TDeckTabsLookAndFeelPen* FHot;
};

class TDeckTabsLookAndFeelPenItem : public TDeckTabsCustomLookAndFeelPenItem {
public:
    using TDeckTabsCustomLookAndFeelPenItem::TDeckTabsCustomLookAndFeelPenItem;
};

class TDeckTabsLookAndFeelCloseButton : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelCloseButton(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelCloseButton() override;

    TDeckTabsLookAndFeelPenItem* Cross() const { return FCross; }
    TDeckTabsLookAndFeelButtonItems* Circle() const { return FCircle; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelPenItem* FCross;
    TDeckTabsLookAndFeelButtonItems* FCircle;
};

class TDeckTabsLookAndFeelAddButton : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelAddButton(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelAddButton() override;

    TDeckTabsLookAndFeelButtonItems* Button() const { return FButton; }
    TDeckTabsLookAndFeelButtonItems* PlusSign() const { return FPlusSign; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelButtonItems* FButton;
    TDeckTabsLookAndFeelButtonItems* FPlusSign;
};

class TDeckTabsLookAndFeelScrollButton : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeelScrollButton(TPersistent* AOwner);
    ~TDeckTabsLookAndFeelScrollButton() override;

    TDeckTabsLookAndFeelDisabledButton* Button() const { return FButton; }
    TDeckTabsLookAndFeelDisabledButton* Arrow() const { return FArrow; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelDisabledButton* FButton;
    TDeckTabsLookAndFeelDisabledButton* FArrow;
};

// The root of the look-and-feel tree, owned by the strip.
class TDeckTabsLookAndFeel : public TDeckTabsPersistent {
public:
    void GetProperties(TDeckTabsPropertyList& List) override;
    explicit TDeckTabsLookAndFeel(TPersistent* AOwner);
    ~TDeckTabsLookAndFeel() override;

    TDeckTabsLookAndFeelTab* Tabs() const { return FTabs; }
    TDeckTabsLookAndFeelStyle* TabsContainer() const { return FTabsContainer; }
    TDeckTabsLookAndFeelCloseButton* CloseButton() const { return FCloseButton; }
    TDeckTabsLookAndFeelAddButton* AddButton() const { return FAddButton; }
    TDeckTabsLookAndFeelScrollButton* ScrollButtons() const { return FScrollButtons; }
    void Invalidate() override;

private:
    TDeckTabsLookAndFeelTab* FTabs;
    TDeckTabsLookAndFeelStyle* FTabsContainer;
    TDeckTabsLookAndFeelCloseButton* FCloseButton;
    TDeckTabsLookAndFeelAddButton* FAddButton;
    TDeckTabsLookAndFeelScrollButton* FScrollButtons;
};
