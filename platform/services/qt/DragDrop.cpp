#include "platform/services/DragDrop.h"

#include "platform/controls/Application.h"
#include "platform/controls/InputState.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Exceptions.h"
#include "platform/services/qt/MimeFormats.h"

#include <QApplication>
#include <algorithm>
#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QUrl>

// TDataObject

struct TDataObject::TData {
    std::unique_ptr<QMimeData> Own;
    const QMimeData* Mime = nullptr;

    QMimeData* Writable()
    {
        if (!Own) {
            // Writing to the data of a drag in progress copies it first.
            Own = std::make_unique<QMimeData>();
            if (Mime)
                for (const QString& f : Mime->formats())
                    Own->setData(f, Mime->data(f));
        }
        Mime = Own.get();
        return Own.get();
    }
};

TDataObject::TDataObject() : FData(std::make_unique<TData>())
{
    FData->Writable();
}

TDataObject::TDataObject(const QMimeData* Mime) : FData(std::make_unique<TData>())
{
    FData->Mime = Mime;
}

TDataObject::~TDataObject() = default;

const QMimeData* TDataObject::Mime() const
{
    return FData->Mime;
}

bool TDataObject::HasFormat(unsigned Format) const
{
    return MimeHasFormat(FData->Mime, Format);
}

QByteArray TDataObject::GetData(unsigned Format) const
{
    return MimeGetFormat(FData->Mime, Format);
}

void TDataObject::SetData(unsigned Format, const QByteArray& Data)
{
    MimeSetFormat(FData->Writable(), Format, Data);
}

QString TDataObject::Text() const
{
    return FData->Mime && FData->Mime->hasText() ? FData->Mime->text() : QString();
}

void TDataObject::SetText(const QString& Value)
{
    FData->Writable()->setText(Value);
}

QStringList TDataObject::Files() const
{
    QStringList r;
    if (FData->Mime)
        for (const QUrl& u : FData->Mime->urls())
            if (u.isLocalFile())
                r << u.toLocalFile();
    return r;
}

QStringList TDataObject::Urls() const
{
    QStringList r;
    if (FData->Mime)
        for (const QUrl& u : FData->Mime->urls())
            if (!u.isLocalFile())
                r << u.toString();
    return r;
}

void TDataObject::SetFiles(const QStringList& Value)
{
    QMimeData* m = FData->Writable();
    QList<QUrl> urls;
    for (const QString& f : Value)
        urls << QUrl::fromLocalFile(f);
    for (const QUrl& u : m->urls())
        if (!u.isLocalFile())
            urls << u;
    m->setUrls(urls);
}

void TDataObject::SetUrls(const QStringList& Value)
{
    QMimeData* m = FData->Writable();
    QList<QUrl> urls;
    for (const QUrl& u : m->urls())
        if (u.isLocalFile())
            urls << u;
    for (const QString& s : Value)
        urls << QUrl(s);
    m->setUrls(urls);
}

// Effects and Qt actions

unsigned StandardDropEffect(int KeyState, unsigned Allowed)
{
    if ((KeyState & MK_CONTROL) && (Allowed & DROPEFFECT_COPY))
        return DROPEFFECT_COPY;
    for (unsigned e : {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_LINK})
        if (Allowed & e)
            return e;
    return DROPEFFECT_NONE;
}

