// The stored properties of the option and look-and-feel trees, in the order
// their text form lists them.
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Exceptions.h"

#include <QStringList>
#include <limits>

namespace {

[[noreturn]] void InvalidValue(const QString& Name, const QString& Text)
{
    throw EReadError(QStringLiteral("Invalid property value %1 for %2").arg(Text, Name));
}

TDeckTabsProperty ObjectProperty(const char* Name, TDeckTabsPersistent* Object)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Object = Object;
    return p;
}

TDeckTabsProperty IntProperty(const char* Name, std::function<long long()> Get, std::function<void(long long)> Set,
                              long long Min, long long Max)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Get = [Get] { return QString::number(Get()); };
    p.Set = [Set, Min, Max, name = p.Name](const QString& Text) {
        bool ok = false;
        const long long v = Text.toLongLong(&ok);
        if (!ok || v < Min || v > Max)
            InvalidValue(name, Text);
        Set(v);
    };
    return p;
}

TDeckTabsProperty BoolProperty(const char* Name, std::function<bool()> Get, std::function<void(bool)> Set)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Get = [Get] { return Get() ? QStringLiteral("True") : QStringLiteral("False"); };
    p.Set = [Set, name = p.Name](const QString& Text) {
        if (Text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            Set(true);
        else if (Text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            Set(false);
        else
            InvalidValue(name, Text);
    };
    return p;
}

TDeckTabsProperty EnumProperty(const char* Name, const QStringList& Names, std::function<int()> Get,
                               std::function<void(int)> Set)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Get = [Get, Names] { return Names.value(Get(), QString::number(Get())); };
    p.Set = [Set, Names, name = p.Name](const QString& Text) {
        for (int i = 0; i < Names.size(); ++i)
            if (Names[i].compare(Text, Qt::CaseInsensitive) == 0) {
                Set(i);
                return;
            }
        InvalidValue(name, Text);
    };
    return p;
}

TDeckTabsProperty FloatProperty(const char* Name, std::function<double()> Get, std::function<void(double)> Set)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    // Numbers use "." whatever the locale.
    p.Get = [Get] { return QString::number(Get(), 'f', 18); };
    p.Set = [Set, name = p.Name](const QString& Text) {
        bool ok = false;
        const double v = Text.toDouble(&ok);
        if (!ok)
            InvalidValue(name, Text);
        Set(v);
    };
    return p;
}

// Strings: quoted runs with '' for a quote, control characters as #n.
QString QuoteString(const QString& S)
{
    QString result;
    bool quoted = false;
    for (QChar c : S) {
        if (c.unicode() < 32) {
            if (quoted)
                result += QLatin1Char('\'');
            quoted = false;
            result += QLatin1Char('#') + QString::number(c.unicode());
        } else {
            if (!quoted)
                result += QLatin1Char('\'');
            quoted = true;
            result += c;
            if (c == QLatin1Char('\''))
                result += c;
        }
    }
    if (quoted)
        result += QLatin1Char('\'');
    return result.isEmpty() ? QStringLiteral("''") : result;
}

