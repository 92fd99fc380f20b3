#include "controls/tabs/DeckTabsDefaults.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"

namespace {

void SetPosition(TDeckTabsControlPosition* P, int Vertical, int Horizontal, int Height, int Width)
{
    P->Offsets()->SetVertical(Vertical);
    P->Offsets()->SetHorizontal(Horizontal);
    P->SetHeight(Height);
    P->SetWidth(Width);
}

void SetMovement(TDeckTabsMovementAnimationTypes* M, bool UseDefaults)
{
    M->SetUseDefaultEaseType(UseDefaults);
    M->SetUseDefaultAnimationTime(UseDefaults);
    M->SetEaseType(ttEaseOutExpo);
    M->SetAnimationTimeMS(500);
}

void SetStyle(TDeckTabsLookAndFeelStyle* S, TColor StartColor, TColor StopColor, uint8_t StartAlpha,
              uint8_t StopAlpha, TColor OutlineColor, float OutlineSize, uint8_t OutlineAlpha)
{
    S->SetStartColor(StartColor);
    S->SetStopColor(StopColor);
    S->SetStartAlpha(StartAlpha);
    S->SetStopAlpha(StopAlpha);
    S->SetOutlineColor(OutlineColor);
    S->SetOutlineSize(OutlineSize);
    S->SetOutlineAlpha(OutlineAlpha);
}

void SetPen(TDeckTabsLookAndFeelPen* P, TColor Color, float Thickness, int Alpha)
{
    P->SetColor(Color);
    P->SetThickness(Thickness);
    P->SetAlpha(Alpha);
}

void SetFont(TDeckTabsLookAndFeelBaseFont* F, TColor Color, uint8_t Alpha)
{
    F->SetName(QStringLiteral("Segoe UI"));
    F->SetColor(Color);
    F->SetSize(9);
    F->SetAlpha(Alpha);
    F->SetTextRendoringMode(TextRenderingHintClearTypeGridFit);
}

void SetGlow(TDeckTabsLookAndFeelGlow* G, uint8_t CentreAlpha)
{
    G->SetCentreColor(0xFFFFFF);
    G->SetOutsideColor(0xFFFFFF);
    G->SetCentreAlpha(CentreAlpha);
    G->SetOutsideAlpha(0);
}

} // namespace

