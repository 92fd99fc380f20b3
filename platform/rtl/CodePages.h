#pragma once
// The 8-bit code pages: ANSI is Windows-1252, OEM is code page 850.
#include <QByteArray>
#include <QString>

// Every byte maps to one character; Windows-1252's five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the
// same value, as Windows maps them.
QString AnsiToUtf16(const QByteArray& bytes);
// Characters that Windows-1252 cannot hold become "?" (one per character,
// a surrogate pair counting as one).
QByteArray Utf16ToAnsi(const QString& text);

QString OemToUtf16(const QByteArray& bytes);
// Characters that code page 850 cannot hold become "?".
QByteArray Utf16ToOem(const QString& text);
