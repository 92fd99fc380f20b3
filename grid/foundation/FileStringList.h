#pragma once
// TFileStringList: a string list read and written line by line like a
// text file.
#include "platform/rtl/StringList.h"

class TFileStringList : public TStringList {
public:
    // Read position 0, pending output line emptied.
    void Reset();
    // The read position is past the last line.
    bool Eof() const { return fp >= Count(); }
    // The line at the read position, which then advances. Note: reading
    // past the end raises the list's index error.
    void ReadLn(QString& s);
    // Appends to the pending output line.
    void Write(const QString& s) { cache += s; }
    // Adds the pending output line followed by s as a new line.
    void WriteLn(const QString& s);

private:
    int fp = 0;
    QString cache;
};