void SetDefaultDeckTabsOptions(TOptions* Options)
{
    TDeckTabsDisplayOptions* display = Options->Display();

    TDeckTabsCloseButtonProperties* close = display->CloseButton();
    SetPosition(close, 6, 2, 14, 14);
    close->SetAutoHide(true);
    close->SetVisibility(bvAll);
    close->SetAutoHideWidth(20);
    close->SetCrossRadialOffset(4);

    TDeckTabsAddButtonProperties* add = display->AddButton();
    add->Offsets()->SetVertical(10);
    add->Offsets()->SetHorizontal(2);
    add->SetHorizontalOffsetFloating(-3);
    add->SetHeight(14);
    add->SetWidth(31);
    add->SetShowPlusSign(false);
    add->SetVisibility(avRightFloating);

    SetPosition(display->ScrollButtonLeft(), 10, 1, 15, 15);
    SetPosition(display->ScrollButtonRight(), 10, 1, 15, 15);

    TDeckTabModifiedDisplayOptions* glow = display->TabModifiedGlow();
    glow->SetStyle(msRightToLeft);
    glow->SetVerticalOffset(-6);
    glow->SetHeight(30);
    glow->SetWidth(100);
    glow->SetAnimationPeriodMS(4000);
    glow->SetEaseType(ttEaseInOutQuad);
    glow->SetAnimationUpdateMS(50);

    TDeckTabsOptions* tabs = display->Tabs();
    tabs->SetSeeThroughTabs(false);
    tabs->SetTabOverlap(15);
    tabs->SetContentOffsetLeft(18);
    tabs->SetContentOffsetRight(16);
    tabs->SetOffsetLeft(0);
    tabs->SetOffsetTop(4);
    tabs->SetOffsetRight(0);
    tabs->SetOffsetBottom(0);
    tabs->SetMinWidth(25);
    tabs->SetMaxWidth(200);
    tabs->SetPinnedWidth(39);
    tabs->SetImageOffsetLeft(13);
    tabs->SetTextTrimType(tttFade);
    tabs->SetOrientation(toTop);
    tabs->SetBaseLineTabRegionOnly(false);
    tabs->SetWordWrap(false);
    tabs->SetTextAlignmentHorizontal(taLeftJustify);
    tabs->SetTextAlignmentVertical(taVerticalCenter);
    tabs->SetShowImages(true);

    TDeckTabsContainerOptions* container = display->TabContainer();
    container->SetTransparentBackground(true);
    container->SetOverlayButtons(true);
    container->SetPaddingLeft(0);
    container->SetPaddingRight(0);

    SetPosition(display->TabMouseGlow(), 0, 0, 200, 200);
    display->TabMouseGlow()->SetVisible(true);

    TDeckTabsDragOptions* drag = Options->DragDrop();
    drag->SetDragType(dtBetweenContainers);
    drag->SetDragOutsideImageAlpha(220);
    drag->SetDragOutsideDistancePixels(30);
    drag->SetDragStartPixels(2);
    drag->SetDragControlImageResizeFactor(0.5);
    drag->SetDragCursor(crDefault);
    drag->SetDragDisplay(ddTabAndControl);
    drag->SetDragFormBorderWidth(2);
    drag->SetDragFormBorderColor(0x808080);

    TDeckTabsAnimationOptions* animation = Options->Animation();
    animation->SetDefaultMovementAnimationTimeMS(100);
    animation->SetDefaultStyleAnimationTimeMS(300);
    animation->SetAnimationTimerInterval(15);
    animation->SetMinimumTabAnimationWidth(40);
    animation->SetDefaultMovementEaseType(ttLinearTween);
    animation->SetDefaultStyleEaseType(ttLinearTween);
    SetMovement(animation->MovementAnimations()->TabAdd(), true);
    SetMovement(animation->MovementAnimations()->TabDelete(), true);
    SetMovement(animation->MovementAnimations()->TabMove(), false);

    TDeckTabsBehaviourOptions* behaviour = Options->Behaviour();
    behaviour->SetBackgroundDblClickMaximiseRestoreForm(true);
    behaviour->SetBackgroundDragMovesForm(true);
    behaviour->SetTabSmartDeleteResizing(true);
    behaviour->SetTabSmartDeleteResizeCancelDelay(700);
    behaviour->SetUseBuiltInPopupMenu(true);
    behaviour->SetTabRightClickSelect(true);
    behaviour->SetActivateNewTab(true);
    behaviour->SetDebugMode(false);
    behaviour->SetIgnoreDoubleClicksWhileAnimatingMovement(true);

    TDeckTabsScrollOptions* scrolling = Options->Scrolling();
    scrolling->SetEnabled(true);
    scrolling->SetScrollButtons(csbRight);
    scrolling->SetScrollStep(20);
    scrolling->SetScrollRepeatDelay(20);
    scrolling->SetAutoHideButtons(false);
    scrolling->SetDragScroll(true);
    scrolling->SetDragScrollOffset(50);
    scrolling->SetMouseWheelScroll(true);
}

