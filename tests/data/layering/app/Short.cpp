#include <QString>
#include <QPainter>