namespace {

unsigned EffectsOf(Qt::DropActions a)
{
    unsigned e = DROPEFFECT_NONE;
    if (a & Qt::CopyAction)
        e |= DROPEFFECT_COPY;
    if (a & Qt::MoveAction)
        e |= DROPEFFECT_MOVE;
    if (a & Qt::LinkAction)
        e |= DROPEFFECT_LINK;
    return e;
}

Qt::DropActions ActionsOf(unsigned e)
{
    Qt::DropActions a;
    if (e & DROPEFFECT_COPY)
        a |= Qt::CopyAction;
    if (e & DROPEFFECT_MOVE)
        a |= Qt::MoveAction;
    if (e & DROPEFFECT_LINK)
        a |= Qt::LinkAction;
    return a;
}

Qt::DropAction ActionOf(unsigned e)
{
    switch (e) {
    case DROPEFFECT_COPY: return Qt::CopyAction;
    case DROPEFFECT_MOVE: return Qt::MoveAction;
    case DROPEFFECT_LINK: return Qt::LinkAction;
    default: return Qt::IgnoreAction;
    }
}

int KeyStateOf(Qt::KeyboardModifiers m, Qt::MouseButtons b)
{
    int k = 0;
    if (m & Qt::ControlModifier)
        k |= MK_CONTROL;
    if (m & Qt::ShiftModifier)
        k |= MK_SHIFT;
    if (m & Qt::AltModifier)
        k |= MK_ALT;
    if (b & Qt::LeftButton)
        k |= MK_LBUTTON;
    if (b & Qt::RightButton)
        k |= MK_RBUTTON;
    if (b & Qt::MiddleButton)
        k |= MK_MBUTTON;
    return k;
}

// Turns the drag events of one control's window into IDropTarget calls.
class DropFilter : public QObject {
public:
    DropFilter(QWidget* Widget, IDropTarget* Target) : QObject(Widget), FTarget(Target) {}
    IDropTarget* Target() const { return FTarget; }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        switch (Event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            Handle(static_cast<QWidget*>(Watched), static_cast<QDropEvent*>(Event));
            return true;
        case QEvent::DragLeave:
            Leave();
            return true;
        default:
            return false;
        }
    }

private:
    void Handle(QWidget* Widget, QDropEvent* Event)
    {
        const int keys = KeyStateOf(Event->modifiers(), Event->buttons());
        const QPoint g = Widget->mapToGlobal(Event->position().toPoint());
        const TPoint pt{g.x(), g.y()};
        unsigned effect = EffectsOf(Event->possibleActions());
        const unsigned allowed = effect;
        try {
            if (Event->type() == QEvent::DragEnter) {
                FData = std::make_unique<TDataObject>(Event->mimeData());
                FInside = true;
                FTarget->DragEnter(*FData, keys, pt, effect);
            } else if (Event->type() == QEvent::DragMove) {
                FTarget->DragOver(keys, pt, effect);
            } else {
                FInside = false;
                const TDataObject data(Event->mimeData());
                FData.reset();
                FTarget->Drop(data, keys, pt, effect);
            }
        } catch (...) {
            effect = DROPEFFECT_NONE;
            HandleCurrentException(nullptr);
        }
        const unsigned chosen = StandardDropEffect(keys, effect & allowed);
        if (chosen == DROPEFFECT_NONE && Event->type() != QEvent::DragEnter) {
            Event->setDropAction(Qt::IgnoreAction);
            Event->ignore();
            return;
        }
        // An enter is always taken, so the target keeps seeing moves and
        // may accept elsewhere in the window.
        Event->setDropAction(ActionOf(chosen));
        Event->accept();
    }

    void Leave()
    {
        if (!FInside)
            return;
        FInside = false;
        FData.reset();
        try {
            FTarget->DragLeave();
        } catch (...) {
            HandleCurrentException(nullptr);
        }
    }

    IDropTarget* FTarget;
    std::unique_ptr<TDataObject> FData;
    bool FInside = false;
};

// DropFilter has no meta-object of its own, so findChild would take any
// child object for one.
DropFilter* FilterOf(QWidget* w)
{
    if (!w)
        return nullptr;
    for (QObject* child : w->children())
        if (auto* f = dynamic_cast<DropFilter*>(child))
            return f;
    return nullptr;
}

TDragDriver& Driver()
{
    static TDragDriver driver;
    return driver;
}

std::unique_ptr<QMimeData> CloneMime(const QMimeData* m)
{
    auto copy = std::make_unique<QMimeData>();
    if (m)
        for (const QString& f : m->formats())
            copy->setData(f, m->data(f));
    return copy;
}

QWidget* WindowOf(TWinControl* Control)
{
    return Control ? static_cast<QWidget*>(Control->Handle()) : nullptr;
}

} // namespace

bool RegisterDragDrop(TWinControl* Control, IDropTarget* Target)
{
    QWidget* w = WindowOf(Control);
    if (!w || !Target || FilterOf(w))
        return false;
    w->installEventFilter(new DropFilter(w, Target));
    w->setAcceptDrops(true);
    return true;
}

bool RevokeDragDrop(TWinControl* Control)
{
    QWidget* w = Control && Control->HandleAllocated() ? WindowOf(Control) : nullptr;
    DropFilter* f = FilterOf(w);
    if (!f)
        return false;
    w->removeEventFilter(f);
    w->setAcceptDrops(false);
    delete f;
    return true;
}

namespace {

struct TDragImage {
    QImage Image;
    QPoint HotSpot;
};

TDragImage& PendingImage()
{
    static TDragImage image;
    return image;
}

} // namespace

