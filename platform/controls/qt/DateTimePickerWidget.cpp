// The native side of TDateTimePicker: a date-time edit with a calendar
// drop-down, behind an optional check box.
#include "platform/controls/DateTimePicker.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/rtl/FormatSettings.h"
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>

class PickerBridge {
public:
    static void DropDown(TDateTimePicker* p)
    {
        if (p->OnDropDown)
            p->OnDropDown(p);
    }
    static void CloseUp(TDateTimePicker* p)
    {
        if (p->OnCloseUp)
            p->OnCloseUp(p);
    }
    static bool Updating(TDateTimePicker* p) { return p->FUpdating; }
    static void Changed(TDateTimePicker* p, TDateTime v) { p->NativeChanged(v); }
    static void Checked(TDateTimePicker* p, bool v) { p->NativeChecked(v); }
};

namespace {

QString Quote(const QString& s) { return s.isEmpty() ? s : u'\'' + QString(s).replace(u'\'', QLatin1String("''")) + u'\''; }

// FormatDateTime's letters as a Qt display format: "m" after "h" is the
// minute, otherwise the month; "n" is the minute; "am/pm" the AM/PM marker.
QString QtFormat(const QString& f)
{
    QString out;
    bool ampm = f.contains(QLatin1String("am/pm"), Qt::CaseInsensitive) || f.contains(QLatin1String("a/p"), Qt::CaseInsensitive);
    bool afterHour = false;
    for (int i = 0; i < f.size();) {
        QChar c = f[i];
        QChar lower = c.toLower();
        int run = 1;
        while (i + run < f.size() && f[i + run].toLower() == lower)
            ++run;
        if (c == u'"' || c == u'\'') {
            int end = int(f.indexOf(c, i + 1));
            if (end < 0)
                end = int(f.size());
            out += Quote(f.mid(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (f.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            out += QStringLiteral("AP");
            i += 5;
            continue;
        }
        if (f.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            out += QStringLiteral("A");
            i += 3;
            continue;
        }
        switch (lower.unicode()) {
        case u'd': out += QString(std::min(run, 4), u'd'); afterHour = false; break;
        case u'y': out += run <= 2 ? QStringLiteral("yy") : QStringLiteral("yyyy"); afterHour = false; break;
        case u'm':
            out += afterHour ? QString(std::min(run, 2), u'm') : QString(std::min(run, 4), u'M');
            afterHour = false;
            break;
        case u'n': out += QString(std::min(run, 2), u'm'); break;
        case u'h': out += QString(std::min(run, 2), ampm ? u'h' : u'H'); afterHour = true; break;
        case u's': out += QString(std::min(run, 2), u's'); break;
        case u'z': out += QStringLiteral("zzz"); break;
        case u'/': out += Quote(QString(FormatSettings.DateSeparator)); break;
        case u':': out += Quote(QString(FormatSettings.TimeSeparator)); break;
        default: out += c.isLetter() ? Quote(QString(run, c)) : QString(run, c); break;
        }
        i += run;
    }
    return out;
}

// Tells the picker when its calendar opens and closes, whoever opened it.
class CalendarWatch : public QObject {
public:
    CalendarWatch(TDateTimePicker* Picker, QObject* Parent) : QObject(Parent), FPicker(Picker) {}

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() == QEvent::Show) {
            // The open calendar takes the mouse from whoever held it (the
            // control whose press opened it never sees that release).
            ReleaseCapture();
            PickerBridge::DropDown(FPicker);
        } else if (Event->type() == QEvent::Hide) {
            PickerBridge::CloseUp(FPicker);
        }
        return false;
    }

private:
    TDateTimePicker* FPicker;
};

// Fields are taken whole, as in a native date-time picker: a click selects
// the field under it, Left and Right move from field to field, and typed
// digits replace the selected field (with a bare caret the edit would
// refuse them); a field typed full stays selected.
class PickerEdit : public QDateTimeEdit {
public:
    PickerEdit() { lineEdit()->installEventFilter(this); }

protected:
    bool eventFilter(QObject* Object, QEvent* Event) override
    {
        if (Object == lineEdit() && Event->type() == QEvent::MouseButtonRelease) {
            static_cast<QObject*>(lineEdit())->event(Event);
            SelectField();
            return true;
        }
        return QDateTimeEdit::eventFilter(Object, Event);
    }
    void keyPressEvent(QKeyEvent* Event) override
    {
        const bool left = Event->key() == Qt::Key_Left;
        if ((left || Event->key() == Qt::Key_Right) && !(Event->modifiers() & ~Qt::KeypadModifier)) {
            const int next = currentSectionIndex() + (left ? -1 : 1);
            if (next >= 0 && next < sectionCount())
                setCurrentSectionIndex(next);
            setSelectedSection(currentSection());
            Event->accept();
            return;
        }
        // A full field stays where it is (the edit would move on by
        // itself); moving on is the picker's business.
        const int before = currentSectionIndex();
        const bool digit = !Event->text().isEmpty() && Event->text()[0].isDigit();
        QDateTimeEdit::keyPressEvent(Event);
        if (digit && currentSectionIndex() != before) {
            setCurrentSectionIndex(before);
            setSelectedSection(currentSection());
        }
    }

private:
    void SelectField()
    {
        if (!lineEdit()->hasSelectedText())
            setSelectedSection(currentSection());
    }
};

QDateTimeEdit* EditOf(const TDateTimePicker* p)
{
    QWidget* w = NativeWidget(const_cast<TDateTimePicker*>(p));
    return w ? w->findChild<QDateTimeEdit*>() : nullptr;
}

} // namespace

void TDateTimePicker::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (FShowCheckbox) {
        auto* check = new QCheckBox;
        layout->addWidget(check);
        QObject::connect(check, &QCheckBox::toggled, check, [this](bool v) {
            if (!PickerBridge::Updating(this))
                PickerBridge::Checked(this, v);
        });
    }
    auto* edit = new PickerEdit;
    edit->setCalendarPopup(FKind != dtkTime);
    if (QCalendarWidget* calendar = edit->calendarWidget())
        calendar->window()->installEventFilter(new CalendarWatch(this, edit));
    layout->addWidget(edit, 1);
    box->setFocusProxy(edit);
    AttachNative(this, box);
    NativeApplyFont(this);
    Push();
    QObject::connect(edit, &QDateTimeEdit::dateTimeChanged, edit, [this](const QDateTime& v) {
        if (!PickerBridge::Updating(this))
            PickerBridge::Changed(this, QDateTimeToDateTime(v));
    });
}

