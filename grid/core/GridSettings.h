#pragma once
// The string grid's small settings objects: node look (TCellNode), sizing
// while typing (TSizeWhileTyping), column width persistence and stretching
// (TColumnSize), HTML export (THTMLSettings) and printing (TPrintSettings).
// Each Assign copies its listed members directly (no repaint, no setter).
#include "grid/core/GridCoreTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Object.h"
#include <QString>
#include <memory>

class IGridSettingsOwner;
class TBitmap;
class TFont;
class TIntList;
class TStringList;
class TStrings;
enum class TPrinterOrientation;

class TCellNode : public TPersistent {
public:
    explicit TCellNode(IGridSettingsOwner* AOwner);
    ~TCellNode() override;

    // From a TCellNode only; other sources are ignored.
    void Assign(TPersistent* Source) override;

    // Brush of the node button.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // Expanding one node contracts every other expanded node.
    bool ExpandOne() const { return FExpandOne; }
    void SetExpandOne(bool Value) { FExpandOne = Value; }
    // Pen of the flat node button and its plus or minus.
    TColor NodeColor() const { return FNodeColor; }
    void SetNodeColor(TColor Value) { FNodeColor = Value; }
    TBitmap* ExpandGlyph() const { return FExpandGlyph.get(); }
    // Copies the bitmap.
    void SetExpandGlyph(TBitmap* Value);
    TBitmap* ContractGlyph() const { return FContractGlyph.get(); }
    void SetContractGlyph(TBitmap* Value);

    // These repaint the grid when the value changes.
    TNodeType NodeType() const { return FNodeType; }
    void SetNodeType(TNodeType Value) { SetRepainting(FNodeType, Value); }
    // Pixels of indent per node level.
    int NodeIndent() const { return FNodeIndent; }
    void SetNodeIndent(int Value) { SetRepainting(FNodeIndent, Value); }
    bool ShowTree() const { return FShowTree; }
    void SetShowTree(bool Value) { SetRepainting(FShowTree, Value); }
    // The horizontal tree line runs to the cell's right edge.
    bool ShowTreeFull() const { return FShowTreeFull; }
    void SetShowTreeFull(bool Value) { SetRepainting(FShowTreeFull, Value); }
    TColor TreeColor() const { return FTreeColor; }
    void SetTreeColor(TColor Value) { SetRepainting(FTreeColor, Value); }

private:
    template <typename T>
    void SetRepainting(T& Field, T Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        RepaintGrid();
    }
    void RepaintGrid();

    TColor FColor = 0xC0C0C0;
    TNodeType FNodeType = cnXP;
    TColor FNodeColor = clBlack;
    std::unique_ptr<TBitmap> FExpandGlyph;
    bool FExpandOne = false;
    std::unique_ptr<TBitmap> FContractGlyph;
    IGridSettingsOwner* FOwner;
    bool FShowTree = true;
    bool FShowTreeFull = true;
    int FNodeIndent = 12;
    TColor FTreeColor = 0x808080;
};

// Note: no Assign of its own; assigning raises the framework's
// cannot-assign error.
class TSizeWhileTyping : public TPersistent {
public:
    // The row grows to fit the text typed into a multi-line cell.
    bool Height() const { return FHeight; }
    void SetHeight(bool Value) { FHeight = Value; }
    // The column grows to fit the typed text.
    bool Width() const { return FWidth; }
    void SetWidth(bool Value) { FWidth = Value; }

private:
    bool FHeight = false;
    bool FWidth = false;
};

class TColumnSize : public TPersistent {
public:
    // The owner is the grid; it is not owned.
    explicit TColumnSize(TComponent* AOwner) : Owner(AOwner) {}

    // From a TColumnSize only; Stretch is copied without stretching.
    void Assign(TPersistent* Source) override;

