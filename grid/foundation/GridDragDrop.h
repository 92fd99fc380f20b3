#pragma once
// The grid's OLE drag and drop over the platform's drag-and-drop service:
// a reader of dropped data (TEnumFormats), a drop target that accepts or
// refuses a drag and hands dropped data to hooks (TSGDropTarget), a drop
// source (TSGDropSource), the data object the grid offers (TSourceDataObject)
// with its format list (TSourceEnumFormatEtc), and the routines that start
// a drag. Dropped blocks are read within their real size.
#include "platform/rtl/Set.h"
#include "platform/rtl/Types.h"
#include "platform/services/Clipboard.h"
#include "platform/services/DragDrop.h"
#include "platform/graphics/Themes.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TMemoryStream;
class TStrings;
class TStringList;

constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001L);
constexpr HRESULT DV_E_FORMATETC = HRESULT(0x80040064L);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = HRESULT(0x80040003L);
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = HRESULT(0x00040102L);
constexpr int DVASPECT_CONTENT = 1;
constexpr int TYMED_HGLOBAL = 1;
constexpr int DATADIR_GET = 1;

// The grid's registered formats, registered once at start-up.
unsigned CF_RTFFormat();
unsigned CF_GridColFormat();
unsigned CF_GridCellsFormat();
unsigned CF_URLFormat();

// Lets drops and the data object use "Rich Text Format" (off at start).
void EnableRTFDrop(bool Value);
bool RTFDropEnabled();

enum TDropFormat { dfText, dfFile, dfCol, dfRTF, dfURL, dfGridCells };
using TDropFormats = Set<TDropFormat>;

// One format of a data object: the format, its aspect, index and medium.
struct TFormatEtc {
    unsigned cfFormat = 0;
    int dwAspect = DVASPECT_CONTENT;
    int lindex = -1;
    int tymed = TYMED_HGLOBAL;
};

// COPY when Ctrl is held (MK_CONTROL in KeyState); else MOVE when Allowed
// holds it, else COPY.
unsigned ChooseDropEffect(int KeyState, unsigned Allowed);

// The file names of a DROPFILES record: the list's offset in the first
// 32 bits (taken even), the wide flag at byte 16, then zero-terminated
// names up to an empty one. False and no names when the record is short
// or a name or the list is not terminated inside the block.
bool ParseDropFiles(const QByteArray& Block, QStringList& Files);

// Reads the formats a dropped data object holds. Lives for one DragEnter or Drop.
class TEnumFormats {
public:
    explicit TEnumFormats(const TDataObject* DataObject);
    ~TEnumFormats();

    const TDataObject* DataObject() const { return FDataObject; }
    void SetDataObject(const TDataObject* Value);
    // Starts the list again; true when there is one.
    bool Reset();
    // Fetches the next format into FormatEtc.
    bool Next();
    bool Valid() const { return FValid; }
    int Count() const { return FCount; }
    const TFormatEtc& FormatEtc() const { return FFormatEtc; }
    unsigned Format() const { return FFormatEtc.cfFormat; }
    // Fetches until the format is found; FormatEtc then holds it.
    bool HasFormat(unsigned ClipFormat);
    // The current format's data; empty unless a format was fetched and its
    // medium holds Tymed.
    QByteArray Handle(int Tymed);
    QByteArray GlobalHandle() { return Handle(TYMED_HGLOBAL); }

    bool HasText() { return HasFormat(CF_UNICODETEXT); }
    bool HasFile() { return HasFormat(CF_HDROP); }
    // Only a non-empty rich text counts.
    bool HasRTF();
    bool HasCol() { return HasFormat(CF_GridColFormat()); }
    bool HasURL() { return HasFormat(CF_URLFormat()); }
    // Only a block whose stream fits in it counts.
    bool HasGridCells();

    // Empty when absent.
    QString Text();
    QString RTF();
    // -1 when absent or short.
    int Col();
    // A new stream owned by the caller, at position 0; nullptr when absent
    // or when the block claims more bytes than it carries.
    TMemoryStream* Stream();
    // After HasFile: fills Files; true when the list is not empty.
    bool Files();
    TStringList* FileList() const { return FFiles.get(); }

private:
    QByteArray DataOf(unsigned Format);

    const TDataObject* FDataObject = nullptr;
    std::vector<unsigned> FFormats;
    std::size_t FNext = 0;
    TFormatEtc FFormatEtc;
    bool FValid = false;
    int FCount = 0;
    std::unique_ptr<TStringList> FFiles;
};

// Decides whether a drag over the grid is accepted and hands dropped data
// to the hooks (empty here; the grid's drop target overrides them).
class TSGDropTarget : public IDropTarget {
public:
    TSGDropTarget();

