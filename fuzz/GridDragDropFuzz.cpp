// Arbitrary drag data dropped on the grid: the cell block, a column
// index, rich text, text, a URL and dropped files (file names, also read
// as a file list record, or one CSV file with the input's bytes), with the
// settings and the key state the first byte picks. The drop target enters,
// moves and drops; only the platform's errors may escape, as the drop
// guard shows them.
#include "FuzzBlocks.h"
#include "FuzzFile.h"
#include "GridFuzzApp.h"
#include "grid/core/DragSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/GridDragDrop.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/services/DragDrop.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const TFuzzBlocks in = SplitFuzzBlocks(Data, Size);
    const unsigned o = in.Options;

    TDataObject data;
    if (!in.Block(0).isEmpty())
        data.SetData(CF_GridCellsFormat(), in.Block(0));
    if (!in.Block(1).isEmpty())
        data.SetData(CF_GridColFormat(), in.Block(1));
    if (!in.Block(2).isEmpty())
        data.SetData(CF_RTFFormat(), in.Block(2));
    if (!in.Block(3).isEmpty())
        data.SetText(QString::fromUtf8(in.Block(3)));
    if (!in.Block(4).isEmpty())
        data.SetData(CF_URLFormat(), in.Block(4));
    const QString csv = FuzzFilePath(QStringLiteral("drop.csv"));
    if (!in.Block(5).isEmpty()) {
        if (o & 128) {
            // File names as lines, and as the file list record of a drop.
            data.SetData(CF_HDROP, in.Block(5));
            QStringList names;
            ParseDropFiles(in.Block(5), names);
        } else {
            data.SetFiles({WriteFuzzFile(QStringLiteral("drop.csv"), in.Block(5))});
        }
    }

    TForm form(nullptr);
    form.SetBounds(0, 0, 420, 260);
    auto* grid = new TProStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 400, 240);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetCells(1, 1, "keep");
    form.Show();
    TDragDropSettings* dd = grid->DragDropSettings();
    dd->SetOleDropTarget(true);
    dd->SetOleInsertRows(o & 1);
    dd->SetOleAppendRows(o & 2);
    dd->SetOleColumnDragDrop(o & 4);
    dd->SetOleColumnReorder(o & 8);
    dd->SetOleDropRTF(o & 16);
    EnableRTFDrop(o & 16);
    grid->UpdateOleDropTarget();
    // Only the file the input made is read; other names stay unread.
    grid->OnOleDropFile = [&](TObject*, int, int, const QString& Name, bool& Allow) { Allow = Name == csv; };

    TSGDropTarget* target = grid->GridDropTarget();
    const TRect cell = grid->CellRect(1 + (o >> 5 & 1), (o >> 6 & 1));
    const TPoint pt = grid->ClientToScreen(TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
    const int keys = o & 32 ? MK_CONTROL : 0;
    unsigned effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    try {
        target->DragEnter(data, keys, pt, effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->DragOver(keys, pt, effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->Drop(data, keys, pt, effect);
    } catch (const Exception&) {
    }
    EnableRTFDrop(false);
    return 0;
}
