#include "grid/foundation/ProDateTimePicker.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/Label.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/DateTime.h"
#include <cmath>

unsigned DTPShiftFocusMsg()
{
    static const unsigned id = RegisterWindowMessage(QStringLiteral("DTPShiftFocus"));
    return id;
}

namespace {

// Registered once at start-up.
const unsigned RegisteredShiftFocus = DTPShiftFocusMsg();

bool IsAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whole days plus the time of day without milliseconds.
TDateTime WithoutMilliseconds(TDateTime Value)
{
    int h, m, s, ms;
    DecodeTime(Value, h, m, s, ms);
    const double day = std::trunc(Value);
    const double time = EncodeTime(h, m, s, 0);
    return day >= 0 ? day + time : day - time;
}

} // namespace

// Base picker

TCustomDateTimePicker::TCustomDateTimePicker(TComponent* AOwner) : TFlatDateTimePicker(AOwner)
{
    (void)RegisteredShiftFocus;
    FControlLook = true;
    FCtl3D = false;
    FBorderStyle = bsNone;
    FLook.BorderColor = 0;
}

void TCustomDateTimePicker::KeyPress(QChar& Key)
{
    if (!IsAsciiDigit(Key) || !FAutoTab) {
        TFlatDateTimePicker::KeyPress(Key);
        return;
    }
    if (TDateTimePicker::Kind() == dtkTime) {
        int h, m, s, ms;
        DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
        Fh = h;
        Fm = m;
        Fs = s;
        Fms = ms;
    }
    TFlatDateTimePicker::KeyPress(Key);
    PostMessage(this, DTPShiftFocusMsg(), 0, 0);
}

void TCustomDateTimePicker::WndProc(TMessage& Message)
{
    if (Message.Msg == DTPShiftFocusMsg())
        ShiftFocus();
    TFlatDateTimePicker::WndProc(Message);
}

void TCustomDateTimePicker::ShiftFocus()
{
    if (TDateTimePicker::Kind() != dtkTime)
        return;
    int h, m, s, ms;
    DecodeTime(TDateTimePicker::DateTime(), h, m, s, ms);
    if (h != Fh || m != Fm || s != Fs)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
}

// Date-time picker

TProDateTimePicker::TProDateTimePicker(TComponent* AOwner)
    : TCustomDateTimePicker(AOwner), FLabelFont(std::make_unique<TFont>())
{
    SetBorderStyle(bsSingle);
    FCtl3D = true;
    FLabelFont->OnChange = [this](TObject*) {
        if (FLabel)
            PlaceLabel();
    };
}

TProDateTimePicker::~TProDateTimePicker()
{
    FLabelFont->OnChange = nullptr;
    if (FLabel) {
        FLabel->SetParent(nullptr);
        delete FLabel;
        FLabel = nullptr;
    }
    delete FTimePicker;
    FTimePicker = nullptr;
}

void TProDateTimePicker::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomDateTimePicker::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FLabel)
        FLabel = nullptr;
    if (AComponent == FTimePicker)
        FTimePicker = nullptr;
}

QString TProDateTimePicker::Version() const
{
    return QStringLiteral("1.2.0.0");
}

void TProDateTimePicker::SetKind(TProDateTimeKind value)
{
    if (FKind == value)
        return;
    FKind = value;
    TDateTimePicker::SetKind(value == dkTime ? dtkTime : dtkDate);
    if (value == dkDateTime)
        CreateTimePicker();
    UpdateTimePicker();
}

void TProDateTimePicker::CreateWnd()
{
    TCustomDateTimePicker::CreateWnd();
    // A window made again gets its native kind and companion back.
    TDateTimePicker::SetKind(FKind == dkTime ? dtkTime : dtkDate);
    if (FKind == dkDateTime)
        CreateTimePicker();
    UpdateTimePicker();
}

TDateTime TProDateTimePicker::DateTime() const
{
    TDateTime v = TDateTimePicker::DateTime();
    if (FTimePicker) {
        const double day = std::trunc(v);
        const double time = FTimePicker->TDateTimePicker::Time();
        v = day >= 0 ? day + time : day - time;
    }
    return v;
}

void TProDateTimePicker::SetDateTime(TDateTime value)
{
    value = WithoutMilliseconds(value);
    TDateTimePicker::SetDateTime(value);
    if (FKind == dkDateTime && !FTimePicker)
        CreateTimePicker();
    if (FTimePicker)
        FTimePicker->TDateTimePicker::SetDateTime(value);
    CoupleCheckBox();
}

void TProDateTimePicker::SetDate(TDateTime value)
{
    const double time = DateTime() - std::trunc(DateTime());
    SetDateTime(std::trunc(value) + std::fabs(time));
}