    // Widths are loaded when the window is made or the grid loaded, and
    // saved when the grid is destroyed.
    bool Save() const { return FSave; }
    void SetSave(bool Value) { FSave = Value; }
    // Registry key or file name of the store.
    const QString& Key() const { return FKey; }
    void SetKey(const QString& Value) { FKey = Value; }
    // Value name or section.
    const QString& Section() const { return FSection; }
    void SetSection(const QString& Value) { FSection = Value; }
    TColumnSizeLocation Location() const { return FLocation; }
    void SetLocation(TColumnSizeLocation Value) { FLocation = Value; }
    bool Stretch() const { return FStretch; }
    // Stores the value, then stretches StretchColumn when the grid has a
    // parent. Note: raises EInvalidCast, after storing, when the owner is
    // not a grid.
    void SetStretch(bool Value);
    // -1: the last column.
    int StretchColumn() const { return FStretchColumn; }
    void SetStretchColumn(int Value) { FStretchColumn = Value; }
    // A change of the grid's width scales the recorded column widths.
    bool SynchWithGrid() const { return FSynchWithGrid; }
    void SetSynchWithGrid(bool Value) { FSynchWithGrid = Value; }
    // That scaling leaves the fixed columns alone.
    bool SynchNormalCellsOnly() const { return FSynchNormalCellsOnly; }
    void SetSynchNormalCellsOnly(bool Value) { FSynchNormalCellsOnly = Value; }
    // The rows automatic column sizing measures.
    TAutoSizeRows Rows() const { return FRows; }
    void SetRows(TAutoSizeRows Value) { FRows = Value; }

    TComponent* Owner;

private:
    bool FSave = false;
    QString FKey;
    QString FSection;
    bool FStretch = false;
    int FStretchColumn = -1;
    bool FSynchWithGrid = false;
    bool FSynchNormalCellsOnly = false;
    TColumnSizeLocation FLocation = clRegistry;
    TAutoSizeRows FRows = arAll;
};

// Options of the HTML export.
class THTMLSettings : public TPersistent {
public:
    THTMLSettings();
    ~THTMLSettings() override;

    // From a THTMLSettings only; ExportImages and ColWidths are not copied.
    void Assign(TPersistent* Source) override;

    bool AutoPreview() const { return FAutoPreview; }
    void SetAutoPreview(bool Value) { FAutoPreview = Value; }
    int BorderSize() const { return FBorderSize; }
    void SetBorderSize(int Value) { FBorderSize = Value; }
    int CellSpacing() const { return FCellSpacing; }
    void SetCellSpacing(int Value) { FCellSpacing = Value; }
    int CellPadding() const { return FCellPadding; }
    void SetCellPadding(int Value) { FCellPadding = Value; }
    bool ConvertSpecialChars() const { return FConvertSpecialChars; }
    void SetConvertSpecialChars(bool Value) { FConvertSpecialChars = Value; }
    bool ExportImages() const { return FExportImages; }
    void SetExportImages(bool Value) { FExportImages = Value; }
    const QString& FooterFile() const { return FFooterFile; }
    void SetFooterFile(const QString& Value) { FFooterFile = Value; }
    const QString& HeaderFile() const { return FHeaderFile; }
    void SetHeaderFile(const QString& Value) { FHeaderFile = Value; }
    bool NonBreakingText() const { return FNonBreakingText; }
    void SetNonBreakingText(bool Value) { FNonBreakingText = Value; }
    const QString& PrefixTag() const { return FPrefixTag; }
    void SetPrefixTag(const QString& Value) { FPrefixTag = Value; }
    bool SaveColor() const { return FSaveColor; }
    void SetSaveColor(bool Value) { FSaveColor = Value; }
    bool SaveFonts() const { return FSaveFonts; }
    void SetSaveFonts(bool Value) { FSaveFonts = Value; }
    const QString& SuffixTag() const { return FSuffixTag; }
    void SetSuffixTag(const QString& Value) { FSuffixTag = Value; }
    const QString& Summary() const { return FSummary; }
    void SetSummary(const QString& Value) { FSummary = Value; }
    const QString& TableStyle() const { return FTableStyle; }
    void SetTableStyle(const QString& Value) { FTableStyle = Value; }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { FWidth = Value; }
    bool XHTML() const { return FXHTML; }
    void SetXHTML(bool Value) { FXHTML = Value; }
    TIntList* ColWidths() const { return FColWidths.get(); }

private:
    bool FAutoPreview = false;
    bool FConvertSpecialChars = false;
    bool FNonBreakingText = false;
    bool FSaveColor = true;
    bool FSaveFonts = true;
    QString FFooterFile;
    QString FHeaderFile;
    int FBorderSize = 1;
    int FCellSpacing = 0;
    int FCellPadding = 0;
    QString FTableStyle;
    QString FPrefixTag;
    QString FSuffixTag;
    QString FSummary;
    int FWidth = 100;
    std::unique_ptr<TIntList> FColWidths;
    bool FXHTML = false;
    bool FExportImages = true;
};

