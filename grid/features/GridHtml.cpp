// The HTML export: the cells as one table with a CSS class per cell look.
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridFileText.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/StringUtils.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Shell.h"
#include "grid/core/CellGraphic.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Jpeg.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/SysUtils.h"
#include <QFileInfo>

using namespace GridFiles;

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString Quoted(const QString& S) { return u'"' + S + u'"'; }

QString Linked(const QString& S, bool Full)
{
    QString result = S;
    for (const QString& mark : {QStringLiteral("://"), QStringLiteral("mailto:")}) {
        const qsizetype k = S.indexOf(mark);
        if (k >= 0)
            result = QStringLiteral("<a href=") + S + u'>' + (Full ? S : S.mid(k + mark.size()).left(255)) +
                     QStringLiteral("</a>");
    }
    return result;
}

// Text for a 7-bit file: every other character as a numeric reference.
QString AsciiWithReferences(const QString& S)
{
    QString out;
    out.reserve(S.size());
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        if (c.unicode() < 0x80) {
            out += c;
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < S.size() && S[i + 1].isLowSurrogate())
            code = QChar::surrogateToUcs4(c, S[++i]);
        out += QStringLiteral("&#%1;").arg(uint(code));
    }
    return out;
}

} // namespace

struct TProStringGrid::THtmlExportImages {
    // Folder of exported images, with a trailing "/", or empty.
    QString Dir;
    int Counter = 0;
};

struct TProStringGrid::THtmlExport {
    THtmlExportImages Images;
    int FirstCol = 0;
    bool HeaderRow = false;
    // Distinct style texts in order of first use; a class is "c" + index.
    QStringList Styles;
};

namespace {

// Writes G as the next exported image and answers its tag.
QString ImageTag(const QString& Dir, int& Counter, TGraphic* G)
{
    const QString folder = Dir + QStringLiteral("images");
    if (!DirectoryExists(folder) && !ForceDirectories(folder))
        throw Exception(QStringLiteral("Cannot create ") + folder);
    const QString name = folder + QStringLiteral("/img%1.jpg").arg(Counter++);
    if (auto* jpeg = dynamic_cast<TJPEGImage*>(G)) {
        WriteFileAtomic(name, jpeg->SaveToBytes());
    } else {
        TBitmap bmp;
        bmp.SetSize(std::max(1, G->Width()), std::max(1, G->Height()));
        G->Draw(bmp.Canvas(), TRect{0, 0, bmp.Width(), bmp.Height()});
        TJPEGImage out;
        out.Assign(&bmp);
        WriteFileAtomic(name, out.SaveToBytes());
    }
    return QStringLiteral("<img src= \"file://") + name + QStringLiteral("\">");
}

} // namespace

QString TProStringGrid::HtmlCellContent(THtmlExport& Export, int ARealCol, int ARow, const QString& Text)
{
    TCellGraphic* g = FHTMLSettings->ExportImages() ? GetCellGraphic(ARealCol, ARow) : nullptr;
    if (!g)
        return Text;
    const auto tag = [&](TGraphic* G) { return ImageTag(Export.Images.Dir, Export.Images.Counter, G); };
    switch (g->CellType()) {
    case ctBitmap:
        if (auto* bmp = dynamic_cast<TBitmap*>(g->CellBitmap()))
            return Text + tag(bmp);
        break;
    case ctImageList:
    case ctDataImage: {
        TCustomImageList* list = GetCellImageList(ARealCol, ARow);
        int idx = g->CellIndex();
        if (g->CellType() == ctDataImage && !TryStrToInt(GetGridCell(ARealCol, ARow), idx))
            break;
        if (!list || idx < 0 || idx >= list->Count())
            break;
        TBitmap bmp;
        list->GetBitmap(idx, &bmp);
        return g->CellType() == ctDataImage ? tag(&bmp) : tag(&bmp) + Text;
    }
    case ctNode:
        return u'+' + Text;
    case ctImages: {
        TCustomImageList* list = GetCellImageList(ARealCol, ARow);
        QString tags;
        if (TIntList* il = g->IntList(); il && list)
            for (int i = 0; i < il->Count(); ++i)
                if (il->Items(i) >= 0 && il->Items(i) < list->Count()) {
                    TBitmap bmp;
                    list->GetBitmap(il->Items(i), &bmp);
                    tags += tag(&bmp);
                }
        return tags + Text;
    }
    case ctPicture:
    case ctInterface:
        if (auto* pic = dynamic_cast<TPicture*>(g->CellBitmap()); pic && pic->Graphic())
            return Text + tag(pic->Graphic());
        break;
    default:
        break;
    }
    return Text;
}

