#pragma once
// TStatusBar: a bar along the bottom with panels of text side by side (the
// last one takes the rest), or one simple text when SimplePanel is set.
#include "platform/controls/CustomControl.h"
#include <vector>

class TStatusBar;

class TStatusPanel {
public:
    const QString& Text() const { return FText; }
    void SetText(const QString& value);
    int Width() const { return FWidth; }
    void SetWidth(int value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

private:
    friend class TStatusPanels;
    explicit TStatusPanel(TStatusBar* Owner) : FOwner(Owner) {}
    TStatusBar* FOwner;
    QString FText;
    int FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
};

class TStatusPanels {
public:
    explicit TStatusPanels(TStatusBar* Owner) : FOwner(Owner) {}
    ~TStatusPanels() { Clear(); }
    int Count() const { return int(FItems.size()); }
    TStatusPanel* Items(int Index) const;
    TStatusPanel* Add();
    void Delete(int Index);
    void Clear();

private:
    TStatusBar* FOwner;
    std::vector<TStatusPanel*> FItems;
};

class TStatusBar : public TCustomControl {
public:
    explicit TStatusBar(TComponent* AOwner = nullptr);
    ~TStatusBar() override;

    TStatusPanels* Panels() const { return FPanels; }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool value);
    const QString& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const QString& value);
    // The area of a panel, client coordinates.
    TRect PanelRect(int Index) const;

protected:
    void Paint() override;

private:
    TStatusPanels* FPanels;
    bool FSimplePanel = false;
    QString FSimpleText;
};
