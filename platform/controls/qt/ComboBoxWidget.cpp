// The native side of TCustomComboBox.
#include "platform/controls/ComboBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

class ComboBridge {
public:
    static bool Updating(TCustomComboBox* c) { return c->FUpdating; }
    static void Selected(TCustomComboBox* c, int i) { c->NativeSelected(i); }
    static void Edited(TCustomComboBox* c, const QString& s) { c->NativeEdited(s); }
    static void Notify(TCustomComboBox* c, int code) { SendCommandNotify(c, code); }
    static void Draw(TCustomComboBox* c, int i, TRect r, TOwnerDrawState s) { c->DrawItem(i, r, s); }
    static TCanvas* Canvas(TCustomComboBox* c) { return c->FCanvas; }
    static int ItemHeight(TCustomComboBox* c) { return c->FItemHeight; }
};

namespace {

class ComboWidget : public QComboBox {
public:
    explicit ComboWidget(TCustomComboBox* Control) : FControl(Control) {}
    // csSimple: the list stays shown below the edit and there is no popup.
    void MakeSimple()
    {
        FList = new QListView(this);
        FList->setModel(model());
        FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
        FList->setFocusPolicy(Qt::NoFocus);
        QObject::connect(FList, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
            if (i.row() == currentIndex())
                return;
            setCurrentIndex(i.row());
            ComboBridge::Selected(FControl, i.row());
        });
        QObject::connect(this, &QComboBox::currentIndexChanged, FList,
                         [this](int i) { FList->setCurrentIndex(model()->index(i, 0)); });
        // The box moves its edit on many changes; it is put back each time.
        if (QLineEdit* edit = lineEdit())
            edit->installEventFilter(this);
    }
    QListView* List() const { return FList; }
    void SetArrowShown(bool Value)
    {
        FArrowShown = Value;
        update();
    }
    // The list opens from a press outside the box (a drop button the
    // control draws itself): that press's release neither closes the list
    // nor picks an item.
    void ShowFromPress()
    {
        FSkipRelease = true;
        showPopup();
        if (!view()->isVisible()) {
            FSkipRelease = false;
            return;
        }
        view()->parentWidget()->installEventFilter(this);
        view()->viewport()->installEventFilter(this);
    }
    // The view joins the keys typed within the type-ahead interval; an
    // empty search ends the join. It moves the view's current item, which
    // goes back unannounced (the box's own index never moved).
    void ResetTypeAhead()
    {
        QAbstractItemView* v = view();
        const QModelIndex current = v->currentIndex();
        const QSignalBlocker viewBlock(v);
        const QSignalBlocker selectionBlock(v->selectionModel());
        v->keyboardSearch(QString());
        v->setCurrentIndex(current);
    }
    void showPopup() override
    {
        if (FList)
            return;
        if (isVisible() && view()->isVisible())
            return;
        ResetTypeAhead();
        ComboBridge::Notify(FControl, CBN_DROPDOWN);
        // The open list takes the mouse from whoever held it (the control
        // whose press opened it never sees that press's release).
        ReleaseCapture();
        QComboBox::showPopup();
        // Return and Escape in the open list go on to the control.
        view()->installEventFilter(this);
    }
    void hidePopup() override
    {
        bool shown = view()->isVisible();
        QComboBox::hidePopup();
        if (shown)
            ComboBridge::Notify(FControl, CBN_CLOSEUP);
    }

protected:
    bool event(QEvent* Event) override
    {
        bool result = QComboBox::event(Event);
        // The box puts its edit over its whole height on these.
        switch (Event->type()) {
        case QEvent::Show:
        case QEvent::Resize:
        case QEvent::StyleChange:
        case QEvent::FontChange:
        case QEvent::LayoutRequest:
            PlaceSimple();
            break;
        default:
            break;
        }
        return result;
    }
    bool eventFilter(QObject* Object, QEvent* Event) override
    {
        if (Object == view() && Event->type() == QEvent::KeyPress && EndsList(static_cast<QKeyEvent*>(Event)))
            return true;
        if (FSkipRelease && (Object == view()->viewport() || Object == view()->parentWidget())) {
            if (Event->type() == QEvent::MouseButtonPress)
                FSkipRelease = false;
            if (Event->type() == QEvent::MouseButtonRelease) {
                FSkipRelease = false;
                return true;
            }
            return false;
        }
        if (FList && Object == lineEdit() && (Event->type() == QEvent::Resize || Event->type() == QEvent::Move))
            PlaceSimple();
        return QComboBox::eventFilter(Object, Event);
    }
    // Return picks the highlighted item and Escape keeps the old one; either
    // closes the list, and then reaches the control as a key of the box, as
    // it does when the box keeps the keyboard while its list is open.
    bool EndsList(QKeyEvent* Key)
    {
        const bool pick = Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter;
        if ((!pick && Key->key() != Qt::Key_Escape) || (Key->modifiers() & Qt::AltModifier))
            return false;
        const QModelIndex item = view()->currentIndex();
        hidePopup();
        if (pick && item.isValid() && item.row() != currentIndex()) {
            setCurrentIndex(item.row());
            emit activated(item.row());
        }
        QKeyEvent again(QEvent::KeyPress, Key->key(), Key->modifiers(), Key->text());
        QCoreApplication::sendEvent(lineEdit() ? static_cast<QWidget*>(lineEdit()) : this, &again);
        return true;
    }
    void PlaceSimple()
    {
        if (!FList || FPlacing)
            return;
        FPlacing = true;
        QStyleOptionComboBox opt = EditOption();
        if (QLineEdit* edit = lineEdit())
            edit->setGeometry(style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this));
        FList->setGeometry(0, opt.rect.height(), width(), std::max(0, height() - opt.rect.height()));
        FPlacing = false;
    }
    void paintEvent(QPaintEvent* Event) override
    {
        if (!FList && FArrowShown) {
            QComboBox::paintEvent(Event);
            return;
        }
        if (!FList) {
            QStylePainter painter(this);
            painter.setPen(palette().color(QPalette::Text));
            QStyleOptionComboBox opt;
            initStyleOption(&opt);
            // The box is drawn as if wider, its drop button cut off.
            const QRect arrow = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, this);
            if (layoutDirection() == Qt::RightToLeft)
                opt.rect.setLeft(opt.rect.left() - arrow.width());
            else
                opt.rect.setRight(opt.rect.right() + arrow.width());
            painter.setClipRect(rect());
            painter.drawComplexControl(QStyle::CC_ComboBox, opt);
            painter.drawControl(QStyle::CE_ComboBoxLabel, opt);
            return;
        }
        QStyleOptionComboBox opt = EditOption();
        QStylePainter painter(this);
        painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    }

