// Arbitrary clipboard contents pasted into the grid: the private cell
// block ("TProStringGrid Cells"), the rich-text block and text, pasted at
// the current cell and into a selection, with the options the first byte
// picks. A damaged cell block raises EReadError; nothing else may escape.
#include "FuzzBlocks.h"
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/GridDragDrop.h"
#include "grid/foundation/Navigation.h"
#include "platform/rtl/Exceptions.h"
#include "platform/services/Clipboard.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const TFuzzBlocks in = SplitFuzzBlocks(Data, Size);
    TClipboard* cb = Clipboard();
    cb->Open();
    cb->Clear();
    if (!in.Block(0).isEmpty())
        cb->SetAsHandle(CF_GridCellsFormat(), in.Block(0));
    if (!in.Block(1).isEmpty())
        cb->SetAsHandle(CF_RTFFormat(), in.Block(1));
    if (!in.Block(2).isEmpty())
        cb->SetAsText(QString::fromUtf8(in.Block(2)));
    cb->Close();

    const unsigned o = in.Options;
    TProStringGrid grid;
    grid.SetColCount(5);
    grid.SetRowCount(6);
    grid.SetOptions(grid.Options() + goEditing);
    grid.SetCells(2, 2, "12");
    TNavigation* nav = grid.Navigation();
    nav->SetAllowFmtClipboard(o & 1);
    nav->SetAllowRTFClipboard(o & 2);
    nav->SetAllowSmartClipboard(o & 4);
    nav->SetAllowClipboardRowGrow(o & 8);
    nav->SetAllowClipboardColGrow(o & 16);
    nav->SetAllowClipboardAlways(o & 32);
    nav->SetClipboardPasteAction(o & 64 ? paInsert : paReplace);
    grid.SetExcelClipboardFormat(o & 128);
    try {
        grid.SetRow(2);
        grid.SetCol(1);
        grid.PasteFromClipboard();
    } catch (const EReadError&) {
    }
    try {
        grid.SetSelection(TGridRect{1, 1, 3, 4});
        grid.PasteSelectionFromClipboard();
    } catch (const EReadError&) {
    }
    return 0;
}
