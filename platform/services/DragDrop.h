#pragma once
// Drag and drop in the manner of OLE, over Qt's drag and drop: a data
// object carrying clipboard formats, drop targets registered on windowed
// controls, and DoDragDrop for the source. Works inside the application
// and with other X11 applications.
#include "platform/rtl/Types.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QMimeData;
class TBitmap;
class TWinControl;

constexpr unsigned DROPEFFECT_NONE = 0;
constexpr unsigned DROPEFFECT_COPY = 1;
constexpr unsigned DROPEFFECT_MOVE = 2;
constexpr unsigned DROPEFFECT_LINK = 4;

// Results of DoDragDrop.
constexpr long DRAGDROP_S_DROP = 0x00040100L;
constexpr long DRAGDROP_S_CANCEL = 0x00040101L;
constexpr long E_UNEXPECTED = long(0x8000FFFFL);

// What is dragged: formats numbered as on the clipboard (see Clipboard.h),
// with files and URLs as lists.
class TDataObject {
public:
    TDataObject();
    // Reads the data of a drag in progress; Mime must outlive the object.
    explicit TDataObject(const QMimeData* Mime);
    ~TDataObject();
    TDataObject(const TDataObject&) = delete;
    TDataObject& operator=(const TDataObject&) = delete;

    bool HasFormat(unsigned Format) const;
    // Empty when the format is missing.
    QByteArray GetData(unsigned Format) const;
    void SetData(unsigned Format, const QByteArray& Data);

    QString Text() const;
    void SetText(const QString& Value);
    // Local files (absolute paths) and other URLs are kept apart; setting
    // one list keeps the other.
    QStringList Files() const;
    void SetFiles(const QStringList& Value);
    QStringList Urls() const;
    void SetUrls(const QStringList& Value);

    const QMimeData* Mime() const;

private:
    struct TData;
    std::unique_ptr<TData> FData;
};

// Receives drags over a control. Pt is in screen coordinates; KeyState
// holds MK_* flags. Effect comes in as the effects the source allows and
// goes out as those the target accepts (DROPEFFECT_NONE refuses); of
// several, StandardDropEffect picks one.
class IDropTarget {
public:
    virtual ~IDropTarget() = default;
    virtual void DragEnter(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect) = 0;
    virtual void DragOver(int KeyState, TPoint Pt, unsigned& Effect) = 0;
    virtual void DragLeave() = 0;
    virtual void Drop(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect) = 0;
};

// Copy when Ctrl is held, move otherwise, as far as Allowed lets; else
// copy, then link; DROPEFFECT_NONE when Allowed is empty.
unsigned StandardDropEffect(int KeyState, unsigned Allowed);

// Drops over Control (its window is made when needed) go to Target, which
// the caller keeps alive until RevokeDragDrop or the window's end.
bool RegisterDragDrop(TWinControl* Control, IDropTarget* Target);
bool RevokeDragDrop(TWinControl* Control);

// Runs the drag until the drop or cancel. Returns DRAGDROP_S_DROP with the
// effect the target chose, or DRAGDROP_S_CANCEL with DROPEFFECT_NONE when
// the user cancelled or dropped where nothing accepts.
long DoDragDrop(const TDataObject& Data, unsigned OkEffects, unsigned* Effect);

// The picture shown under the cursor during the next DoDragDrop, with the
// cursor on HotSpot of it and Alpha its opacity (0..255); nullptr shows
// none. DoDragDrop lets go of it when the drag ends.
void SetDragImage(const TBitmap* Image, TPoint HotSpot, int Alpha = 255);
// The size of that picture (0 x 0 for none).
TSize DragImageSize();
// Runs Query while the next DoDragDrop's drag goes on, as the framework
// asks its drop source whether to go on: once as the drag starts and each
// time the cursor moved (GetCursorPos tells where). Empty: none.
// DoDragDrop lets go of it when the drag ends.
void SetDragQuery(std::function<void()> Query);

// Test support. A driver replaces the user's drag inside DoDragDrop (empty:
// the real drag).
using TDragDriver = std::function<long(const TDataObject& Data, unsigned OkEffects, unsigned& Effect)>;
void SetDragDriver(TDragDriver Driver);
// Runs the query of the drag in progress, as a move of the cursor does.
void RunDragQuery();
// Enters Control at client point Pt, moves there and drops, as the windowing
// system does for a real drag; the result is what DoDragDrop would return.
long SimulateDrop(const TDataObject& Data, unsigned OkEffects, TWinControl* Control, TPoint Pt,
                  int KeyState, unsigned& Effect);
// Enters Control at Pt, then leaves it: a drag cancelled over the control.
long SimulateDragCancel(const TDataObject& Data, unsigned OkEffects, TWinControl* Control, TPoint Pt,
                        unsigned& Effect);
