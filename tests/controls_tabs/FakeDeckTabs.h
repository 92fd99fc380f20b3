#pragma once
// A strip stand-in that owns a tab list and the two settings trees and
// records every change report as "Caption:kind" ("-:kind" without a tab).
#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabsInterfaces.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"
#include <QString>
#include <QStringList>

inline QString ChangeName(TTabChangeType Kind)
{
    static const char* const names[] = {"Added", "Moved", "Deleting", "Deleted", "PropertyUpdated",
                                        "Activated", "Deactivated", "Pinned", "ControlState", "Visibility"};
    return QString::fromLatin1(names[Kind]);
}

class TFakeDeckTabs : public TComponent, public IDeckTabs {
public:
    explicit TFakeDeckTabs(TComponent* AOwner = nullptr)
        : TComponent(AOwner)
        , Options(new TOptions(this))
        , LookAndFeel(new TDeckTabsLookAndFeel(this))
        , Tabs(new TDeckTabsList(this))
    {
        Log.clear();
    }
    ~TFakeDeckTabs() override
    {
        delete Tabs;
        delete LookAndFeel;
        delete Options;
    }

    // Adds tabs with these captions and forgets their reports.
    void AddTabs(const QStringList& Captions)
    {
        for (const QString& caption : Captions)
            Tabs->Add()->SetCaption(caption);
        Log.clear();
    }
    // The captions in list order, active one marked with "*", pinned with "^".
    QString Order() const
    {
        QStringList parts;
        for (int i = 0; i < Tabs->Count(); ++i) {
            TDeckTab* tab = Tabs->Items(i);
            parts << tab->Caption() + (tab->Active() ? "*" : "") + (tab->Pinned() ? "^" : "");
        }
        return parts.join(QLatin1Char(' '));
    }

    int GetLastPinnedIndex() override
    {
        int last = -1;
        while (last + 1 < Tabs->Count() && Tabs->Items(last + 1)->Pinned())
            ++last;
        return last;
    }
    TDeckTab* GetActiveTab() override { return Tabs->ActiveTab(); }
    TDeckTabPolygonsRef GetPreviousTabPolygons(int) override { return nullptr; }
    void DoOnBeforeDrawItem(TGPGraphics*, const TRect&, TDeckTabItemType, int, bool& Handled) override
    {
        Handled = false;
    }
    void DoOnAfterDrawItem(TGPGraphics*, const TRect&, TDeckTabItemType, int) override {}
    void DoOnGetControlPolygons(TObject*, const TRect&, TDeckTabItemType, TTabOrientation,
                                TDeckTabPolygonsRef&) override
    {
    }
    void DoOnDebugLog(const QString&, std::initializer_list<TVarRec>) override {}
    void DoOnActiveTabChanging(TDeckTab* AOldTab, TDeckTab* ANewTab, bool& Allow) override
    {
        Log << QStringLiteral("Changing:%1>%2")
                   .arg(AOldTab ? AOldTab->Caption() : QStringLiteral("-"), ANewTab->Caption());
        Allow = AllowActivation;
    }
    void DoOnChange(TDeckTab* ATab, TTabChangeType Kind) override
    {
        Log << (ATab ? ATab->Caption() : QStringLiteral("-")) + ":" + ChangeName(Kind);
    }
    TRect ScrollRect(int Left, int Top, int Right, int Bottom) override { return {Left, Top, Right, Bottom}; }
    TRect BidiScrollRect(const TRect& Rect) override { return Rect; }
    TRect BidiControlRect(const TRect& Rect) override { return Rect; }
    TBiDiMode GetBiDiMode() override { return bdLeftToRight; }
    void Invalidate() override {}
    TComponentState GetComponentState() override { return ComponentState(); }
    bool IsDragging() override { return false; }
    TDeckTabsLookAndFeel* GetLookAndFeel() override { return LookAndFeel; }
    TOptions* GetOptions() override { return Options; }
    TCustomImageList* GetImages() override { return nullptr; }
    TCustomImageList* GetImagesOverlay() override { return nullptr; }
    TCustomImageList* GetImagesSpinnerDownload() override { return nullptr; }
    TCustomImageList* GetImagesSpinnerUpload() override { return nullptr; }

    QStringList Log;
    bool AllowActivation = true;
    TOptions* Options;
    TDeckTabsLookAndFeel* LookAndFeel;
    TDeckTabsList* Tabs;
};