private:
    // The edit strip of a csSimple box, without the drop button.
    QStyleOptionComboBox EditOption()
    {
        QStyleOptionComboBox opt;
        initStyleOption(&opt);
        opt.rect.setHeight(std::min(height(), QComboBox::sizeHint().height()));
        opt.subControls = QStyle::SC_ComboBoxFrame | QStyle::SC_ComboBoxEditField;
        return opt;
    }

    TCustomComboBox* FControl;
    QListView* FList = nullptr;
    bool FPlacing = false;
    bool FArrowShown = true;
    bool FSkipRelease = false;
};

// Owner-drawn items: OnDrawItem paints on an image through the control's canvas.
class OwnerDrawDelegate : public QStyledItemDelegate {
public:
    explicit OwnerDrawDelegate(TCustomComboBox* Control, QObject* Parent)
        : QStyledItemDelegate(Parent), FControl(Control) {}
    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        QRect r = Option.rect;
        ImageSurface surface;
        surface.Resize(r.width(), r.height());
        TCanvas* canvas = ComboBridge::Canvas(FControl);
        canvas->SetSurface(&surface);
        TOwnerDrawState state;
        if (Option.state & QStyle::State_Selected) {
            state += odSelected;
            canvas->Brush()->SetColor(clHighlight);
            canvas->Font()->SetColor(clHighlightText);
        } else {
            canvas->Brush()->SetColor(clWindow);
            canvas->Font()->SetColor(clWindowText);
        }
        ComboBridge::Draw(FControl, Index.row(), Rect(0, 0, r.width(), r.height()), state);
        canvas->SetSurface(nullptr);
        Painter->drawImage(r.topLeft(), *surface.Image());
    }
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(Option, Index).width(), ComboBridge::ItemHeight(FControl));
    }

