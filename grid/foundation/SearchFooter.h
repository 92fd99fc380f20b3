#pragma once
// TSearchFooter: the settings of the search bar under the grid. Setters
// marked "notifies" store the value and fire OnChange; "when changed" only
// fire for a new value; the others are plain.
#include "grid/foundation/GridTypes.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include <QString>
#include <memory>

class TFont;

class TSearchFooter : public TPersistent {
public:
    // The captions and hints get their defaults only with InitDesign;
    // otherwise they start empty. The owner is not kept.
    TSearchFooter(TComponent* AOwner, bool InitDesign);
    ~TSearchFooter() override;

    // Copies every setting but AutoSearch, SearchFixedCells, AutoThemeAdapt
    // and LastSearch, without notifying; other sources are ignored.
    void Assign(TPersistent* Source) override;

    // Look (notifies)
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Notify(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Notify(FColorTo, Value); }
    TFont* Font() const { return FFont.get(); }
    // Copies the font.
    void SetFont(TFont* Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value) { Notify(FAutoThemeAdapt, Value); }

    // Captions and hints (notify)
    const QString& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const QString& Value) { Notify(FFindNextCaption, Value); }
    const QString& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const QString& Value) { Notify(FFindPrevCaption, Value); }
    const QString& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const QString& Value) { Notify(FHighLightCaption, Value); }
    const QString& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const QString& Value) { Notify(FMatchCaseCaption, Value); }
    const QString& HintClose() const { return FHintClose; }
    void SetHintClose(const QString& Value) { Notify(FHintClose, Value); }
    const QString& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const QString& Value) { Notify(FHintFindNext, Value); }
    const QString& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const QString& Value) { Notify(FHintFindPrev, Value); }
    const QString& HintHighlight() const { return FHintHighLight; }
    void SetHintHighlight(const QString& Value) { Notify(FHintHighLight, Value); }

    // Buttons. Note: ShowClose notifies on every write, the others only
    // when the value changes.
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value) { Notify(FShowClose, Value); }
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value) { NotifyChanged(FShowFindNext, Value); }
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value) { NotifyChanged(FShowFindPrev, Value); }
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value) { NotifyChanged(FShowHighLight, Value); }
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value) { NotifyChanged(FShowMatchCase, Value); }
    // The search panel shows only when set.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { NotifyChanged(FVisible, Value); }

    // Searching (plain)
    bool AlwaysHighLight() const { return FAlwaysHighLight; }
    void SetAlwaysHighLight(bool Value) { FAlwaysHighLight = Value; }
    bool AutoSearch() const { return FAutoSearch; }
    void SetAutoSearch(bool Value) { FAutoSearch = Value; }
    bool SearchActiveColumnOnly() const { return FSearchActiveColumnOnly; }
    void SetSearchActiveColumnOnly(bool Value) { FSearchActiveColumnOnly = Value; }
    // -1: every column.
    int SearchColumn() const { return FSearchColumn; }
    void SetSearchColumn(int Value) { FSearchColumn = Value; }
    bool SearchMatchStart() const { return FSearchMatchStart; }
    void SetSearchMatchStart(bool Value) { FSearchMatchStart = Value; }
    bool SearchFixedCells() const { return FSearchFixedCells; }
    void SetSearchFixedCells(bool Value) { FSearchFixedCells = Value; }
    bool SearchHiddenRows() const { return FSearchHiddenRows; }
    void SetSearchHiddenRows(bool Value) { FSearchHiddenRows = Value; }
    TSearchDirection SearchDirection() const { return FSearchDirection; }
    void SetSearchDirection(TSearchDirection Value) { FSearchDirection = Value; }
    const QString& LastSearch() const { return FLastSearch; }
    void SetLastSearch(const QString& Value) { FLastSearch = Value; }

    TNotifyEvent OnChange;

private:
    template <typename T>
    void Notify(T& Field, const T& Value)
    {
        Field = Value;
        Changed();
    }
    template <typename T>
    void NotifyChanged(T& Field, const T& Value)
    {
        if (Field != Value)
            Notify(Field, Value);
    }
    void Changed();

    bool FShowFindPrev = true;
    bool FShowFindNext = true;
    QString FFindNextCaption;
    QString FFindPrevCaption;
    TColor FColorTo = clBtnFace;
    TColor FColor = 0xFFFFFF;
    bool FVisible = false;
    bool FAutoThemeAdapt = false;
    bool FShowClose = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    QString FMatchCaseCaption;
    QString FHintClose;
    QString FHintFindPrev;
    QString FHintHighLight;
    QString FHintFindNext;
    bool FAutoSearch = true;
    QString FLastSearch;
    int FSearchColumn = -1;
    bool FSearchActiveColumnOnly = false;
    bool FSearchMatchStart = false;
    bool FSearchFixedCells = false;
    bool FSearchHiddenRows = false;
    QString FHighLightCaption;
    bool FAlwaysHighLight = false;
    TSearchDirection FSearchDirection = sdTopBottom;
    std::unique_ptr<TFont> FFont;
};
