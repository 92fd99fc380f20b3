#pragma once
// TCellGraphic: the one decoration a string grid cell can carry besides its
// text (check box, radio group, node button, picture, progress bar,
// comment mark, button and the rest), kept in the graphic slot of the
// cell's properties. The kind (CellType) decides what every other field
// means; the grid's adders fill them.
//
// Ownership: the grid owns each graphic in its store. A graphic frees what
// its kind owns (an object the grid created, CellCreated, and the lists it
// always owns); objects handed in by a caller stay the caller's. A setter
// that replaces the kind or the object first frees what the graphic owned.
#include "platform/controls/CheckBox.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <QVariant>

class TCanvas;
class TIcon;
class TIntList;
class TProStringGrid;
class TStringList;

// The kinds of cell graphics; ordinals are stored.
enum TCellType {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage, ctNode, ctRadio,
    ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment, ctButton, ctBitButton,
    ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary, ctRangeIndicator, ctXPProgress, ctInterface,
    ctScrollbar, ctRadioButton, ctBalloon, ctShape, ctRating, ctTriStateCheckBox, ctExpand
};
// Where a graphic sits in its cell.
enum TCellHAlign { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
// How a picture fits its cell; a value past ShrinkWithAspectRatio reads as noStretch.
enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TBalloonIcon { biNone, biInfo, biWarning, biError };

// Page size and range of a cell scroll bar.
struct TScrollProp {
    int PageSize = 0;
    int Range = 0;
    bool operator==(const TScrollProp&) const = default;
};

// What an object in a ctInterface cell may implement (found with
// dynamic_cast); an object without it is neither sized nor drawn.
class ICellInterface {
public:
    virtual ~ICellInterface() = default;
    virtual void Draw(TCanvas* Canvas, const TRect& R, int ACol, int ARow, bool Selected, TProStringGrid* Grid) = 0;
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
    // True: drawn before the cell text, behind it.
    virtual bool IsBackground() = 0;
};

class TCellGraphic : public TPersistent {
public:
    // Kind ctNone, nothing owned.
    TCellGraphic();
    ~TCellGraphic() override;

    // From another TCellGraphic: every field but CellBitmap, CellIcon,
    // CellVar and CellCheckBoxState. Other sources are ignored.
    void Assign(TPersistent* Source) override;