private:
    TCustomComboBox* FControl;
};

} // namespace

void TCustomComboBox::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* combo = new ComboWidget(this);
    combo->setEditable(FStyle == csDropDown || FStyle == csSimple);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The edit completes nothing by itself: typed text stays as typed, in
    // its own letter case, until the program completes it.
    if (combo->isEditable())
        combo->setCompleter(nullptr);
    if (FStyle == csSimple)
        combo->MakeSimple();
    if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable)
        combo->setItemDelegate(new OwnerDrawDelegate(this, combo));
    AttachNative(this, combo);
    NativeApplyFont(this);
    PushItems();
    QObject::connect(combo, &QComboBox::activated, combo, [this](int i) { ComboBridge::Selected(this, i); });
    if (QLineEdit* edit = combo->lineEdit())
        QObject::connect(edit, &QLineEdit::textEdited, combo, [this](const QString& s) {
            if (!ComboBridge::Updating(this))
                ComboBridge::Edited(this, s);
        });
}

void TCustomComboBox::PushItems()
{
    auto* combo = NativeAs<QComboBox>(this);
    if (!combo)
        return;
    {
        NativeUpdate guard(FUpdating);
        QSignalBlocker block(combo);
        combo->clear();
        for (int i = 0; i < FItems->Count(); ++i)
            combo->addItem(FItems->Strings(i));
    }
    PushState();
}

void TCustomComboBox::PushState()
{
    auto* combo = NativeAs<QComboBox>(this);
    if (!combo)
        return;
    NativeUpdate guard(FUpdating);
    QSignalBlocker block(combo);
    combo->setMaxVisibleItems(FDropDownCount);
    combo->setCurrentIndex(FItemIndex);
    if (QLineEdit* edit = combo->lineEdit()) {
        edit->setMaxLength(FMaxLength > 0 ? FMaxLength : 32767);
        if (edit->text() != Text())
            edit->setText(Text());
    }
}

namespace {

QLineEdit* EditPart(const TCustomComboBox* Combo)
{
    auto* combo = NativeAs<QComboBox>(const_cast<TCustomComboBox*>(Combo));
    return combo ? combo->lineEdit() : nullptr;
}

} // namespace

int TCustomComboBox::SelStart() const
{
    QLineEdit* edit = EditPart(this);
    if (!edit)
        return 0;
    return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
}

void TCustomComboBox::SetSelStart(int value)
{
    if (QLineEdit* edit = EditPart(this))
        edit->setCursorPosition(std::clamp(value, 0, int(edit->text().size())));
}

int TCustomComboBox::SelLength() const
{
    QLineEdit* edit = EditPart(this);
    return edit ? int(edit->selectedText().size()) : 0;
}

void TCustomComboBox::SetSelLength(int value)
{
    if (QLineEdit* edit = EditPart(this))
        edit->setSelection(SelStart(), std::max(value, 0));
}

bool TCustomComboBox::DroppedDown() const
{
    auto* combo = NativeAs<QComboBox>(const_cast<TCustomComboBox*>(this));
    return combo && combo->view()->isVisible();
}

void TCustomComboBox::SetDroppedDown(bool value)
{
    auto* combo = NativeAs<QComboBox>(this);
    if (!combo || value == DroppedDown())
        return;
    if (!value) {
        combo->hidePopup();
        return;
    }
    if (GetKeyState(VK_LBUTTON) < 0)
        static_cast<ComboWidget*>(combo)->ShowFromPress();
    else
        combo->showPopup();
}

void TCustomComboBox::ResetTypeAhead()
{
    if (auto* combo = dynamic_cast<ComboWidget*>(NativeWidget(this)))
        combo->ResetTypeAhead();
}

void SetNativeDropButton(TWinControl* Control, bool Visible)
{
    if (auto* combo = dynamic_cast<ComboWidget*>(NativeWidget(Control)))
        combo->SetArrowShown(Visible);
}