// The style text of a cell: colours (with SaveColor), font, alignment.
QString TProStringGrid::HtmlCellStyle(int ACol, int ARow, int ARealCol, bool Fixed)
{
    TBrush brush;
    brush.SetColor(Fixed ? FixedColor() : clNone);
    TFont font;
    font.Assign(Font());
    GetCellColor(ARealCol, ARow, TGridDrawState{}, &brush, &font);
    TAlignment ha = EffectiveAlignment(ARealCol, ARow);
    TVAlignment va = HasCellProperties(ARealCol, ARow) ? GetGridCellProps(ARealCol, ARow)->VAlignment() : FVAlignment;
    TAlignment dummy = ha;
    GetCellAlignment(ARealCol, ARow, dummy, va);
    QStringList parts;
    if (FHTMLSettings->SaveColor() && brush.Color() != clNone)
        parts << QStringLiteral("background-color: #") + ColorToHTMLHex(ColorToRGB(brush.Color()));
    if (FHTMLSettings->SaveColor() && font.Color() != clNone)
        parts << QStringLiteral("color: #") + ColorToHTMLHex(ColorToRGB(font.Color()));
    parts << QStringLiteral("font-size:%1pt").arg(font.Size());
    if (font.Style().Contains(fsItalic))
        parts << QStringLiteral("font-style: italic");
    if (font.Style().Contains(fsBold))
        parts << QStringLiteral("font-weight: bold");
    parts << QStringLiteral("font-family: ") + font.Name();
    if (ha == taRightJustify)
        parts << QStringLiteral("text-align: right");
    else if (ha == taCenter)
        parts << QStringLiteral("text-align: center");
    parts << (va == vtaTop      ? QStringLiteral("vertical-align: top")
              : va == vtaCenter ? QStringLiteral("vertical-align: middle")
                                : QStringLiteral("vertical-align: bottom"));
    return parts.join(u';');
}

QString TProStringGrid::HtmlCell(THtmlExport& Export, int ACol, int ARow, bool Header)
{
    const int rc = DisplToRealCol(ACol);
    QString attrs;
    const TPoint span = CellSpan(rc, ARow);
    if (span.X > 0)
        attrs += QStringLiteral(" COLSPAN=") + Quoted(QString::number(span.X + 1));
    if (span.Y > 0)
        attrs += QStringLiteral(" ROWSPAN=") + Quoted(QString::number(span.Y + 1));

    QString text;
    SaveCell(rc, ARow, text);
    if (!Header) {
        if (FHTMLSettings->ConvertSpecialChars())
            text = EscapeHTML(text, true);
        if (FHTMLSettings->NonBreakingText())
            text = SpacesToNbsp(text);
    }
    text = CRToHTMLBreak(text);
    if (FURLShow && !text.contains(QLatin1String("</")))
        text = Linked(text, FURLFull);
    if (text.trimmed().isEmpty())
        text = QStringLiteral("&nbsp;");

    bool ww = HasCellProperties(rc, ARow) ? GetGridCellProps(rc, ARow)->WordWrap() : FWordWrap;
    GetWordWrapEx(rc, ARow, ww);
    if (!ww)
        attrs += QStringLiteral(" nowrap");
    TIntList* widths = FHTMLSettings->ColWidths();
    if (Header && ACol < widths->Count())
        attrs += QStringLiteral(" WIDTH=") + QString::number(widths->Items(ACol));
    else if (!Header && !Export.HeaderRow && ACol - Export.FirstCol < widths->Count())
        attrs += QStringLiteral(" width=") + QString::number(widths->Items(ACol - Export.FirstCol));

    const QString style = HtmlCellStyle(ACol, ARow, rc, Header || ACol < FixedCols() || ARow < FixedRows());
    qsizetype cls = Export.Styles.indexOf(style);
    if (cls < 0) {
        cls = Export.Styles.size();
        Export.Styles << style;
    }
    return QStringLiteral("<TD class=\"c%1\"").arg(cls) + attrs + u'>' + HtmlCellContent(Export, rc, ARow, text) +
           QStringLiteral("</td>");
}

