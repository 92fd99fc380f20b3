// The native side of TCustomComboBox.
#include "platform/controls/ComboBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

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
    void showPopup() override
    {
        if (isVisible() && view()->isVisible())
            return;
        ComboBridge::Notify(FControl, CBN_DROPDOWN);
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        bool shown = view()->isVisible();
        QComboBox::hidePopup();
        if (shown)
            ComboBridge::Notify(FControl, CBN_CLOSEUP);
    }

private:
    TCustomComboBox* FControl;
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
    if (value)
        combo->showPopup();
    else
        combo->hidePopup();
}
