#pragma once
// The form and an open popup form as they stand on the screen, in one
// picture (the rest dark grey), for offscreen renders saved as PNGs.
#include "platform/controls/Form.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QImage>
#include <QPainter>

inline QImage PopupShot(TForm& Form, TCustomForm* Popup)
{
    const QImage formShot = Form.Handle()->grab().toImage();
    const QImage popupShot = Popup->Handle()->grab().toImage();
    const QPoint origin(Form.Left(), Form.Top());
    const QRect popupRect(Popup->Left(), Popup->Top(), Popup->Width(), Popup->Height());
    const QRect all = QRect(origin, formShot.size()).united(popupRect);
    QImage shot(all.size(), QImage::Format_RGB32);
    shot.fill(Qt::darkGray);
    QPainter painter(&shot);
    painter.drawImage(origin - all.topLeft(), formShot);
    painter.drawImage(popupRect.topLeft() - all.topLeft(), popupShot);
    return shot;
}