// Options of printing and the print preview.
class TPrintSettings : public TPersistent {
public:
    explicit TPrintSettings(IGridSettingsOwner* AOwner);
    ~TPrintSettings() override;

    // Note: raises EInvalidCast, changing nothing, for a source that is
    // not a TPrintSettings. FixedCellsAlways is not copied; fonts and
    // title lines are copied, not shared.
    void Assign(TPersistent* Source) override;

    // Margins
    int FooterSize() const { return FFooterSize; }
    void SetFooterSize(int Value) { FFooterSize = Value; }
    int HeaderSize() const { return FHeaderSize; }
    void SetHeaderSize(int Value) { FHeaderSize = Value; }
    int LeftSize() const { return FLeftSize; }
    void SetLeftSize(int Value) { FLeftSize = Value; }
    int RightSize() const { return FRightSize; }
    void SetRightSize(int Value) { FRightSize = Value; }
    int ColumnSpacing() const { return FColumnSpacing; }
    void SetColumnSpacing(int Value) { FColumnSpacing = Value; }
    int RowSpacing() const { return FRowSpacing; }
    void SetRowSpacing(int Value) { FRowSpacing = Value; }
    int TitleSpacing() const { return FTitleSpacing; }
    void SetTitleSpacing(int Value) { FTitleSpacing = Value; }

    // Page furniture
    TPrintPosition Time() const { return FTime; }
    void SetTime(TPrintPosition Value) { FTime = Value; }
    TPrintPosition Date() const { return FDate; }
    void SetDate(TPrintPosition Value) { FDate = Value; }
    TPrintPosition PageNr() const { return FPageNr; }
    void SetPageNr(TPrintPosition Value) { FPageNr = Value; }
    TPrintPosition Title() const { return FTitle; }
    void SetTitle(TPrintPosition Value) { FTitle = Value; }
    const QString& DateFormat() const { return FDateFormat; }
    void SetDateFormat(const QString& Value) { FDateFormat = Value; }
    const QString& PageNumSep() const { return FPageNumSep; }
    void SetPageNumSep(const QString& Value) { FPageNumSep = Value; }
    const QString& PagePrefix() const { return FPagePrefix; }
    void SetPagePrefix(const QString& Value) { FPagePrefix = Value; }
    const QString& PageSuffix() const { return FPageSuffix; }
    void SetPageSuffix(const QString& Value) { FPageSuffix = Value; }
    const QString& TitleText() const { return FTitleText; }
    void SetTitleText(const QString& Value) { FTitleText = Value; }
    TStringList* TitleLines() const { return FTitleLines.get(); }
    // Copies the lines.
    void SetTitleLines(TStrings* Value);
    int PageNumberOffset() const { return FPageNumberOffset; }
    void SetPageNumberOffset(int Value) { FPageNumberOffset = Value; }
    int MaxPagesOffset() const { return FMaxPagesOffset; }
    void SetMaxPagesOffset(int Value) { FMaxPagesOffset = Value; }
    const QString& JobName() const { return FJobName; }
    void SetJobName(const QString& Value) { FJobName = Value; }

    // Fonts (the setters copy the font)
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    TFont* FixedFont() const { return FFixedFont.get(); }
    void SetFixedFont(TFont* Value);
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    void SetHeaderFont(TFont* Value);
    TFont* FooterFont() const { return FFooterFont.get(); }
    void SetFooterFont(TFont* Value);
    // Cells are printed in the grid's own fonts.
    bool UseDisplayFont() const { return FUseDisplayFont; }
    void SetUseDisplayFont(bool Value) { FUseDisplayFont = Value; }

