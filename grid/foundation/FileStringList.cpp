#include "grid/foundation/FileStringList.h"

void TFileStringList::Reset()
{
    fp = 0;
    cache.clear();
}

void TFileStringList::ReadLn(QString& s)
{
    s = Strings(fp);
    ++fp;
}

void TFileStringList::WriteLn(const QString& s)
{
    Add(cache + s);
    cache.clear();
}