TDateTime TProDateTimePicker::Time() const
{
    if (FKind == dkDateTime && FTimePicker)
        return FTimePicker->TDateTimePicker::Time();
    return TDateTimePicker::Time();
}

void TProDateTimePicker::SetTime(TDateTime value)
{
    TDateTimePicker::SetTime(value);
    UpdateTimePicker();
}

void TProDateTimePicker::SetTimeFormat(const QString& value)
{
    if (FTimePicker)
        FTimePicker->SetFormat(value);
    if (FKind == dkTime)
        SetFormat(value);
    FTimeFormat = value;
    UpdateTimePicker();
}

void TProDateTimePicker::SetAutoTab(bool value)
{
    TCustomDateTimePicker::SetAutoTab(value);
    if (FTimePicker)
        FTimePicker->SetAutoTab(value);
}

void TProDateTimePicker::SetBorderStyle(TBorderStyle value)
{
    TCustomDateTimePicker::SetBorderStyle(value);
    UpdateTimePicker();
}

// Companion

void TProDateTimePicker::CreateTimePicker()
{
    if (FTimePicker || FKind != dkDateTime)
        return;
    FTimePicker = new TCustomDateTimePicker(this);
    FTimePicker->SetParent(this);
    FTimePicker->SetBounds(0, 0, 90, 17);
    FTimePicker->SetVisible(false);
    FTimePicker->SetEnabled(Enabled());
    FTimePicker->TDateTimePicker::SetKind(dtkTime);
    FTimePicker->SetAutoTab(FAutoTab);
    FTimePicker->OnChange = [this](TObject*) {
        TDateTimePicker::SetTime(FTimePicker->TDateTimePicker::Time());
        DoChange();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    FTimePicker->OnClick = [this](TObject*) { DoClick(); };
    FTimePicker->OnKeyPress = [this](TObject*, QChar& Key) { TimeKeyPress(Key); };
    FTimePicker->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) {
        KeyDown(Key, Shift);
        if (OnKeyDown)
            OnKeyDown(this, Key, Shift);
    };
}

void TProDateTimePicker::UpdateTimePicker()
{
    if (!FTimePicker)
        return;
    if (FTimePicker->Parent() != this)
        FTimePicker->SetParent(this);
    FTimePicker->SetColor(Color());
    FTimePicker->SetEnabled(Enabled() && (Checked() || !ShowCheckbox()));
    FTimePicker->SetVisible(FKind == dkDateTime);
    // The native value holds the companion's time too (see CreateTimePicker).
    FTimePicker->TDateTimePicker::SetDateTime(TDateTimePicker::DateTime());
    FTimePicker->SetFormat(FTimeFormat);
    FTimePicker->Font()->Assign(Font());
    if (!FTimePicker->Visible() && !IsLoading()) {
        TCustomDateTimePicker* companion = FTimePicker;
        FTimePicker = nullptr;
        delete companion;
        return;
    }
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(Font());
    TRect t{0, 0, 1000, 200};
    DrawText(measure.Canvas(), FTimePicker->DisplayText(), -1, &t, DT_CALCRECT | DT_SINGLELINE);
    const int a = t.Width() + 31;
    const int w = Width();
    const int h = Height();
    // No visual style is active: the placement of a new platform without a theme.
    if (ThemeActiveNow())
        FTimePicker->SetBounds(w - a - (MetroActive() ? 21 : 34), 1, a, h - 2);
    else
        FTimePicker->SetBounds(w - a - 21, 2, a, h - 4);
}

void TProDateTimePicker::CoupleCheckBox()
{
    if (!ShowCheckbox() || !FTimePicker)
        return;
    FTimePicker->SetEnabled(Enabled() && Checked());
    FIgnoreTimePickerCheck = FTimePicker->Enabled();
}

void TProDateTimePicker::Change()
{
    if (ShowCheckbox() && FTimePicker && !FIgnoreTimePickerCheck)
        FTimePicker->SetEnabled(Enabled() && Checked());
    FIgnoreTimePickerCheck = false;
    DoChange();
}

void TProDateTimePicker::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TProDateTimePicker::DoClick()
{
    if (OnClick)
        OnClick(this);
}

void TProDateTimePicker::TimeKeyPress(QChar&) {}

// Auto-tab

void TProDateTimePicker::KeyPress(QChar& Key)
{
    if (IsAsciiDigit(Key) && FAutoTab) {
        int y, m, d;
        DecodeDate(TDateTimePicker::DateTime(), y, m, d);
        Fy = y;
        Fmo = m;
        Fd = d;
    }
    TCustomDateTimePicker::KeyPress(Key);
}