void SetDefaultDeckTabsLookAndFeel(TDeckTabsLookAndFeel* LookAndFeel)
{
    TDeckTabsLookAndFeelStyle* container = LookAndFeel->TabsContainer();
    container->SetStartColor(0xDE9262);
    container->SetStopColor(0xC97142);
    container->SetStartAlpha(255);
    container->SetStopAlpha(255);
    container->SetOutlineColor(0xDD9262);
    container->SetOutlineAlpha(0);

    TDeckTabsLookAndFeelTab* tabs = LookAndFeel->Tabs();
    SetPen(tabs->BaseLine(), 0xA9886D, 1.0f, 255);
    SetGlow(tabs->Modified(), 130);
    SetFont(tabs->DefaultFont(), 0x000000, 255);
    SetGlow(tabs->MouseGlow(), 120);
    SetFont(tabs->Active()->Font(), 0x008080, 100);
    tabs->Active()->Font()->SetUseDefaultFont(true);
    SetStyle(tabs->Active()->Style(), 0xFFFFFF, 0xF8F9F8, 255, 255, 0x9B7C5E, 1.0f, 255);
    SetFont(tabs->NotActive()->Font(), 0x463E55, 215);
    tabs->NotActive()->Font()->SetUseDefaultFont(false);
    SetStyle(tabs->NotActive()->Style(), 0xE7D9CD, 0xE7D9CD, 210, 210, 0xCEB396, 1.0f, 215);
    SetFont(tabs->Hot()->Font(), 0x404040, 215);
    tabs->Hot()->Font()->SetUseDefaultFont(false);
    SetStyle(tabs->Hot()->Style(), 0xEFE2D8, 0xEDE1D7, 255, 255, 0xBD9277, 1.0f, 235);

    TDeckTabsLookAndFeelCloseButton* close = LookAndFeel->CloseButton();
    SetPen(close->Cross()->Normal(), 0x655D57, 1.5f, 255);
    SetPen(close->Cross()->Down(), 0xEBEBF9, 2.0f, 220);
    SetPen(close->Cross()->Hot(), 0xFFFFFF, 2.0f, 220);
    SetStyle(close->Circle()->Normal(), clGradientActiveCaption, clNone, 0, 0, 0x808080, 1.0f, 0);
    SetStyle(close->Circle()->Down(), 0x3535C1, 0x3535C1, 255, 255, 0x808080, 1.0f, 255);
    SetStyle(close->Circle()->Hot(), 0x8F8FDB, 0x9597E4, 255, 255, 0x5C62C3, 1.0f, 255);

    TDeckTabsLookAndFeelAddButton* add = LookAndFeel->AddButton();
    SetStyle(add->Button()->Normal(), 0xDAD0C4, 0xDACFC3, 255, 255, 0xC7B6A5, 1.0f, 255);
    SetStyle(add->Button()->Down(), 0xCCBCAD, 0xCCBCAC, 255, 255, 0xA5998C, 1.0f, 255);
    SetStyle(add->Button()->Hot(), 0xECE1DA, 0xECE1DA, 255, 255, 0xE3C7AB, 1.0f, 255);
    for (TDeckTabsLookAndFeelStyle* plus : {add->PlusSign()->Normal(), add->PlusSign()->Down(), add->PlusSign()->Hot()})
        SetStyle(plus, 0xFFFFFF, 0xFFFFFF, 255, 255, 0x808080, 1.0f, 255);

    TDeckTabsLookAndFeelScrollButton* scroll = LookAndFeel->ScrollButtons();
    SetStyle(scroll->Button()->Normal(), 0xE0D7CE, 0xD9CFC3, 255, 255, 0xAF9882, 1.0f, 255);
    SetStyle(scroll->Button()->Down(), 0xCCBCAD, 0xCCBCAC, 255, 255, 0xA5998C, 1.0f, 255);
    SetStyle(scroll->Button()->Hot(), 0xECE1DA, 0xECE1D9, 255, 255, 0xE3C7AC, 1.0f, 255);
    SetStyle(scroll->Button()->Disabled(), 0xDACFC4, 0xD9CFC3, 150, 150, 0xA9937D, 1.0f, 100);
    for (TDeckTabsLookAndFeelStyle* arrow : {scroll->Arrow()->Normal(), scroll->Arrow()->Down(), scroll->Arrow()->Hot()})
        SetStyle(arrow, 0xFFFFFF, 0xFFFFFF, 255, 255, 0x808080, 1.0f, 200);
    SetStyle(scroll->Arrow()->Disabled(), 0xC0C0C0, 0xC0C0C0, 150, 150, 0x808080, 1.0f, 200);
}