QString TProStringGrid::SaveToHTMLString(const QString& dir)
{
    THtmlExport ex;
    ex.Images.Dir = dir;
    ex.FirstCol = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    int r0 = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
    const THTMLSettings* hs = FHTMLSettings.get();

    QString prefix;
    if (hs->XHTML())
        prefix = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
                                "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
                                "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
                                "<HTML xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n");
    if (!hs->PrefixTag().isEmpty())
        prefix += hs->PrefixTag() + CRLF;

    QStringList lines;
    QString table = QStringLiteral("<TABLE BORDER=%1 CELLSPACING=%2 CELLPADDING=%3 ")
                        .arg(Quoted(QString::number(hs->BorderSize())), Quoted(QString::number(hs->CellSpacing())),
                             Quoted(QString::number(hs->CellPadding())));
    if (!hs->Summary().isEmpty())
        table += QStringLiteral("SUMMARY=") + Quoted(hs->Summary()) + u' ';
    if (!hs->TableStyle().isEmpty())
        table += u' ' + hs->TableStyle() + u' ';
    table += QStringLiteral(" WIDTH=") + Quoted(QString::number(hs->Width()) + u'%') + u'>';
    lines << table;

    ex.Images.Counter = 0;
    if (FixedRows() > 0 && (FSaveFixedCells || FSaveFixedRows)) {
        ex.HeaderRow = true;
        QString row = QStringLiteral("<TR>");
        for (int c = ex.FirstCol; c < ColCount(); ++c)
            if (IsBaseCell(DisplToRealCol(c), 0))
                row += HtmlCell(ex, c, 0, true);
        lines << row + QStringLiteral("</TR>");
        r0 = 1;
    }
    ExportNotification(esExportStart, r0);
    ex.Images.Counter = 1;
    for (int r = r0; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString row = QStringLiteral("<TR>");
        for (int c = ex.FirstCol; c < ColCount(); ++c)
            if (IsBaseCell(DisplToRealCol(c), r))
                row += HtmlCell(ex, c, r, false);
        lines << row + QStringLiteral("</TR>");
    }
    ExportNotification(esExportDone, -1);
    lines << QStringLiteral("</TABLE>");
    if (!hs->SuffixTag().isEmpty())
        lines << hs->SuffixTag();
    if (hs->XHTML())
        lines << QStringLiteral("</HTML>");

    QString out = prefix + QStringLiteral("<style>") + CRLF;
    for (int i = 0; i < ex.Styles.size(); ++i)
        out += QStringLiteral(".c%1 {").arg(i) + ex.Styles[i] + u'}' + CRLF;
    out += QStringLiteral("</style>") + CRLF;
    for (const QString& l : lines)
        out += l + CRLF;
    return out;
}

void TProStringGrid::WriteHtml(const QString& FileName, bool Show, bool Unicode, bool Append)
{
    QString out;
    if (Append) {
        // An old file that cannot be read is left out.
        try {
            out = DecodeBomOrAnsi(ReadFileBytes(FileName));
            if (!out.isEmpty() && !out.endsWith(u'\n'))
                out += CRLF;
        } catch (const Exception&) {
            out.clear();
        }
    }
    const auto addFile = [&](const QString& Name) {
        if (Name.isEmpty())
            return;
        // The reader looks into the text, which must outlive it.
        const QString text = DecodeBomOrAnsi(ReadFileBytes(Name));
        TLineReader reader(text);
        QStringView line;
        while (reader.Next(line))
            out += line.toString() + CRLF;
    };
    addFile(FHTMLSettings->HeaderFile());
    QString dir = QFileInfo(FileName).absolutePath();
    dir.replace(u'\\', u'/');
    if (!dir.endsWith(u'/'))
        dir += u'/';
    out += SaveToHTMLString(dir);
    addFile(FHTMLSettings->FooterFile());
    if (Unicode)
        WriteText(FileName, out, TFileEncoding::Utf16Bom);
    else
        WriteText(FileName, AsciiWithReferences(out), TFileEncoding::Ansi);
    if (Show || FHTMLSettings->AutoPreview())
        ShellOpen(FileName);
}

void TProStringGrid::SaveToHTML(const QString& FileName, bool Show, bool Unicode)
{
    WriteHtml(FileName, Show, Unicode, false);
}

void TProStringGrid::AppendToHTML(const QString& FileName, bool Show, bool Unicode)
{
    WriteHtml(FileName, Show, Unicode, true);
}