bool UnquoteString(const QString& Text, QString& S)
{
    S.clear();
    int i = 0;
    const int n = int(Text.size());
    if (n == 0)
        return false;
    while (i < n) {
        if (Text[i] == QLatin1Char('\'')) {
            ++i;
            for (;;) {
                if (i >= n)
                    return false;
                if (Text[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && Text[i + 1] == QLatin1Char('\'')) {
                        S += QLatin1Char('\'');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                S += Text[i++];
            }
        } else if (Text[i] == QLatin1Char('#')) {
            int j = ++i;
            while (j < n && Text[j].isDigit())
                ++j;
            bool ok = false;
            const int code = Text.mid(i, j - i).toInt(&ok);
            if (!ok || code > 0xFFFF)
                return false;
            S += QChar(char16_t(code));
            i = j;
        } else
            return false;
    }
    return true;
}

TDeckTabsProperty StringProperty(const char* Name, std::function<QString()> Get, std::function<void(QString)> Set)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Get = [Get] { return QuoteString(Get()); };
    p.Set = [Set, name = p.Name](const QString& Text) {
        QString s;
        if (!UnquoteString(Text, s))
            InvalidValue(name, Text);
        Set(s);
    };
    return p;
}

// Colours by name where they have one, otherwise as a number.
TDeckTabsProperty ColorProperty(const char* Name, std::function<TColor()> Get, std::function<void(TColor)> Set)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Get = [Get] {
        const QString s = ColorToString(Get());
        return s.startsWith(QLatin1Char('$')) ? QString::number(Get()) : s;
    };
    p.Set = [Set, name = p.Name](const QString& Text) {
        TColor color = 0;
        bool ok = false;
        const long long v = Text.toLongLong(&ok);
        if (ok && v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<uint32_t>::max())
            color = TColor(uint32_t(v));
        else if (!IdentToColor(Text, color))
            InvalidValue(name, Text);
        Set(color);
    };
    return p;
}

const QStringList CursorNames = {
    QStringLiteral("crDefault"), QStringLiteral("crNone"), QStringLiteral("crArrow"), QStringLiteral("crCross"),
    QStringLiteral("crIBeam"), QString(), QStringLiteral("crSizeNESW"), QStringLiteral("crSizeNS"),
    QStringLiteral("crSizeNWSE"), QStringLiteral("crSizeWE"), QStringLiteral("crUpArrow"),
    QStringLiteral("crHourGlass"), QStringLiteral("crDrag"), QStringLiteral("crNoDrop"), QStringLiteral("crHSplit"),
    QStringLiteral("crVSplit"), QStringLiteral("crMultiDrag"), QStringLiteral("crSQLWait"), QStringLiteral("crNo"),
    QStringLiteral("crAppStart"), QStringLiteral("crHelp"), QStringLiteral("crHandPoint"), QStringLiteral("crSizeAll"),
};

// Cursors by name (crDefault = 0, crNone = -1, ...) where they have one.
TDeckTabsProperty CursorProperty(const char* Name, std::function<TCursor()> Get, std::function<void(TCursor)> Set)
{
    TDeckTabsProperty p;
    p.Name = QString::fromLatin1(Name);
    p.Get = [Get] {
        const TCursor c = Get();
        const QString name = c <= 0 ? CursorNames.value(-c) : QString();
        return name.isEmpty() ? QString::number(c) : name;
    };
    p.Set = [Set, name = p.Name](const QString& Text) {
        bool ok = false;
        const int v = Text.toInt(&ok);
        if (ok) {
            Set(v);
            return;
        }
        for (int i = 0; i < CursorNames.size(); ++i)
            if (!CursorNames[i].isEmpty() && CursorNames[i].compare(Text, Qt::CaseInsensitive) == 0) {
                Set(-i);
                return;
            }
        InvalidValue(name, Text);
    };
    return p;
}

QStringList Names(std::initializer_list<const char*> List)
{
    QStringList result;
    for (const char* s : List)
        result << QString::fromLatin1(s);
    return result;
}

const QStringList EaseTypeNames = Names(
    {"ttNone", "ttLinearTween", "ttEaseInQuad", "ttEaseOutQuad", "ttEaseInOutQuad", "ttEaseInCubic",
     "ttEaseOutCubic", "ttEaseInOutCubic", "ttEaseInQuart", "ttEaseOutQuart", "ttEaseInOutQuart", "ttEaseInQuint",
     "ttEaseOutQuint", "ttEaseInOutQuint", "ttEaseInSine", "ttEaseOutSine", "ttEaseInOutSine", "ttEaseInExpo",
     "ttEaseOutExpo", "ttEaseInOutExpo", "ttEaseInCirc", "ttEaseOutCirc", "ttEaseInOutCirc"});
