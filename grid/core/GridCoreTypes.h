#pragma once
// The string grid's enumerations and sets. Ordinals are positions in the
// lists (first = 0); they are stored with the grid's settings.
#include "platform/rtl/Set.h"

// Settings objects
enum TNodeType { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };
enum TColumnSizeLocation { clRegistry, clIniFile };
// Which rows automatic column sizing measures.
enum TAutoSizeRows { arAll, arNormal, arFixed };
enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders {
    pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical, pbAroundHorizontal,
    pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

// Look objects
// The look of cell controls. Note: the framework's TControlStyle (control
// style flags) owns the global name; this one lives in ProGrid and its
// values are global.
namespace ProGrid {
enum TControlStyle { csClassic, csFlat, csWinXP, csBorland, csQLX, csGlyph, csTheme };
}
using enum ProGrid::TControlStyle;
enum TBackGroundDisplay { bdTile, bdFixed, bdGradientHorz, bdGradientVert };
enum TBackGroundCells { bcNormal, bcFixed, bcAll };
enum TProgressStyle { psXP, psClassic };

// Sorting, filtering and searching
enum TSortDirection { sdAscending, sdDescending };
enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };
enum TFilterDropDownColumns { fdNormal, fdAll };
enum TSearchAction { saFindFirst, saFindPrevious, saFindNext };
// What Find looks for and where; the ordinal is the bit in the set.
enum TFindParameters {
    fnMatchCase, fnMatchFull, fnMatchRegular, fnDirectionLeftRight, fnMatchStart, fnFindInCurrentRow,
    fnFindInCurrentCol, fnIncludeFixed, fnAutoGoto, fnIgnoreHTMLTags, fnBackward, fnIncludeHiddenColumns,
    fnFindInPresetCol, fnFindInPresetRow, fnSelectedCells, fnIncludeHiddenRows
};
using TFindParams = Set<TFindParameters>;

// Dragging
enum TDragScrollDirection { dsdUp, dsdDown, dsdLeft, dsdRight };
using TDragScrollDirections = Set<TDragScrollDirection>;

// Footer
enum TFooterStyle { fsFixedLastRow, fsColumnPreview, fsCustomPreview, fsCustomPaint };

// Steps that exporters and importers report.
enum TGridExportState { esExportStart, esExportNewRow, esExportDone, esExportSelRow, esExportFail, esExportNextRow };
enum TGridImportState { isImportStart, isImportNewRow, isImportDone, isImportSelRow };
// The last clipboard operation.
enum TClipOperation { coCut, coCopy };

// Grid properties
enum TGridLook { glStandard, glSoft, glClassic, glQLX, glXP, glListView, glVista, glWin7, glOffice2007, glCustom };
enum TProGridStyle {
    gsOffice2003Blue, gsOffice2003Silver, gsOffice2003Olive, gsOffice2003Classic, gsOffice2007Luna,
    gsOffice2007Obsidian, gsWindowsXP, gsWhidbey, gsCustom, gsOffice2007Silver, gsWindowsVista, gsWindows7,
    gsTerminal, gsOffice2010Blue, gsOffice2010Silver, gsOffice2010Black
};
// Colour schemes of SetTheme.
enum TXPColorScheme { xpBlue, xpGreen, xpGray, vistaAero, xpNone };
enum THintShowLargeTextPos { hpCell, hpCursor };
enum THoverFixedCells { hfNone, hfAll, hfFixedRows, hfFixedColumns };
enum TScrollBarAlways { saNone, saVert, saHorz, saBoth };
enum TScrollType { ssNormal, ssFlat, ssEncarta, ssMetro };
enum TScrollHintType { shNone, shVertical, shHorizontal, shBoth };
enum TIntelliPan { ipVertical, ipHorizontal, ipBoth, ipNone };
// Balloon icon codes 0 to 3.
enum TInvalidEntryIcon { ieNone, ieInfo, ieWarning, ieError };
enum TMouseSelectMode { msNormal, msColumn, msRow, msAll, msURL, msResize };
