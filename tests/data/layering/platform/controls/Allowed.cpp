#include <QWidget>
#include <QtGui/QPainter>
