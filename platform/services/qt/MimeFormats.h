#pragma once
// Clipboard formats read from and written to QMimeData; shared by the
// clipboard and drag and drop.
#include <QByteArray>

class QMimeData;

bool MimeHasFormat(const QMimeData* Mime, unsigned Format);
// The format's bytes as GetAsHandle gives them; empty when missing.
QByteArray MimeGetFormat(const QMimeData* Mime, unsigned Format);
void MimeSetFormat(QMimeData* Mime, unsigned Format, const QByteArray& Data);
