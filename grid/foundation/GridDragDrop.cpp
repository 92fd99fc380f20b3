#include "grid/foundation/GridDragDrop.h"
#include "platform/controls/Messages.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Clipboard.h"

namespace {

bool gRTFDrop = false;

quint32 ReadU32(const QByteArray& B, qsizetype At)
{
    return quint32(uchar(B[At])) | quint32(uchar(B[At + 1])) << 8 | quint32(uchar(B[At + 2])) << 16 |
           quint32(uchar(B[At + 3])) << 24;
}

void AppendU32(QByteArray& B, quint32 V)
{
    for (int i = 0; i < 4; ++i)
        B += char((V >> (8 * i)) & 0xFF);
}

QByteArray Utf16Le(const QString& S)
{
    QByteArray b;
    b.reserve(S.size() * 2);
    for (QChar c : S) {
        b += char(c.unicode() & 0xFF);
        b += char(c.unicode() >> 8);
    }
    return b;
}

// UTF-16 up to the first zero unit or the block's end.
QString FromUtf16Le(const QByteArray& B)
{
    QString s;
    for (qsizetype i = 0; i + 1 < B.size(); i += 2) {
        const char16_t u = char16_t(uchar(B[i]) | uchar(B[i + 1]) << 8);
        if (u == 0)
            break;
        s += QChar(u);
    }
    return s;
}

// 8-bit text up to the first zero or the block's end.
QByteArray UpToZero(const QByteArray& B)
{
    const qsizetype end = B.indexOf('\0');
    return end < 0 ? B : B.left(end);
}

// A cell block whose stream fits in it; false otherwise.
bool CellBlockValid(const QByteArray& B, quint32& Size)
{
    if (B.size() < 8)
        return false;
    Size = ReadU32(B, 0);
    return quint64(Size) <= quint64(B.size() - 8);
}

// A DROPFILES record rather than the platform's list of names.
bool IsDropFilesRecord(const QByteArray& B)
{
    return B.size() >= 20 && uchar(B[0]) >= 20 && B[1] == 0 && B[2] == 0 && B[3] == 0;
}

// Registered at start-up.
const unsigned RegisteredFormats = CF_RTFFormat() + CF_GridColFormat() + CF_GridCellsFormat() + CF_URLFormat();

} // namespace

unsigned CF_RTFFormat()
{
    static const unsigned id = RegisterClipboardFormat(QStringLiteral("Rich Text Format"));
    return id;
}

unsigned CF_GridColFormat()
{
    static const unsigned id = RegisterClipboardFormat(QStringLiteral("Grid Column"));
    return id;
}

unsigned CF_GridCellsFormat()
{
    static const unsigned id = RegisterClipboardFormat(QStringLiteral("TProStringGrid Cells"));
    return id;
}

unsigned CF_URLFormat()
{
    static const unsigned id = RegisterClipboardFormat(QStringLiteral("UniformResourceLocator"));
    return id;
}

void EnableRTFDrop(bool Value)
{
    (void)RegisteredFormats;
    gRTFDrop = Value;
}

bool RTFDropEnabled()
{
    return gRTFDrop;
}

