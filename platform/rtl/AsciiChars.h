#pragma once
// Character tests shared by the string sources.
#include <QString>

inline bool IsBlank(QChar c) { return c.unicode() <= 0x20; }

inline bool IsAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}
