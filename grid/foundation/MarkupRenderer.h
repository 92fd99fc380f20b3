#pragma once
// The state of one RenderHTMLText call (internal to the renderer).
#include "grid/foundation/MarkupRender.h"
#include "platform/graphics/GraphicsObjects.h"
#include <QStringView>
#include <vector>

class THTMLPicture;
struct TControlTagFields;

// The highlight tag's colours (SetHTMLHighlightColors).
TColor MarkupHighlightBack();
TColor MarkupHighlightText();

// The line's running values, carried from its measuring to its second pass.
struct MarkupLineValues {
    int Width = 0;
    int Height = 0;
    int SubDepth = 0;
    int SupDepth = 0;
    int Raise = 0;
};

struct MarkupRenderArgs {
    TCanvas* Canvas;
    TRect Bounds;
    TCustomImageList* Images;
    int MouseX, MouseY, FocusAnchorIndex, HoverAnchorNumber, ShadowOffset;
    bool HitTestOnly, MeasureOnly, Printing, SelectedMode, BlinkOn, HoverOnly, WrapWords, MouseDown;
    double PrintScale;
    TColor LinkColor, HoverBackColor, HoverTextColor, ShadowColor;
    THTMLPictureCache* PictureCache;
    TPictureContainer* PictureContainer;
    HWND WindowHandle;
    int BiDiMode;
};

struct MarkupRenderOutputs {
    QString& LinkAtMouse;
    QString& PlainText;
    QString& FocusLink;
    QString& TitleAtMouse;
    int& ExtentX;
    int& ExtentY;
    int& AnchorCount;
    int& AnchorAtMouse;
    TRect& AnchorRect;
    TRect& ControlRect;
    QString& ControlID;
    QString& ControlValue;
    QString& ControlType;
};

class MarkupRenderer {
public:
    MarkupRenderer(const MarkupRenderArgs& Args, const MarkupRenderOutputs& Out);
    bool Run(const QString& Text);

private:
    // How a line ends.
    enum class LineEnd { Open, Ended, Full };
    // One pass over a line: the layout rectangle, where the run goes next
    // and how wide the line is so far.
    struct Pass {
        bool Drawing = false;
        bool First = false; // the line's first (measuring) pass
        int C = 0, D = 0, E = 0, F = 0;
        int Pos = 0;   // left of the next run
        int W = 0;     // line width so far
        bool LinkHit = false;
        bool ImageHit = false;
        bool HadRun = false;
        bool LastEndsBlank = true;
        bool ListItem = false;
        int TrailingBlank = 0;
        size_t RunIndex = 0;
        LineEnd End = LineEnd::Open;
        // Offset of the hit test: the line width when measuring, the run
        // position when drawing.
        int HitX() const { return Drawing ? Pos - C : W; }
    };

    // Lines
    // Consumes one line of Text from At; Stop may move back when the text
    // ends early.
    void RenderLine(QStringView Text, qsizetype& At, qsizetype& Stop, Pass& P, MarkupLineValues& L);
    void CutRun(QStringView Text, qsizetype& At, qsizetype& Stop, Pass& P, MarkupLineValues& L);
    void DrawRun(const QString& Run, Pass& P, const MarkupLineValues& L, int RunWidth);
    void DrawErrorMark(int Left, int Right, int F);
    void FinishLine(Pass& P, const MarkupLineValues& L);

    // Tags (MarkupRendererTags.cpp)
    // Applies Tag ("<" to ">"); false when the line became full before it
    // (the tag stays for the next line).
    bool ApplyTag(QStringView Tag, Pass& P, MarkupLineValues& L);
    void OpenAnchor(QStringView Tag, Pass& P);
    void CloseAnchor(Pass& P, const MarkupLineValues& L);
    void ApplyFont(QStringView Tag, const QString& Upper, Pass& P);
    void ApplyParagraph(const QString& Upper, Pass& P, const MarkupLineValues& L);
    void ApplyBody(QStringView Tag, const QString& Upper, Pass& P);
    bool ApplyImage(QStringView Tag, const QString& Upper, Pass& P, MarkupLineValues& L);
    bool ApplyControl(QStringView Tag, Pass& P, MarkupLineValues& L);
    bool ApplyListItem(Pass& P, MarkupLineValues& L);
    void DrawControl(const TControlTagFields& F, int X, int B, int S, int Width, int Height);
    // False when an element Width wide does not fit on the line any more.
    bool Place(Pass& P, int Width);
    // Moves past a placed element and lets the line grow to its height.
    void Advance(Pass& P, MarkupLineValues& L, int Width, int Height);
    THTMLPicture* FindPicture(const QString& Source);

    // Canvas state
    bool HoverApplies() const;
    TColor Background() const;
    void SetBackground(TColor Color);
    void SetFontColor(TColor Color);
    void FontChanged() { FGhHeight = FBlankWidth = -1; }
    // Height of "gh" in the canvas font (a text's height does not depend on
    // its characters).
    int GhHeight();
    int TextWidth(const QString& Run);
    // Width of a blank in the canvas font.
    int BlankWidth();
    int Ppi() const;

    const MarkupRenderArgs& A;
    const MarkupRenderOutputs& O;
    TCanvas* C;

    TFont FBaseFont;
    TFont FMeasureFont;
    TFont FDrawFont;
    TColor FStartBack = clNone;
    unsigned FFlags = 0;
    bool FThemed = false;
    bool FRtlReading = false;
    int FGhHeight = -1;
    int FBlankWidth = -1;
    int FLineNumber = 0;

    bool FInLink = false;
    bool FShadow = false;
    bool FSub = false;
    bool FSup = false;
    bool FHidden = false;
    bool FErrorMark = false;
    bool FParaBack = false;
    bool FLinkArea = false;
    QString FTarget;
    QString FTitle;
    TColor FLinkSavedBack = clNone;
    TColor FLinkSavedText = clNone;
    TColor FFontSavedBack = clNone;
    TColor FHiSavedText = clNone;
    TColor FHiSavedBack = clNone;
    TColor FParaSavedBack = clNone;
    int FAnchors = 0;
    int FImages = 0;
    int FListLevel = 0;
    int FImageAtMouse = -1;
    bool FFocusOpen = false;
    bool FFocusFromLineStart = false;
    int FFocusLeft = 0;
    int FAnchorStartX = 0;
    int FAnchorStartY = 0;
    int FAnchorStartLine = 0;
    int FAlign = 0;
    int FIndent = 0;
    // Widths of the runs of a line's first pass, reused by its second.
    std::vector<int> FRunWidths;
};
