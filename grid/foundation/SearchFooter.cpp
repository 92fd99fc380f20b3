#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/GraphicsObjects.h"

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign) : FFont(std::make_unique<TFont>())
{
    if (InitDesign) {
        FFindNextCaption = QStringLiteral("Find &next");
        FFindPrevCaption = QStringLiteral("Find &previous");
        FHighLightCaption = QStringLiteral("Highlight");
        FHintClose = QStringLiteral("Close");
        FHintFindNext = QStringLiteral("Find next occurrence");
        FHintFindPrev = QStringLiteral("Find previous occurrence");
        FHintHighLight = QStringLiteral("Highlight occurrences");
        FMatchCaseCaption = QStringLiteral("Match case");
    }
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::SetFont(TFont* Value)
{
    FFont->Assign(Value);
    Changed();
}

void TSearchFooter::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSearchFooter*>(Source);
    if (!src)
        return;
    FAlwaysHighLight = src->FAlwaysHighLight;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FFindNextCaption = src->FFindNextCaption;
    FFindPrevCaption = src->FFindPrevCaption;
    FHighLightCaption = src->FHighLightCaption;
    FHintClose = src->FHintClose;
    FHintFindNext = src->FHintFindNext;
    FHintFindPrev = src->FHintFindPrev;
    FHintHighLight = src->FHintHighLight;
    FMatchCaseCaption = src->FMatchCaseCaption;
    FShowClose = src->FShowClose;
    FShowFindNext = src->FShowFindNext;
    FShowFindPrev = src->FShowFindPrev;
    FShowHighLight = src->FShowHighLight;
    FShowMatchCase = src->FShowMatchCase;
    FSearchActiveColumnOnly = src->FSearchActiveColumnOnly;
    FSearchMatchStart = src->FSearchMatchStart;
    FSearchColumn = src->FSearchColumn;
    FSearchDirection = src->FSearchDirection;
    FSearchHiddenRows = src->FSearchHiddenRows;
    FVisible = src->FVisible;
    FFont->Assign(src->FFont.get());
}