    // Layout
    TPrintBorders Borders() const { return FBorders; }
    void SetBorders(TPrintBorders Value) { FBorders = Value; }
    TPenStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TPenStyle Value) { FBorderStyle = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    bool Centered() const { return FCentered; }
    void SetCentered(bool Value) { FCentered = Value; }
    bool RepeatFixedRows() const { return FRepeatFixedRows; }
    void SetRepeatFixedRows(bool Value) { FRepeatFixedRows = Value; }
    bool RepeatFixedCols() const { return FRepeatFixedCols; }
    void SetRepeatFixedCols(bool Value) { FRepeatFixedCols = Value; }
    TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TPrinterOrientation Value) { FOrientation = Value; }
    bool UseDefaultOrientation() const { return FUseDefaultOrientation; }
    void SetUseDefaultOrientation(bool Value) { FUseDefaultOrientation = Value; }
    int FixedWidth() const { return FFixedWidth; }
    void SetFixedWidth(int Value) { FFixedWidth = Value; }
    int FixedHeight() const { return FFixedHeight; }
    void SetFixedHeight(int Value) { FFixedHeight = Value; }
    bool UseFixedWidth() const { return FUseFixedWidth; }
    void SetUseFixedWidth(bool Value) { FUseFixedWidth = Value; }
    bool UseFixedHeight() const { return FUseFixedHeight; }
    void SetUseFixedHeight(bool Value) { FUseFixedHeight = Value; }
    TFitToPage FitToPage() const { return FFitToPage; }
    void SetFitToPage(TFitToPage Value) { FFitToPage = Value; }
    bool NoAutoSize() const { return FNoAutoSize; }
    void SetNoAutoSize(bool Value) { FNoAutoSize = Value; }
    bool NoAutoSizeRow() const { return FNoAutoSizeRow; }
    void SetNoAutoSizeRow(bool Value) { FNoAutoSizeRow = Value; }
    bool PrintGraphics() const { return FPrintGraphics; }
    void SetPrintGraphics(bool Value) { FPrintGraphics = Value; }
    bool FixedCellsAlways() const { return FFixedCellsAlways; }
    void SetFixedCellsAlways(bool Value) { FFixedCellsAlways = Value; }

private:
    IGridSettingsOwner* FGrid;
    TPrintPosition FTime = ppNone;
    TPrintPosition FDate = ppNone;
    TPrintPosition FPageNr = ppNone;
    QString FPageNumSep;
    QString FDateFormat;
    TPrintPosition FTitle = ppNone;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TFont> FFooterFont;
    TPrintBorders FBorders = pbSingle;
    TPenStyle FBorderStyle = psSolid;
    QString FTitleText;
    std::unique_ptr<TStringList> FTitleLines;
    bool FCentered = true;
    bool FRepeatFixedRows = false;
    bool FRepeatFixedCols = false;
    int FFooterSize = 0;
    int FHeaderSize = 0;
    int FLeftSize = 0;
    int FRightSize = 0;
    int FColumnSpacing = 0;
    int FRowSpacing = 0;
    int FTitleSpacing = 0;
    TPrinterOrientation FOrientation{}; // poPortrait
    QString FPagePrefix;
    QString FPageSuffix;
    int FFixedHeight = 0;
    bool FUseFixedHeight = false;
    int FFixedWidth = 0;
    bool FUseFixedWidth = false;
    TFitToPage FFitToPage = fpNever;
    bool FNoAutoSize = false;
    bool FPrintGraphics = false;
    QString FJobName;
    bool FNoAutoSizeRow = false;
    int FPageNumberOffset = 0;
    int FMaxPagesOffset = 0;
    std::unique_ptr<TFont> FFixedFont;
    bool FUseDisplayFont = true;
    bool FUseDefaultOrientation = false;
    bool FFixedCellsAlways = false;
    TColor FBorderColor = clBlack;
};