    // The setters of each kind; fields they do not name keep their values.
    // Note: the graphic does not own the objects handed in.
    void SetInterfacedCell(TPersistent* AObject);
    void SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    // CellIndex takes the height in its high 16 bits and the width in its low 16 bits.
    void SetButton(int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const QString& Caption, TObject* Glyph, TCellHAlign hal, TCellVAlign val);
    // APicture is a TPicture (SetPicture) or a TFilePicture (SetFilePicture).
    void SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int Padding, TCellHAlign hal,
                    TCellVAlign val);
    void SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int Padding, TCellHAlign hal,
                        TCellVAlign val);
    // ctDataCheckBox with Data, else ctCheckBox.
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    // ctTriStateCheckBox.
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int Idx, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int Idx, TCellHAlign hal, TCellVAlign val);
    // ctImages with a new owned list bound to (Col, Row); Dir 0 lays the
    // images side by side.
    void SetMultiImage(int Col, int Row, int Dir, TCellHAlign hal, TCellVAlign val,
                       const std::function<void(TObject*, int, int)>& Notifier);
    // ctRotated; the angle is brought into 0..360 (360 stays 360).
    void SetAngle(int AAngle);
    // The size a ctPicture or ctFilePicture takes in a room of cw x rh
    // (padding taken off once) by its stretch mode; other kinds answer
    // (0, 0). HasText is not used.
    TPoint GetPictureSize(int cw, int rh, bool HasText) const;

    // Frees what the graphic owns and forgets it.
    void ReleaseOwned();

    // Fields
    TCellType CellType() const { return FCellType; }
    void SetCellType(TCellType Value) { FCellType = Value; }
    TCellVAlign CellVAlign() const { return FCellVAlign; }
    void SetCellVAlign(TCellVAlign Value) { FCellVAlign = Value; }
    TCellHAlign CellHAlign() const { return FCellHAlign; }
    void SetCellHAlign(TCellHAlign Value) { FCellHAlign = Value; }
    // An index, a size pair or a colour, by kind.
    int CellIndex() const { return FCellIndex; }
    void SetCellIndex(int Value) { FCellIndex = Value; }
    // Transparent drawing; the flat look of check boxes and radio buttons.
    bool CellTransparent() const { return FCellTransparent; }
    void SetCellTransparent(bool Value) { FCellTransparent = Value; }
    // The grid made CellBitmap (or CellIcon) and frees it.
    bool CellCreated() const { return FCellCreated; }
    void SetCellCreated(bool Value) { FCellCreated = Value; }
    bool CellBoolean() const { return FCellBoolean; }
    void SetCellBoolean(bool Value) { FCellBoolean = Value; }
    TCheckBoxState CellCheckBoxState() const { return FCellCheckBoxState; }
    void SetCellCheckBoxState(TCheckBoxState Value) { FCellCheckBoxState = Value; }
    // An angle, a count, a mode or a second value, by kind.
    int CellAngle() const { return FCellAngle; }
    void SetCellAngle(int Value) { FCellAngle = Value; }
    // Where the painter last drew a button: x + 65536 * y from the cell's top-left.
    double CellValue() const { return FCellValue; }
    void SetCellValue(double Value) { FCellValue = Value; }
    // The error marker; for progress kinds the minimum and maximum, for
    // cell scroll bars the range, for nodes the sub-node count.
    int CellErrFrom() const { return FCellErrFrom; }
    void SetCellErrFrom(int Value) { FCellErrFrom = Value; }
    int CellErrLen() const { return FCellErrLen; }
    void SetCellErrLen(int Value) { FCellErrLen = Value; }
    const QString& CellText() const { return FCellText; }
    void SetCellText(const QString& Value) { FCellText = Value; }
    // The kind's object: bitmap, picture, file picture, string list,
    // integer list, glyph or interfaced object. Note: writing frees nothing.
    TObject* CellBitmap() const { return FCellBitmap; }
    void SetCellBitmap(TObject* Value) { FCellBitmap = Value; }
    TIcon* CellIcon() const { return FCellIcon; }
    void SetCellIcon(TIcon* Value) { FCellIcon = Value; }
    // The colour a colour kind keeps in CellBitmap's place: bar (ctProgress),
    // pie (ctProgressPie), negative (ctRangeIndicator), line (ctShape) or
    // empty (ctRating) colour.
    TColor CellBitmapColor() const { return FCellBitmapColor; }
    void SetCellBitmapColor(TColor Value) { FCellBitmapColor = Value; }
    // The colour in CellIcon's place: background (ctProgress) or positive
    // (ctRangeIndicator) colour.
    TColor CellIconColor() const { return FCellIconColor; }
    void SetCellIconColor(TColor Value) { FCellIconColor = Value; }
    // Expand state of ctExpand, selected index of ctRadio, -1 for ctNode.
    const QVariant& CellVar() const { return FCellVar; }
    void SetCellVar(const QVariant& Value) { FCellVar = Value; }

    // The typed views of CellBitmap; nil when it holds another class.
    TStringList* Strings() const;
    TIntList* IntList() const;

private:
    // Frees what the kind owns when the kind or the object changes.
    void Become(TCellType AType, TObject* ABitmap);
    void Place(TCellHAlign hal, TCellVAlign val);
    void SetPictureKind(TCellType AType, TObject* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                        TCellHAlign hal, TCellVAlign val);

    TCellType FCellType = ctNone;
    TCellVAlign FCellVAlign = vaTop;
    TCellHAlign FCellHAlign = haLeft;
    int FCellIndex = 0;
    bool FCellTransparent = false;
    bool FCellCreated = false;
    bool FCellBoolean = false;
    TCheckBoxState FCellCheckBoxState = cbUnchecked;
    int FCellAngle = 0;
    double FCellValue = 0;
    int FCellErrFrom = 0;
    int FCellErrLen = 0;
    QString FCellText;
    TObject* FCellBitmap = nullptr;
    TIcon* FCellIcon = nullptr;
    TColor FCellBitmapColor = 0;
    TColor FCellIconColor = 0;
    QVariant FCellVar;
};
