#pragma once
// For the demo programs: prints one line of what the program reports, at once.
#include <QString>
#include <cstdio>

inline void Print(const QString& Line)
{
    std::printf("%s\n", qPrintable(Line));
    std::fflush(stdout);
}