void TProDateTimePicker::ShiftFocus()
{
    if (FKind == dkTime) {
        TCustomDateTimePicker::ShiftFocus();
        return;
    }
    int y, m, d;
    DecodeDate(TDateTimePicker::DateTime(), y, m, d);
    const bool dayChanged = d != Fd;
    const bool monthChanged = m != Fmo;
    const bool yearChanged = y != Fy;
    auto intoCompanion = [this] {
        if (FTimePicker && FTimePicker->CanFocus())
            FTimePicker->SetFocus();
    };
    const QString format = Format();
    if (!format.isEmpty()) {
        const QChar c = format.back().toLower();
        if ((dayChanged && c == u'd') || (monthChanged && c == u'm') || (yearChanged && c == u'y'))
            intoCompanion();
        else if (dayChanged || monthChanged || yearChanged)
            PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
        return;
    }
    if (dayChanged || monthChanged)
        PostMessage(this, WM_KEYDOWN, VK_RIGHT, 0);
    else if (yearChanged)
        intoCompanion();
}

// Label

QString TProDateTimePicker::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TProDateTimePicker::SetLabelCaption(const QString& value)
{
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font()->Assign(FLabelFont.get());
        FLabel->SetParentFont(ParentFont());
        FLabel->OnClick = [this](TObject*) {
            if (OnLabelClick)
                OnLabelClick(this);
        };
        FLabel->OnDblClick = [this](TObject*) {
            if (OnLabelDblClick)
                OnLabelDblClick(this);
        };
    }
    FLabel->SetCaption(value);
    PlaceLabel();
}

void TProDateTimePicker::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    if (FLabel)
        PlaceLabel();
}

void TProDateTimePicker::SetLabelMargin(int value)
{
    FLabelMargin = value;
    if (FLabel)
        PlaceLabel();
}

void TProDateTimePicker::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    if (FLabel)
        PlaceLabel();
}

void TProDateTimePicker::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    if (value && FLabel)
        FLabel->SetEnabled(true);
    Invalidate();
}

void TProDateTimePicker::SetLabelFont(TFont* value)
{
    if (!ParentFont())
        FLabelFont->Assign(value);
    if (FLabel)
        PlaceLabel();
}

void TProDateTimePicker::PlaceLabel()
{
    if (!FLabel)
        return;
    ::PlaceLabel(FLabel, this, FLabelPosition, FLabelMargin, FLabelTransparent,
                 FParentFnt ? Font() : FLabelFont.get(), true);
}

void TProDateTimePicker::LabelBold(bool Bold)
{
    if (!FFocusLabel || !FLabel || IsLoading())
        return;
    TFontStyles s = FLabel->Font()->Style();
    if (Bold)
        s += fsBold;
    else
        s -= fsBold;
    FLabel->Font()->SetStyle(s);
}

void TProDateTimePicker::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDateTimePicker::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && FLabel->Parent())
        PlaceLabel();
    UpdateTimePicker();
}

void TProDateTimePicker::SetParent(TWinControl* AParent)
{
    TCustomDateTimePicker::SetParent(AParent);
    if (FLabel) {
        FLabel->SetParent(AParent);
        FLabel->SetVisible(Visible());
    }
}

void TProDateTimePicker::SetVisible(bool value)
{
    TCustomDateTimePicker::SetVisible(value);
    if (FLabel)
        FLabel->SetVisible(value);
}

void TProDateTimePicker::SetEnabled(bool value)
{
    TCustomDateTimePicker::SetEnabled(value);
    if (FTimePicker)
        FTimePicker->SetEnabled(value && (Checked() || !ShowCheckbox()));
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(value);
}

void TProDateTimePicker::WMSetFocus(TWMFocus& Message)
{
    TCustomDateTimePicker::WMSetFocus(Message);
    LabelBold(true);
}

void TProDateTimePicker::WMKillFocus(TWMFocus& Message)
{
    TCustomDateTimePicker::WMKillFocus(Message);
    LabelBold(false);
}

void TProDateTimePicker::WMPaint(TMessage& Message)
{
    TCustomDateTimePicker::WMPaint(Message);
    if (FFirstRun) {
        FFirstRun = false;
        UpdateTimePicker();
    }
}

void TProDateTimePicker::Loaded()
{
    TCustomDateTimePicker::Loaded();
    CreateTimePicker();
    UpdateTimePicker();
    if (ShowCheckbox() && !Checked()) {
        SetChecked(false);
        if (FTimePicker)
            FTimePicker->SetEnabled(false);
    }
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    if (FLabel && ParentFont())
        FLabel->Font()->Assign(Font());
    FParentFnt = ParentFont();
    PlaceLabel();
}