void SetDragImage(const TBitmap* Image, TPoint HotSpot, int Alpha)
{
    TDragImage& d = PendingImage();
    d = TDragImage();
    if (!Image || Image->Empty() || !Image->Surface())
        return;
    QImage img(Image->Surface()->image().size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setOpacity(std::clamp(Alpha, 0, 255) / 255.0);
    p.drawImage(0, 0, Image->Surface()->image());
    p.end();
    d.Image = img;
    d.HotSpot = QPoint(HotSpot.X, HotSpot.Y);
}

TSize DragImageSize()
{
    const QImage& img = PendingImage().Image;
    return TSize{img.width(), img.height()};
}

namespace {

std::function<void()>& PendingQuery()
{
    static std::function<void()> query;
    return query;
}

std::function<void()>& ActiveQuery()
{
    static std::function<void()> query;
    return query;
}

} // namespace

void SetDragQuery(std::function<void()> Query)
{
    PendingQuery() = std::move(Query);
}

void RunDragQuery()
{
    // The query may end the drag's state; it runs from a copy.
    const std::function<void()> query = ActiveQuery();
    if (!query)
        return;
    try {
        query();
    } catch (...) {
        HandleCurrentException(nullptr);
    }
}

long DoDragDrop(const TDataObject& Data, unsigned OkEffects, unsigned* Effect)
{
    struct TLetGo {
        ~TLetGo()
        {
            PendingImage() = TDragImage();
            ActiveQuery() = nullptr;
        }
    } letGo;
    ActiveQuery() = std::move(PendingQuery());
    PendingQuery() = nullptr;
    RunDragQuery();
    unsigned effect = DROPEFFECT_NONE;
    long result;
    if (Driver()) {
        result = Driver()(Data, OkEffects, effect);
    } else {
        // The window system keeps the mouse to the drag; the cursor is
        // followed here so that the query sees it move.
        QTimer follow;
        QPoint last = QCursor::pos();
        QObject::connect(&follow, &QTimer::timeout, [&last] {
            const QPoint p = QCursor::pos();
            if (p == last)
                return;
            last = p;
            CurrentInput().Cursor = TPoint{p.x(), p.y()};
            RunDragQuery();
        });
        if (ActiveQuery())
            follow.start(10);
        QObject* source = QApplication::activeWindow();
        if (!source)
            source = QCoreApplication::instance();
        auto* drag = new QDrag(source);
        drag->setMimeData(CloneMime(Data.Mime()).release());
        if (!PendingImage().Image.isNull()) {
            drag->setPixmap(QPixmap::fromImage(PendingImage().Image));
            drag->setHotSpot(PendingImage().HotSpot);
        }
        const Qt::DropAction def = (OkEffects & DROPEFFECT_MOVE) ? Qt::MoveAction : Qt::CopyAction;
        const Qt::DropAction done = drag->exec(ActionsOf(OkEffects), def);
        drag->deleteLater();
        effect = EffectsOf(done) & OkEffects;
        result = effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
    }
    if (result != DRAGDROP_S_DROP)
        effect = DROPEFFECT_NONE;
    if (Effect)
        *Effect = effect;
    return result;
}

void SetDragDriver(TDragDriver Driver_)
{
    Driver() = std::move(Driver_);
}

namespace {

bool Send(QWidget* w, QEvent& e)
{
    QCoreApplication::sendEvent(w, &e);
    return e.isAccepted();
}

Qt::KeyboardModifiers ModifiersOf(int KeyState)
{
    Qt::KeyboardModifiers m;
    if (KeyState & MK_CONTROL)
        m |= Qt::ControlModifier;
    if (KeyState & MK_SHIFT)
        m |= Qt::ShiftModifier;
    if (KeyState & MK_ALT)
        m |= Qt::AltModifier;
    return m;
}

} // namespace

long SimulateDrop(const TDataObject& Data, unsigned OkEffects, TWinControl* Control, TPoint Pt,
                  int KeyState, unsigned& Effect)
{
    Effect = DROPEFFECT_NONE;
    QPointer<QWidget> w = WindowOf(Control);
    if (!w)
        return E_UNEXPECTED;
    const QPoint p(Pt.X, Pt.Y);
    const Qt::DropActions actions = ActionsOf(OkEffects);
    const Qt::KeyboardModifiers mods = ModifiersOf(KeyState);
    const Qt::MouseButtons buttons = Qt::LeftButton;
    QDragEnterEvent enter(p, actions, Data.Mime(), buttons, mods);
    if (!Send(w, enter) || !w)
        return DRAGDROP_S_CANCEL;
    QDragMoveEvent move(p, actions, Data.Mime(), buttons, mods);
    if (!Send(w, move) || !w) {
        if (w) {
            QDragLeaveEvent leave;
            Send(w, leave);
        }
        return DRAGDROP_S_CANCEL;
    }
    QDropEvent drop(QPointF(p), actions, Data.Mime(), buttons, mods);
    if (!Send(w, drop))
        return DRAGDROP_S_CANCEL;
    Effect = EffectsOf(drop.dropAction()) & OkEffects;
    return Effect == DROPEFFECT_NONE ? DRAGDROP_S_CANCEL : DRAGDROP_S_DROP;
}

long SimulateDragCancel(const TDataObject& Data, unsigned OkEffects, TWinControl* Control, TPoint Pt,
                        unsigned& Effect)
{
    Effect = DROPEFFECT_NONE;
    QPointer<QWidget> w = WindowOf(Control);
    if (!w)
        return E_UNEXPECTED;
    const QPoint p(Pt.X, Pt.Y);
    QDragEnterEvent enter(p, ActionsOf(OkEffects), Data.Mime(), Qt::LeftButton, Qt::NoModifier);
    Send(w, enter);
    if (w) {
        QDragLeaveEvent leave;
        Send(w, leave);
    }
    return DRAGDROP_S_CANCEL;
}