void TDateTimePicker::Push()
{
    QDateTimeEdit* edit = EditOf(this);
    if (!edit)
        return;
    NativeUpdate guard(FUpdating);
    edit->setCalendarPopup(FKind != dtkTime);
    edit->setDisplayFormat(QtFormat(EffectiveFormat()));
    edit->setMinimumDateTime(FMinDate != 0 ? DateTimeToQDateTime(FMinDate) : QDateTime(QDate(100, 1, 1), QTime(0, 0)));
    edit->setMaximumDateTime(FMaxDate != 0 ? DateTimeToQDateTime(FMaxDate) : QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999)));
    edit->setDateTime(DateTimeToQDateTime(FDateTime));
    edit->setEnabled(!FShowCheckbox || FChecked);
    if (auto* check = NativeWidget(this)->findChild<QCheckBox*>())
        check->setChecked(FChecked);
}

bool TDateTimePicker::DroppedDown() const
{
    QDateTimeEdit* edit = EditOf(this);
    return edit && edit->calendarWidget() && edit->calendarWidget()->isVisible();
}

void TDateTimePicker::SetDroppedDown(bool value)
{
    QDateTimeEdit* edit = EditOf(this);
    if (!edit || !edit->calendarPopup() || value == DroppedDown())
        return;
    if (value) {
        // The edit opens its calendar from a press on its arrow.
        QPoint arrow(edit->width() - 4, edit->height() / 2);
        QMouseEvent press(QEvent::MouseButtonPress, arrow, edit->mapToGlobal(arrow), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        static_cast<QObject*>(edit)->event(&press);
        QMouseEvent release(QEvent::MouseButtonRelease, arrow, edit->mapToGlobal(arrow), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        static_cast<QObject*>(edit)->event(&release);
    } else {
        edit->calendarWidget()->window()->hide();
    }
}
