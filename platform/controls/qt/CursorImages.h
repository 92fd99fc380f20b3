#pragma once
// Cursors made from images, by the framework's cursor id.
#include <QCursor>

// The image cursor of Id, or Fallback's shape when none is set.
QCursor HostCursor(int Id, Qt::CursorShape Fallback);