const QStringList CloseButtonVisibilityNames = Names({"bvNever", "bvAll", "bvActive"});
const QStringList AddButtonVisibilityNames = Names({"avNone", "avLeft", "avRightFloating", "avRightFixed"});
const QStringList ModifiedStyleNames = Names({"msNone", "msLeftToRight", "msRightToLeft", "msKnightRider"});
const QStringList TextTrimTypeNames = Names({"tttNone", "tttCharacter", "tttWord", "tttEllipsisCharacter",
                                             "tttEllipsisWord", "tttEllipsisPath", "tttFade"});
const QStringList OrientationNames = Names({"toTop", "toBottom"});
const QStringList AlignmentNames = Names({"taLeftJustify", "taRightJustify", "taCenter"});
const QStringList VerticalAlignmentNames = Names({"taAlignTop", "taAlignBottom", "taVerticalCenter"});
const QStringList DragTypeNames = Names({"dtNone", "dtWithinContainer", "dtBetweenContainers"});
const QStringList DragDisplayNames = Names({"ddCursor", "ddTab", "ddControl", "ddTabAndControl"});
const QStringList ScrollButtonsNames = Names({"csbNone", "csbLeft", "csbRight", "csbLeftAndRight"});
const QStringList TextRenderingHintNames = Names(
    {"TextRenderingHintSystemDefault", "TextRenderingHintSingleBitPerPixelGridFit",
     "TextRenderingHintSingleBitPerPixel", "TextRenderingHintAntiAliasGridFit", "TextRenderingHintAntiAlias",
     "TextRenderingHintClearTypeGridFit"});

} // namespace

// Property makers for a getter N() and setter SetN() of the class at hand.
#define P_OBJ(N) ObjectProperty(#N, N())
#define P_INT(N, T)                                                                                        \
    IntProperty(#N, [this] { return (long long)N(); }, [this](long long v) { Set##N(T(v)); },               \
                (long long)std::numeric_limits<T>::min(), (long long)std::numeric_limits<T>::max())
#define P_BOOL(N) BoolProperty(#N, [this] { return N(); }, [this](bool v) { Set##N(v); })
#define P_ENUM(N, Names)                                                                                   \
    EnumProperty(#N, Names, [this] { return int(N()); }, [this](int v) { Set##N(decltype(N())(v)); })
#define P_FLOAT(N, T) FloatProperty(#N, [this] { return double(N()); }, [this](double v) { Set##N(T(v)); })
#define P_STRING(N) StringProperty(#N, [this] { return N(); }, [this](QString v) { Set##N(v); })
#define P_COLOR(N) ColorProperty(#N, [this] { return N(); }, [this](TColor v) { Set##N(v); })
#define P_CURSOR(N) CursorProperty(#N, [this] { return N(); }, [this](TCursor v) { Set##N(v); })

// Options

void TDeckTabsOffsets::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_INT(Vertical, int), P_INT(Horizontal, int)});
}

void TDeckTabsControlPosition::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Offsets), P_INT(Height, int), P_INT(Width, int)});
}

void TDeckTabsControlPropertiesEx::GetProperties(TDeckTabsPropertyList& List)
{
    TDeckTabsControlPosition::GetProperties(List);
    List.push_back(P_BOOL(Visible));
}

void TDeckTabsCloseButtonProperties::GetProperties(TDeckTabsPropertyList& List)
{
    TDeckTabsControlPosition::GetProperties(List);
    List.insert(List.end(), {P_BOOL(AutoHide), P_ENUM(Visibility, CloseButtonVisibilityNames),
                             P_INT(AutoHideWidth, int), P_INT(CrossRadialOffset, int)});
}

void TDeckTabsAddButtonProperties::GetProperties(TDeckTabsPropertyList& List)
{
    TDeckTabsControlPosition::GetProperties(List);
    List.insert(List.end(), {P_BOOL(ShowPlusSign), P_ENUM(Visibility, AddButtonVisibilityNames),
                             P_INT(HorizontalOffsetFloating, int)});
}

void TDeckTabModifiedDisplayOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_ENUM(Style, ModifiedStyleNames), P_INT(VerticalOffset, int), P_INT(Height, int),
                             P_INT(Width, int), P_INT(AnimationPeriodMS, int), P_ENUM(EaseType, EaseTypeNames),
                             P_INT(AnimationUpdateMS, int)});
}

void TDeckTabsOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(),
                {P_BOOL(SeeThroughTabs), P_INT(TabOverlap, int), P_INT(ContentOffsetLeft, int),
                 P_INT(ContentOffsetRight, int), P_INT(OffsetLeft, int), P_INT(OffsetTop, int),
                 P_INT(OffsetRight, int), P_INT(OffsetBottom, int), P_INT(MinWidth, int), P_INT(MaxWidth, int),
                 P_BOOL(TabWidthFromContent), P_INT(PinnedWidth, int), P_INT(ImageOffsetLeft, int),
                 P_ENUM(TextTrimType, TextTrimTypeNames), P_ENUM(Orientation, OrientationNames),
                 P_BOOL(BaseLineTabRegionOnly), P_BOOL(WordWrap),
                 P_ENUM(TextAlignmentHorizontal, AlignmentNames),
                 P_ENUM(TextAlignmentVertical, VerticalAlignmentNames), P_BOOL(ShowImages),
                 P_BOOL(ShowPinnedTabText)});
}

void TDeckTabsContainerOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_BOOL(TransparentBackground), P_BOOL(OverlayButtons), P_INT(PaddingLeft, int),
                             P_INT(PaddingRight, int)});
}

void TDeckTabsSpinnerOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_BOOL(ReverseDirection), P_INT(RenderedAnimationStep, int), P_OBJ(Position),
                             P_INT(SweepAngle, uint16_t)});
}

void TDeckTabsSpinnersOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Upload), P_OBJ(Download), P_INT(AnimationUpdateMS, uint32_t),
                             P_BOOL(HideImagesWhenSpinnerVisible)});
}

void TDeckTabsDisplayOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(CloseButton), P_OBJ(AddButton), P_OBJ(ScrollButtonLeft),
                             P_OBJ(ScrollButtonRight), P_OBJ(TabModifiedGlow), P_OBJ(Tabs), P_OBJ(TabContainer),
                             P_OBJ(TabMouseGlow), P_OBJ(TabSpinners)});
}

void TDeckTabsDragOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(),
                {P_ENUM(DragType, DragTypeNames), P_INT(DragOutsideImageAlpha, uint8_t),
                 P_INT(DragOutsideDistancePixels, int), P_INT(DragStartPixels, int),
                 P_FLOAT(DragControlImageResizeFactor, double), P_CURSOR(DragCursor),
                 P_ENUM(DragDisplay, DragDisplayNames), P_INT(DragFormBorderWidth, int),
                 P_INT(DragFormBorderColor, int), P_BOOL(ContrainDraggedTabWithinContainer)});
}

void TDeckTabsMovementAnimationTypes::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_BOOL(UseDefaultEaseType), P_BOOL(UseDefaultAnimationTime),
                             P_ENUM(EaseType, EaseTypeNames), P_INT(AnimationTimeMS, int)});
}

void TDeckTabsMovementAnimations::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(TabAdd), P_OBJ(TabDelete), P_OBJ(TabMove)});
}

void TDeckTabsAnimationOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(),
                {P_OBJ(MovementAnimations), P_INT(DefaultMovementAnimationTimeMS, uint32_t),
                 P_INT(DefaultStyleAnimationTimeMS, uint32_t), P_INT(AnimationTimerInterval, int),
                 P_INT(MinimumTabAnimationWidth, int), P_ENUM(DefaultMovementEaseType, EaseTypeNames),
                 P_ENUM(DefaultStyleEaseType, EaseTypeNames)});
}

void TDeckTabsBehaviourOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(),
                {P_BOOL(BackgroundDblClickMaximiseRestoreForm), P_BOOL(BackgroundDragMovesForm),
                 P_BOOL(TabSmartDeleteResizing), P_INT(TabSmartDeleteResizeCancelDelay, int),
                 P_BOOL(UseBuiltInPopupMenu), P_BOOL(TabRightClickSelect), P_BOOL(ActivateNewTab),
                 P_BOOL(DebugMode), P_BOOL(IgnoreDoubleClicksWhileAnimatingMovement)});
}

void TDeckTabsScrollOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_BOOL(Enabled), P_ENUM(ScrollButtons, ScrollButtonsNames), P_INT(ScrollStep, int),
                             P_INT(ScrollRepeatDelay, int), P_BOOL(AutoHideButtons), P_BOOL(DragScroll),
                             P_INT(DragScrollOffset, int), P_BOOL(MouseWheelScroll)});
}

void TOptions::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Display), P_OBJ(DragDrop), P_OBJ(Animation), P_OBJ(Behaviour), P_OBJ(Scrolling)});
}

// Look and feel

void TDeckTabsLookAndFeelStyle::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_COLOR(StartColor), P_COLOR(StopColor), P_INT(StartAlpha, uint8_t),
                             P_INT(StopAlpha, uint8_t), P_COLOR(OutlineColor), P_INT(OutlineAlpha, uint8_t),
                             P_FLOAT(OutlineSize, float)});
}

void TDeckTabsLookAndFeelPen::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_COLOR(Color), P_FLOAT(Thickness, float), P_INT(Alpha, int)});
}

void TDeckTabsLookAndFeelBaseFont::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_STRING(Name), P_COLOR(Color), P_INT(Size, int), P_INT(Alpha, uint8_t),
                             P_ENUM(TextRendoringMode, TextRenderingHintNames)});
}

void TDeckTabsLookAndFeelFont::GetProperties(TDeckTabsPropertyList& List)
{
    TDeckTabsLookAndFeelBaseFont::GetProperties(List);
    List.push_back(P_BOOL(UseDefaultFont));
}

void TDeckTabsLookAndFeelGlow::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_COLOR(CentreColor), P_COLOR(OutsideColor), P_INT(CentreAlpha, uint8_t),
                             P_INT(OutsideAlpha, uint8_t)});
}

void TDeckTabsLookAndFeelStyleProperties::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Font), P_OBJ(Style)});
}

void TDeckTabsCustomLookAndFeelStylePropertyItems::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Active), P_OBJ(NotActive), P_OBJ(Hot)});
}

void TDeckTabsLookAndFeelSpinners::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Upload), P_OBJ(Download)});
}

void TDeckTabsLookAndFeelTab::GetProperties(TDeckTabsPropertyList& List)
{
    TDeckTabsCustomLookAndFeelStylePropertyItems::GetProperties(List);
    List.insert(List.end(),
                {P_OBJ(BaseLine), P_OBJ(Modified), P_OBJ(DefaultFont), P_OBJ(MouseGlow), P_OBJ(Spinners)});
}

void TDeckTabsLookAndFeelCustomStyleItems::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Normal), P_OBJ(Down), P_OBJ(Hot)});
}

void TDeckTabsLookAndFeelDisabledButton::GetProperties(TDeckTabsPropertyList& List)
{
    TDeckTabsLookAndFeelCustomStyleItems::GetProperties(List);
    List.push_back(P_OBJ(Disabled));
}

void TDeckTabsCustomLookAndFeelPenItem::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Normal), P_OBJ(Down), P_OBJ(Hot)});
}

void TDeckTabsLookAndFeelCloseButton::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Cross), P_OBJ(Circle)});
}

void TDeckTabsLookAndFeelAddButton::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Button), P_OBJ(PlusSign)});
}

void TDeckTabsLookAndFeelScrollButton::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(), {P_OBJ(Button), P_OBJ(Arrow)});
}

void TDeckTabsLookAndFeel::GetProperties(TDeckTabsPropertyList& List)
{
    List.insert(List.end(),
                {P_OBJ(Tabs), P_OBJ(TabsContainer), P_OBJ(CloseButton), P_OBJ(AddButton), P_OBJ(ScrollButtons)});
}
