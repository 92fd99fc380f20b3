// The native side of TButton, TCheckBox and TRadioButton.
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

void TButton::CreateWnd()
{
    TCustomButton::CreateWnd();
    auto* b = new QPushButton(Caption());
    b->setAutoDefault(false);
    b->setDefault(Default());
    AttachNative(this, b);
    NativeApplyFont(this);
}

void TButton::CMTextChanged(TMessage& Message)
{
    TCustomButton::CMTextChanged(Message);
    if (auto* b = NativeAs<QPushButton>(this))
        b->setText(Caption());
}

void TCustomCheckBox::CreateWnd()
{
    TButtonControl::CreateWnd();
    auto* b = new QCheckBox(Caption());
    AttachNative(this, b);
    NativeApplyFont(this);
    PushState();
}

void TCustomCheckBox::PushState()
{
    auto* b = NativeAs<QAbstractButton>(this);
    if (!b)
        return;
    b->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    if (auto* c = qobject_cast<QCheckBox*>(b)) {
        c->setTristate(FAllowGrayed || FState == cbGrayed);
        c->setCheckState(FState == cbChecked ? Qt::Checked : FState == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
}

void TCustomCheckBox::SetAlignment(TAlignment value)
{
    FAlignment = value;
    PushState();
}

void TCustomCheckBox::CMTextChanged(TMessage& Message)
{
    TButtonControl::CMTextChanged(Message);
    if (auto* b = NativeAs<QAbstractButton>(this))
        b->setText(Caption());
}

void TRadioButton::CreateWnd()
{
    TButtonControl::CreateWnd();
    auto* b = new QRadioButton(Caption());
    b->setAutoExclusive(false);
    AttachNative(this, b);
    NativeApplyFont(this);
    PushState();
}

void TRadioButton::PushState()
{
    auto* b = NativeAs<QRadioButton>(this);
    if (!b)
        return;
    b->setLayoutDirection(FAlignment == taLeftJustify ? Qt::RightToLeft : Qt::LeftToRight);
    b->setChecked(FState == cbChecked);
}