    void DragEnter(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect) override;
    void DragOver(int KeyState, TPoint Pt, unsigned& Effect) override;
    void DragLeave() override;
    void Drop(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect) override;

    bool AcceptText() const { return FAcceptText; }
    void SetAcceptText(bool value) { FAcceptText = value; }
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool value) { FAcceptFiles = value; }
    bool AcceptCols() const { return FAcceptCols; }
    void SetAcceptCols(bool value) { FAcceptCols = value; }
    bool AcceptURLs() const { return FAcceptURLs; }
    void SetAcceptURLs(bool value) { FAcceptURLs = value; }
    // The formats of the current drag, whatever is accepted.
    TDropFormats DropFormats() const { return FDropFormats; }
    bool Ok() const { return FOk; }

    virtual void DropText(TPoint pt, const QString& s);
    // Takes ownership of ms (the default frees it).
    virtual void DropStream(TPoint pt, TMemoryStream* ms);
    virtual void DropCol(TPoint pt, int col);
    virtual void DropRTF(TPoint pt, const QString& s);
    virtual void DropFiles(TPoint pt, TStrings* files);
    virtual void DropURL(TPoint pt, const QString& s);
    virtual void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats);
    virtual void DragMouseEnter();
    virtual void DragMouseLeave();

private:
    bool FOk = false;
    bool FAcceptText = true;
    bool FAcceptFiles = true;
    bool FAcceptCols = false;
    bool FAcceptURLs = true;
    TDropFormats FDropFormats;
};

// Follows a drag started from the grid.
class TSGDropSource {
public:
    virtual ~TSGDropSource() = default;
    // Escape cancels; a released left button drops; otherwise S_OK.
    HRESULT QueryContinueDrag(bool EscapePressed, int KeyState);
    HRESULT GiveFeedback(unsigned Effect);
    // The last feedback had no effect.
    bool NoAccept() const { return FNoAccept; }

    virtual void DragFinished() {}
    virtual void CurrentEffect(unsigned) {}
    virtual void QueryDrag() {}

private:
    bool FNoAccept = false;
};

// The formats a data object lists: text, Unicode text, rich text, then the
// column and the cells when held.
class TSourceEnumFormatEtc {
public:
    TSourceEnumFormatEtc(bool HasCol, bool HasGridCells) : FHasCol(HasCol), FHasGridCells(HasGridCells) {}

    HRESULT Next(int CountRequested, std::vector<TFormatEtc>& FormatEtcArray, int* PCountFetched);
    HRESULT Skip(int Count);
    HRESULT Reset();
    std::unique_ptr<TSourceEnumFormatEtc> Clone() const;
    int Count() const { return 3 + (FHasCol ? 1 : 0) + (FHasGridCells ? 1 : 0); }
    int Index() const { return FIndex; }

private:
    unsigned FormatAt(int Index) const;
    int FIndex = 0;
    bool FHasCol;
    bool FHasGridCells;
};

// What a drag from the grid offers: the text, the rich text, a column
// index (-1: none) and a cell stream (not owned; nullptr: none).
class TSourceDataObject {
public:
    TSourceDataObject(const QString& stxt, const QString& srtf, int sidx, TMemoryStream* ms);

    HRESULT QueryGetData(const TFormatEtc& FormatEtc) const;
    // Medium receives the block of the format.
    HRESULT GetData(const TFormatEtc& FormatEtc, QByteArray& Medium) const;
    HRESULT EnumFormatEtc(int Direction, std::unique_ptr<TSourceEnumFormatEtc>& Enum) const;
    HRESULT GetDataHere(const TFormatEtc&, QByteArray&) const { return DV_E_FORMATETC; }
    HRESULT SetData(const TFormatEtc&, const QByteArray&) { return DV_E_FORMATETC; }
    HRESULT DAdvise() const { return OLE_E_ADVISENOTSUPPORTED; }
    // The platform's data object with every format that can be fetched.
    void Fill(TDataObject& Target) const;

private:
    QString textdata;
    QString rtfdata;
    int scolidx = -1;
    TMemoryStream* memstr = nullptr;
};

// Runs a drag of the text, rich text and cell stream (the caller keeps
// Stream). DRAGDROP_S_CANCEL when the last target did not accept.
long StartTextDrag(TSGDropSource* DropSource, const QString& Text, const QString& RTF, TMemoryStream* Stream,
                   unsigned OkEffects, unsigned& Effect);
// The same with a column index and empty texts.
long StartColDrag(TSGDropSource* DropSource, int Column, unsigned OkEffects, unsigned& Effect);
