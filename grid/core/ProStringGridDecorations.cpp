#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"

// The decorations a program attaches to single cells, each a cell graphic
// of its own kind. Adders replace the cell's graphic; creators make the
// object, which the graphic then owns; removers leave other kinds alone.

namespace {

// The cell's graphic when it is of kind t, else nil.
TCellGraphic* OfKind(TCellGraphic* G, TCellType t) { return G && G->CellType() == t ? G : nullptr; }

} // namespace

// Pictures, bitmaps and icons

void TProStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TProStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* bmp = new TBitmap();
    g->SetBitmap(bmp, Transparent, hal, val);
    g->SetCellCreated(true);
    return bmp;
}

TBitmap* TProStringGrid::GetBitmap(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctBitmap);
    return g ? dynamic_cast<TBitmap*>(g->CellBitmap()) : nullptr;
}

void TProStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TProStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                        TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* picture = new TPicture();
    g->SetPicture(picture, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return picture;
}

TPicture* TProStringGrid::GetPicture(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctPicture);
    return g ? dynamic_cast<TPicture*>(g->CellBitmap()) : nullptr;
}

void TProStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                    TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TProStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                                int Padding, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* picture = new TFilePicture();
    g->SetFilePicture(picture, Transparent, StretchMode, Padding, hal, val);
    g->SetCellCreated(true);
    return picture;
}

TFilePicture* TProStringGrid::GetFilePicture(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctFilePicture);
    return g ? dynamic_cast<TFilePicture*>(g->CellBitmap()) : nullptr;
}

void TProStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

TIcon* TProStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* icon = new TIcon();
    g->SetIcon(icon, hal, val);
    g->SetCellCreated(true);
    return icon;
}

// Image-list images

void TProStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (FGridImages)
        CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TProStringGrid::GetImageIdx(int ACol, int ARow, int& idx)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctImageList);
    if (!FGridImages || !g)
        return false;
    idx = g->CellIndex();
    return true;
}

void TProStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    if (TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctImageList); g && FGridImages)
        g->SetCellIndex(Idx);
}

void TProStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).isEmpty())
        SetInts(ACol, ARow, Aidx);
}

bool TProStringGrid::HasDataImage(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellType(base.X, base.Y) == ctDataImage;
}

void TProStringGrid::RemoveDataImage(int ACol, int ARow)
{
    // The text is the image's value: it goes with the image, and only then.
    if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage))
        SetCells(ACol, ARow, QString());
}

void TProStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!FGridImages)
        return;
    CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject*, int c, int r) {
        RepaintCell(RealToDisplCol(c), r);
    });
}

// Progress and value displays

void TProStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctProgress);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellBitmapColor(FGColor);
    g->SetCellIconColor(BKColor);
    g->SetCellErrFrom(0);
    g->SetCellErrLen(100);
    g->SetCellBoolean(false);
    g->SetCellText(QString());
    if (FAutoNumAlign)
        SetAlignments(ACol, ARow, taRightJustify);
}

void TProStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                   TColor BKTextColor)
{
    AddProgress(ACol, ARow, FGColor, BKColor);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    g->SetCellIndex(int(FGTextColor));
    g->SetCellAngle(int(BKTextColor));
    g->SetCellBoolean(true);
}

void TProStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                          TColor BKTextColor, const QString& Fmt, int Min, int Max)
{
    AddProgressEx(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor);
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    g->SetCellText(Fmt);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
}

void TProStringGrid::AddProProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctXPProgress);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellErrFrom(Min);
    g->SetCellErrLen(Max);
    g->SetCellBoolean(false);
    g->SetCellText(QString());
}

void TProStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctProgressPie);
    g->SetCellHAlign(haBeforeText);
    g->SetCellVAlign(vaTop);
    g->SetCellBitmapColor(Color);
    g->SetCellAngle(Value);
}

void TProStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    if (TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctProgressPie)) {
        g->SetCellAngle(Value);
        RepaintCell(RealToDisplCol(ACol), ARow);
    }
}

void TProStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor,
                                       bool ShowValue)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRangeIndicator);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellIndex(Range);
    g->SetCellBitmapColor(NegColor);
    g->SetCellIconColor(PosColor);
    g->SetCellBoolean(ShowValue);
}

void TProStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRating);
    g->SetCellAngle(Scale);
    g->SetCellHAlign(haFull);
    g->SetCellIndex(int(FillColor));
    g->SetCellBitmapColor(EmptyColor);
}

// Comments, shapes and markers

void TProStringGrid::AddComment(int ACol, int ARow, const QString& Comment)
{
    AddColorComment(ACol, ARow, Comment, FControlLook->CommentColor());
}

void TProStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctComment);
    g->SetCellHAlign(haLeft);
    g->SetCellVAlign(vaTop);
    g->SetCellText(Comment);
    g->SetCellIndex(int(Color));
}

bool TProStringGrid::IsComment(int ACol, int ARow, QString& Comment)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctComment);
    if (!g)
        return false;
    Comment = g->CellText();
    return true;
}

QString TProStringGrid::GetComment(int ACol, int ARow)
{
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TProStringGrid::SetComment(int ACol, int ARow, const QString& Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        AddComment(ACol, ARow, Value);
    else if (g->CellType() == ctComment)
        g->SetCellText(Value);
}

void TProStringGrid::RemoveAllComments()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            RemoveComment(c, r);
}

void TProStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                              TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctShape);
    g->SetCellAngle(int(Shape));
    g->SetCellIndex(int(FillColor));
    g->SetCellBitmapColor(LineColor);
    g->SetCellHAlign(hal);
    g->SetCellVAlign(val);
}

void TProStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctShape))
        g->SetCellIndex(int(FillColor));
}

TColor TProStringGrid::GetShapeColor(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctShape);
    return g ? TColor(g->CellIndex()) : clNone;
}

void TProStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        g->SetCellType(ctEmpty);
    }
    g->SetCellErrFrom(ErrPos);
    g->SetCellErrLen(ErrLen);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom() : 0;
    ErrLen = g ? g->CellErrLen() : 0;
}

void TProStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType() == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->SetCellErrFrom(0);
    g->SetCellErrLen(0);
    RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::RemoveAllMarkers()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            RemoveMarker(c, r);
}

// Buttons and expand buttons

void TProStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                               TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TProStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                  TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TProStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption,
                                         TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* glyph = new TBitmap();
    g->SetBitButton(bw, bh, Caption, glyph, hal, val);
    g->SetCellCreated(true);
    return glyph;
}

void TProStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption)
{
    if (TCellGraphic* g = GetCellGraphic(DisplToRealCol(ACol), ARow)) {
        g->SetCellText(Caption);
        RepaintCell(ACol, ARow);
    }
}

QString TProStringGrid::GetButtonText(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(DisplToRealCol(ACol), ARow);
    return g ? g->CellText() : QString();
}

void TProStringGrid::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic* g = GetCellGraphic(DisplToRealCol(ACol), ARow);
    if (g && g->CellType() != ctNode) {
        g->SetCellBoolean(Push);
        RepaintCell(ACol, ARow);
    }
}

void TProStringGrid::RemoveButton(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctButton);
    RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TProStringGrid::RemoveAllButtons()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            RemoveButton(c, r);
}

void TProStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctExpand);
    g->SetCellAngle(ExpandedHeight);
    g->SetCellVar(false);
    g->SetCellIndex(RowHeights(ARow));
}

bool TProStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    if (!g)
        return false;
    g->SetCellVar(!g->CellVar().toBool());
    return g->CellVar().toBool();
}

bool TProStringGrid::GetExpandState(int ACol, int ARow)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    return g && g->CellVar().toBool();
}

int TProStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->CellAngle() : g->CellIndex();
}

// Cell scroll bars

void TProStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctScrollbar);
    g->SetCellAngle(0);
    g->SetCellErrFrom(100);
    g->SetCellIndex(0);
    g->SetCellBoolean(AutoRange);
    if (AutoRange)
        CellChanged(ACol, ARow);
}

bool TProStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(BaseGraphic(ACol, ARow), ctScrollbar);
    return g && g->CellBoolean();
}

void TProStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    if (TCellGraphic* g = OfKind(BaseGraphic(ACol, ARow), ctScrollbar)) {
        g->SetCellIndex(Pos);
        RepaintCell(RealToDisplCol(ACol), ARow);
    }
}

int TProStringGrid::GetScrollPosition(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(BaseGraphic(ACol, ARow), ctScrollbar);
    return g ? g->CellIndex() : -1;
}

void TProStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    if (TCellGraphic* g = OfKind(BaseGraphic(ACol, ARow), ctScrollbar)) {
        g->SetCellAngle(Prop.PageSize);
        g->SetCellErrFrom(Prop.Range);
    }
}

TScrollProp TProStringGrid::GetScrollProp(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(BaseGraphic(ACol, ARow), ctScrollbar);
    return g ? TScrollProp{g->CellAngle(), g->CellErrFrom()} : TScrollProp{-1, -1};
}

// Balloons, interfaced objects and rotated text

void TProStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        g->SetCellType(ctBalloon);
        g->SetCellAngle(0);
    } else if (g->CellType() == ctCheckBox || g->CellType() == ctDataCheckBox || g->CellType() == ctRadioButton) {
        // A balloon already attached goes first.
        if (g->CellAngle() == 1)
            g->ReleaseOwned();
        g->SetCellAngle(1);
    } else {
        return;
    }
    auto* strings = new TStringList();
    strings->Add(Title);
    strings->Add(Text);
    g->SetCellIndex(int(Icon));
    g->SetCellBitmap(strings);
}

bool TProStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, TBalloonIcon& Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    const TCellType t = g->CellType();
    const bool carried = (t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton) && g->CellAngle() == 1;
    TStringList* strings = g->Strings();
    if ((t != ctBalloon && !carried) || !strings)
        return false;
    Title = strings->Count() > 0 ? strings->Strings(0) : QString();
    Text = strings->Count() > 1 ? strings->Strings(1) : QString();
    Icon = TBalloonIcon(g->CellIndex());
    return true;
}

void TProStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    const TCellType t = g->CellType();
    if ((t == ctCheckBox || t == ctDataCheckBox || t == ctRadioButton) && g->CellAngle() == 1) {
        g->ReleaseOwned();
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

void TProStringGrid::AddInterfacedCell(int ACol, int ARow, TPersistent* AObject)
{
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TPersistent* TProStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    TCellGraphic* g = OfKind(GetCellGraphic(ACol, ARow), ctInterface);
    return g ? dynamic_cast<TPersistent*>(g->CellBitmap()) : nullptr;
}

void TProStringGrid::AddRotated(int ACol, int ARow, int AAngle, const QString& s)
{
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void TProStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() == ctRowCheckBox || g->CellType() == ctVirtCheckBox)
        g = CreateCellGraphic(ACol, ARow);
    g->SetAngle(AAngle);
}

bool TProStringGrid::IsRotated(int ACol, int ARow, int& aAngle)
{
    if (GetCellType(ACol, ARow) != ctRotated)
        return false;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    aAngle = g->CellAngle();
    return true;
}
