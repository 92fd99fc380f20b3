#pragma once
// The parameter file "ParGen.xml": root "Par_Gen", the comment
// "SW_VERSION = 1.000" after it, then 44 text elements in a fixed order.
// The editor keeps one text per element in that order: numbers as typed,
// list choices as the decimal item index, flags as "1" or "0".
#include <QString>
#include <QStringList>

class TXMLDocument;

enum TParGen_Kind {
    pkText,   // taken as it stands (also when empty)
    pkList,   // index into a list of List_Count items
    pkFlag    // "1" on, anything else off
};

struct TParGen_Element {
    const char* Name;
    const char* Default;
    TParGen_Kind Kind;
    int List_Count;   // pkList only
};

constexpr int ParGen_Count = 44;
// The elements in the order they are written.
extern const TParGen_Element ParGen_Elements[ParGen_Count];

// Position of the element in ParGen_Elements, -1 when unknown.
int ParGen_Index(const QString& Name);

// The defaults of all elements, in order.
QStringList ParGen_Defaults();

// Reads FileName into XML and returns the 44 texts. A missing file, a
// missing root or element, or an element holding elements gives the
// default. A list text that is no integer or lies outside its list gives
// the default too; a flag reads as "1" or "0". Of a file that cannot be
// opened or is damaged the elements read whole before the damage are used
// and Error (when given) gets the reason, naming the file and, for damage,
// its line and column; it is emptied otherwise.
QStringList Read_ParGen_File(TXMLDocument* XML, const QString& FileName, QString* Error = nullptr);

// Rewrites FileName whole from the 44 texts (atomically). Raises the
// document's error when the file cannot be written.
void Write_ParGen_File(TXMLDocument* XML, const QString& FileName, const QStringList& Values);
