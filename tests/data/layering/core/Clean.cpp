// Allowed: QtCore, the platform headers, a commented include.
#include <QString>
#include <QtCore/QObject>
#include <QEvent>
#include <QRect>
#include "platform/controls/Form.h"
// #include <QWidget>