unsigned ChooseDropEffect(int KeyState, unsigned Allowed)
{
    if (KeyState & MK_CONTROL)
        return DROPEFFECT_COPY;
    return (Allowed & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}

bool ParseDropFiles(const QByteArray& Block, QStringList& Files)
{
    Files.clear();
    if (Block.size() < 20)
        return false;
    const quint32 offset = ReadU32(Block, 0) & ~quint32(1);
    const bool wide = ReadU32(Block, 16) != 0;
    qsizetype pos = offset;
    QStringList names;
    for (;;) {
        if (pos >= Block.size())
            return false;
        QString name;
        bool terminated = false;
        if (wide) {
            for (; pos + 1 < Block.size(); pos += 2) {
                const char16_t u = char16_t(uchar(Block[pos]) | uchar(Block[pos + 1]) << 8);
                if (u == 0) {
                    terminated = true;
                    pos += 2;
                    break;
                }
                name += QChar(u);
            }
        } else {
            const qsizetype end = Block.indexOf('\0', pos);
            if (end >= 0) {
                name = AnsiToUtf16(Block.mid(pos, end - pos));
                terminated = true;
                pos = end + 1;
            }
        }
        if (!terminated)
            return false;
        if (name.isEmpty())
            break;
        names << name;
    }
    Files = names;
    return true;
}

// Reader

TEnumFormats::TEnumFormats(const TDataObject* DataObject) : FFiles(std::make_unique<TStringList>())
{
    SetDataObject(DataObject);
}

TEnumFormats::~TEnumFormats() = default;

void TEnumFormats::SetDataObject(const TDataObject* Value)
{
    FDataObject = Value;
    FFormats.clear();
    if (!Value)
        return;
    for (unsigned f : {CF_TEXT, CF_UNICODETEXT, CF_HDROP, CF_RTFFormat(), CF_GridColFormat(), CF_GridCellsFormat(),
                       CF_URLFormat()})
        if (Value->HasFormat(f))
            FFormats.push_back(f);
    Reset();
}

bool TEnumFormats::Reset()
{
    FValid = false;
    FCount = 0;
    FNext = 0;
    return FDataObject != nullptr;
}

bool TEnumFormats::Next()
{
    ++FCount;
    FValid = FNext < FFormats.size();
    if (FValid) {
        FFormatEtc = TFormatEtc();
        FFormatEtc.cfFormat = FFormats[FNext++];
    }
    return FValid;
}

bool TEnumFormats::HasFormat(unsigned ClipFormat)
{
    Reset();
    while (Next())
        if (FFormatEtc.cfFormat == ClipFormat)
            return true;
    return false;
}

QByteArray TEnumFormats::Handle(int Tymed)
{
    if (!FValid || (FFormatEtc.tymed & Tymed) != Tymed)
        return QByteArray();
    return DataOf(FFormatEtc.cfFormat);
}

QByteArray TEnumFormats::DataOf(unsigned Format)
{
    return FDataObject ? FDataObject->GetData(Format) : QByteArray();
}

bool TEnumFormats::HasRTF()
{
    return HasFormat(CF_RTFFormat()) && !UpToZero(GlobalHandle()).isEmpty();
}

bool TEnumFormats::HasGridCells()
{
    quint32 size = 0;
    return HasFormat(CF_GridCellsFormat()) && CellBlockValid(GlobalHandle(), size);
}

QString TEnumFormats::Text()
{
    return HasFormat(CF_UNICODETEXT) ? FromUtf16Le(GlobalHandle()) : QString();
}

QString TEnumFormats::RTF()
{
    return HasFormat(CF_RTFFormat()) ? AnsiToUtf16(UpToZero(GlobalHandle())) : QString();
}

int TEnumFormats::Col()
{
    if (!HasFormat(CF_GridColFormat()))
        return -1;
    const QByteArray b = GlobalHandle();
    return b.size() >= 4 ? int(qint32(ReadU32(b, 0))) : -1;
}

TMemoryStream* TEnumFormats::Stream()
{
    if (!HasFormat(CF_GridCellsFormat()))
        return nullptr;
    const QByteArray b = GlobalHandle();
    quint32 size = 0;
    if (!CellBlockValid(b, size))
        return nullptr;
    auto* ms = new TMemoryStream;
    ms->Write(b.constData() + 8, size);
    ms->Seek(0, soFromBeginning);
    return ms;
}

bool TEnumFormats::Files()
{
    FFiles->Clear();
    if (!FValid || FFormatEtc.cfFormat != CF_HDROP)
        return false;
    const QByteArray b = GlobalHandle();
    QStringList names;
    if (IsDropFilesRecord(b))
        ParseDropFiles(b, names);
    else
        names = FDataObject->Files();
    for (const QString& n : names)
        FFiles->Add(n);
    return FFiles->Count() > 0;
}

// Drop target

TSGDropTarget::TSGDropTarget() = default;

void TSGDropTarget::DragEnter(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect)
{
    (void)Pt;
    TEnumFormats f(&Data);
    const bool text = f.HasText();
    const bool file = f.HasFile();
    const bool rtf = f.HasRTF();
    const bool col = f.HasCol();
    const bool url = f.HasURL();
    const bool cells = f.HasGridCells();
    FOk = (text && FAcceptText) || (file && FAcceptFiles) || (rtf && gRTFDrop && FAcceptText) ||
          (col && FAcceptCols) || (url && FAcceptURLs) || cells;
    FDropFormats = {};
    if (text)
        FDropFormats += dfText;
    if (file)
        FDropFormats += dfFile;
    if (col)
        FDropFormats += dfCol;
    if (rtf)
        FDropFormats += dfRTF;
    if (url)
        FDropFormats += dfURL;
    if (cells)
        FDropFormats += dfGridCells;
    Effect = FOk ? ChooseDropEffect(KeyState, Effect) : DROPEFFECT_NONE;
    DragMouseEnter();
}

void TSGDropTarget::DragOver(int KeyState, TPoint Pt, unsigned& Effect)
{
    Effect = FOk ? ChooseDropEffect(KeyState, Effect) : DROPEFFECT_NONE;
    bool allow = Effect != DROPEFFECT_NONE;
    DragMouseMove(Pt, allow, FDropFormats);
    if (!allow)
        Effect = DROPEFFECT_NONE;
}

void TSGDropTarget::DragLeave()
{
    DragMouseLeave();
}

void TSGDropTarget::Drop(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect)
{
    if (!FOk) {
        Effect = DROPEFFECT_NONE;
        return;
    }
    TEnumFormats f(&Data);
    if (f.HasCol()) {
        DropCol(Pt, f.Col());
    } else {
        if (f.HasGridCells())
            DropStream(Pt, f.Stream());
        else if (gRTFDrop && f.HasRTF())
            DropRTF(Pt, f.RTF());
        else if (f.HasText())
            DropText(Pt, f.Text());
        if (f.HasFile() && f.Files())
            DropFiles(Pt, f.FileList());
        if (f.HasURL())
            DropURL(Pt, f.Text());
    }
    Effect = ChooseDropEffect(KeyState, Effect);
}

void TSGDropTarget::DropText(TPoint, const QString&) {}
void TSGDropTarget::DropStream(TPoint, TMemoryStream* ms) { delete ms; }
void TSGDropTarget::DropCol(TPoint, int) {}
void TSGDropTarget::DropRTF(TPoint, const QString&) {}
void TSGDropTarget::DropFiles(TPoint, TStrings*) {}
void TSGDropTarget::DropURL(TPoint, const QString&) {}
void TSGDropTarget::DragMouseMove(TPoint, bool&, TDropFormats) {}
void TSGDropTarget::DragMouseEnter() {}
void TSGDropTarget::DragMouseLeave() {}

// Drop source

HRESULT TSGDropSource::QueryContinueDrag(bool EscapePressed, int KeyState)
{
    HRESULT result = S_OK;
    if (EscapePressed) {
        DragFinished();
        result = DRAGDROP_S_CANCEL;
    } else if (!(KeyState & MK_LBUTTON)) {
        DragFinished();
        result = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return result;
}

HRESULT TSGDropSource::GiveFeedback(unsigned Effect)
{
    FNoAccept = Effect == DROPEFFECT_NONE;
    CurrentEffect(Effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

// Format list

unsigned TSourceEnumFormatEtc::FormatAt(int Index) const
{
    switch (Index) {
    case 0: return CF_TEXT;
    case 1: return CF_UNICODETEXT;
    case 2: return CF_RTFFormat();
    case 3: return FHasCol ? CF_GridColFormat() : CF_GridCellsFormat();
    default: return CF_GridCellsFormat();
    }
}

HRESULT TSourceEnumFormatEtc::Next(int CountRequested, std::vector<TFormatEtc>& FormatEtcArray, int* PCountFetched)
{
    FormatEtcArray.clear();
    while (int(FormatEtcArray.size()) < CountRequested && FIndex < Count()) {
        TFormatEtc f;
        f.cfFormat = FormatAt(FIndex++);
        FormatEtcArray.push_back(f);
    }
    if (PCountFetched)
        *PCountFetched = int(FormatEtcArray.size());
    return int(FormatEtcArray.size()) == CountRequested ? S_OK : S_FALSE;
}

HRESULT TSourceEnumFormatEtc::Skip(int Count)
{
    FIndex += Count;
    if (FIndex > this->Count()) {
        FIndex = this->Count();
        return S_FALSE;
    }
    return S_OK;
}

HRESULT TSourceEnumFormatEtc::Reset()
{
    FIndex = 0;
    return S_OK;
}

std::unique_ptr<TSourceEnumFormatEtc> TSourceEnumFormatEtc::Clone() const
{
    auto e = std::make_unique<TSourceEnumFormatEtc>(FHasCol, FHasGridCells);
    e->FIndex = FIndex;
    return e;
}

// Data object

TSourceDataObject::TSourceDataObject(const QString& stxt, const QString& srtf, int sidx, TMemoryStream* ms)
    : textdata(stxt), rtfdata(srtf), scolidx(sidx), memstr(ms)
{
}

HRESULT TSourceDataObject::QueryGetData(const TFormatEtc& FormatEtc) const
{
    if (FormatEtc.dwAspect != DVASPECT_CONTENT || FormatEtc.tymed != TYMED_HGLOBAL)
        return DV_E_FORMATETC;
    const unsigned f = FormatEtc.cfFormat;
    if (!textdata.isEmpty() && (f == CF_TEXT || f == CF_UNICODETEXT))
        return S_OK;
    // Rich text is offered only when there is some.
    if (f == CF_RTFFormat() && gRTFDrop && !rtfdata.isEmpty())
        return S_OK;
    if (memstr && f == CF_GridCellsFormat())
        return S_OK;
    if (scolidx != -1 && f == CF_GridColFormat())
        return S_OK;
    return DV_E_FORMATETC;
}

HRESULT TSourceDataObject::GetData(const TFormatEtc& FormatEtc, QByteArray& Medium) const
{
    Medium.clear();
    if (QueryGetData(FormatEtc) != S_OK)
        return DV_E_FORMATETC;
    const unsigned f = FormatEtc.cfFormat;
    if (f == CF_TEXT) {
        Medium = Utf16ToAnsi(textdata);
        Medium += '\0';
    } else if (f == CF_UNICODETEXT) {
        Medium = Utf16Le(textdata);
        Medium += QByteArray(2, '\0');
    } else if (f == CF_RTFFormat()) {
        Medium = Utf16ToAnsi(rtfdata);
        Medium += '\0';
    } else if (f == CF_GridColFormat()) {
        AppendU32(Medium, quint32(scolidx));
    } else if (f == CF_GridCellsFormat()) {
        const QByteArray& data = memstr->Data();
        AppendU32(Medium, quint32(data.size()));
        AppendU32(Medium, 0);
        Medium += data;
    }
    return S_OK;
}

HRESULT TSourceDataObject::EnumFormatEtc(int Direction, std::unique_ptr<TSourceEnumFormatEtc>& Enum) const
{
    Enum.reset();
    if (Direction != DATADIR_GET)
        return E_NOTIMPL;
    Enum = std::make_unique<TSourceEnumFormatEtc>(scolidx != -1, memstr != nullptr);
    return S_OK;
}

void TSourceDataObject::Fill(TDataObject& Target) const
{
    std::unique_ptr<TSourceEnumFormatEtc> e;
    EnumFormatEtc(DATADIR_GET, e);
    std::vector<TFormatEtc> formats;
    e->Next(e->Count(), formats, nullptr);
    for (const TFormatEtc& f : formats) {
        if (QueryGetData(f) != S_OK)
            continue;
        // The platform carries the text itself, without its terminator.
        if (f.cfFormat == CF_TEXT || f.cfFormat == CF_UNICODETEXT) {
            Target.SetText(textdata);
            continue;
        }
        QByteArray block;
        GetData(f, block);
        Target.SetData(f.cfFormat, block);
    }
}

// Starting a drag

namespace {

long RunDrag(TSGDropSource* DropSource, const TSourceDataObject& Source, unsigned OkEffects, unsigned& Effect)
{
    TDataObject data;
    Source.Fill(data);
    unsigned effect = DROPEFFECT_NONE;
    // While the drag goes on the source moves what it shows with the cursor.
    if (DropSource)
        SetDragQuery([DropSource] { DropSource->QueryContinueDrag(false, MK_LBUTTON); });
    const long result = DoDragDrop(data, OkEffects, &effect);
    Effect = effect;
    if (!DropSource)
        return result;
    DropSource->GiveFeedback(effect);
    DropSource->QueryContinueDrag(false, 0);
    return DropSource->NoAccept() ? DRAGDROP_S_CANCEL : result;
}

} // namespace

long StartTextDrag(TSGDropSource* DropSource, const QString& Text, const QString& RTF, TMemoryStream* Stream,
                   unsigned OkEffects, unsigned& Effect)
{
    return RunDrag(DropSource, TSourceDataObject(Text, RTF, -1, Stream), OkEffects, Effect);
}

long StartColDrag(TSGDropSource* DropSource, int Column, unsigned OkEffects, unsigned& Effect)
{
    return RunDrag(DropSource, TSourceDataObject(QString(), QString(), Column, nullptr), OkEffects, Effect);
}
