#pragma once
// The mini-markup language: string helpers shared by the renderer and the
// text utilities (attribute search, colour values, numbers, the entity
// pre-pass).
#include "platform/graphics/Color.h"
#include <QString>
#include <QStringView>

namespace markup {

// 1-based position of Sub in S at or after From, ignoring ASCII letter
// case; 0 when absent.
int IPos(QStringView Sub, QStringView S, int From = 1);
// S with a-z turned into A-Z (length kept).
QString UpperAscii(QStringView S);
// S upper-cased character by character (length kept).
QString UpperChars(QStringView S);
// Replaces the first occurrence of Old (ASCII case ignored) by New;
// false when there is none.
bool ReplaceFirstI(QString& S, QStringView Old, QStringView New);
// Removes every occurrence of Old (ASCII case ignored).
void RemoveAllI(QString& S, QStringView Old);
// Lenient integer: leading blanks skipped, "$" or "0x" read as
// hexadecimal, digits up to the first other character; 0 without digits.
int LenientInt(QStringView S);

// Attribute value of Name in Tag: the text between the first double quote
// after the first occurrence of Name (ASCII case ignored) and the next
// double quote. False when Name does not occur; an occurrence without a
// quote after it gives an empty value.
bool AttributeValue(QStringView Tag, QStringView Name, QString& Value);

// "#RRGGBB" (any case) as 0x00BBGGRR; missing or bad digits count 0.
TColor HexColor(QStringView Value);
// Colour name ("clRed", "clBtnFace", ...; ASCII case ignored); black for
// an unknown name.
TColor NamedColor(QStringView Name);
// FONT and P tags: "#..." is hexadecimal, anything else a name.
TColor TagColor(QStringView Value);
// BODY tag: "#" anywhere reads hexadecimal from it, else "CL" anywhere a
// name; black otherwise.
TColor BodyColor(QStringView Value);

// Entity rounds: "&amp;" to "&&", "&quot;", "&sect;", "&permil;", "&reg;",
// "&copy;", "&para;", "&trade;", "&euro;" to their characters, ASCII case
// ignored; each round replaces one occurrence of each, rounds repeat while
// anything changed. Form-control elements ("<CONTROL ...>") are left as
// they are.
void ReplaceEntities(QString& Text);
// "<#" loses its "<" and the first ">" after it is removed.
void UnwrapHashTags(QString& Text);
// Every CR becomes "<BR>", every LF is removed.
void BreaksToTags(QString& Text);
// The three steps above, each only when its trigger character occurs.
void PrepareMarkup(QString& Text);

} // namespace markup
