#pragma once
// Helpers shared by the configuration image builders: little-endian stores
// and the reading of numbers from configuration files.
#include <QString>
#include <QtGlobal>
#include <memory>

class TXMLDocument;
class TXMLNode;

inline void Put_U8(quint8* Buf, int Pos, quint32 Value)
{
    Buf[Pos] = quint8(Value);
}

inline void Put_U16(quint8* Buf, int Pos, quint32 Value)
{
    Buf[Pos] = quint8(Value);
    Buf[Pos + 1] = quint8(Value >> 8);
}

inline void Put_U32(quint8* Buf, int Pos, quint32 Value)
{
    for (int i = 0; i < 4; ++i)
        Buf[Pos + i] = quint8(Value >> (8 * i));
}

// Low 8 bits of the first Max characters of S from Buf[Pos] on; returns the
// number of bytes stored.
int Put_Text8(quint8* Buf, int Pos, const QString& S, int Max);

// Loads a configuration file into a new document; raises the loader's
// error when it cannot be read or parsed.
std::unique_ptr<TXMLDocument> Load_Config_File(const QString& FileName);

// The text of a plain text element of Root (Root may be null); false when
// there is none.
bool Par_Text(TXMLNode* Root, const char* Name, QString& Text);

// True and Value set when S is a number in the shared conversion's
// text forms (64-bit range when Wide, else 32-bit).
bool Text_To_Number(const QString& S, bool Wide, qint64& Value);

// A number attribute that the build cannot do without. Raises
// EConfigImageError naming the file, Where (the row or device) and the
// attribute when it is missing or no number.
qint64 Required_Number(TXMLNode* Node, const QString& Attr, const QString& FileName,
                       const QString& Where, bool Wide = true);

// Raises EConfigImageError "File "F": Where: Msg".
[[noreturn]] void Config_Image_Error(const QString& FileName, const QString& Where,
                                     const QString& Msg);
