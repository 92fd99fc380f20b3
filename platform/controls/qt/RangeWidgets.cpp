// The native side of TScrollBar, TTrackBar and TProgressBar.
#include "platform/controls/NativeControl.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QProgressBar>
#include <QScrollBar>
#include <QSlider>

class RangeBridge {
public:
    static bool Updating(TScrollBar* s) { return s->FUpdating; }
    static bool Updating(TTrackBar* t) { return t->FUpdating; }
    static void Action(TScrollBar* s, TScrollCode c, int pos) { s->NativeAction(c, pos); }
    static void Moved(TTrackBar* t, int pos) { t->NativeMoved(pos); }
};

namespace {

TScrollCode CodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return scLineDown;
    case QAbstractSlider::SliderSingleStepSub: return scLineUp;
    case QAbstractSlider::SliderPageStepAdd: return scPageDown;
    case QAbstractSlider::SliderPageStepSub: return scPageUp;
    case QAbstractSlider::SliderToMinimum: return scTop;
    case QAbstractSlider::SliderToMaximum: return scBottom;
    case QAbstractSlider::SliderMove: return scTrack;
    default: return scEndScroll;
    }
}

} // namespace

void TScrollBar::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* bar = new QScrollBar;
    AttachNative(this, bar);
    Push();
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, bar](int action) {
        if (RangeBridge::Updating(this) || action == QAbstractSlider::SliderNoAction)
            return;
        // sliderPosition is where the action leaves the slider.
        RangeBridge::Action(this, CodeOf(action), bar->sliderPosition());
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, bar]() {
        RangeBridge::Action(this, scPosition, bar->sliderPosition());
        RangeBridge::Action(this, scEndScroll, bar->sliderPosition());
    });
}

void TScrollBar::Push()
{
    auto* bar = NativeAs<QScrollBar>(this);
    if (!bar)
        return;
    NativeUpdate guard(FUpdating);
    QSignalBlocker block(bar);
    // A click gives a scroll bar the focus only when it is a tab stop, as
    // the native one does: a grid's bars leave it with the grid.
    bar->setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::NoFocus);
    bar->setOrientation(FKind == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    bar->setRange(FMin, std::max(FMin, FMax - std::max(FPageSize - 1, 0)));
    bar->setPageStep(std::max(FPageSize, FLargeChange));
    bar->setSingleStep(FSmallChange);
    bar->setValue(FPosition);
    bar->setSliderPosition(FPosition);
}

void TTrackBar::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* slider = new QSlider;
    AttachNative(this, slider);
    Push();
    QObject::connect(slider, &QSlider::valueChanged, slider, [this](int v) {
        if (!RangeBridge::Updating(this))
            RangeBridge::Moved(this, v);
    });
}

void TTrackBar::Push()
{
    auto* slider = NativeAs<QSlider>(this);
    if (!slider)
        return;
    NativeUpdate guard(FUpdating);
    slider->setOrientation(FOrientation == trHorizontal ? Qt::Horizontal : Qt::Vertical);
    slider->setRange(FMin, FMax);
    slider->setSingleStep(FLineSize);
    slider->setPageStep(FPageSize);
    slider->setTickInterval(FFrequency);
    slider->setTickPosition(FTickStyle == tsNone ? QSlider::NoTicks : QSlider::TicksBelow);
    slider->setValue(FPosition);
}

void TProgressBar::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* bar = new QProgressBar;
    bar->setTextVisible(false);
    AttachNative(this, bar);
    Push();
}

void TProgressBar::Push()
{
    auto* bar = NativeAs<QProgressBar>(this);
    if (!bar)
        return;
    bar->setOrientation(FOrientation == pbHorizontal ? Qt::Horizontal : Qt::Vertical);
    bar->setRange(FMin, FMax);
    bar->setValue(FPosition);
}
