#pragma once
// String transforms of the grid library: CSV quoting, line-break forms,
// code pages, packed wide text, URLs and cell addresses, and small
// position and clamp routines. Positions are 1-based, 0 meaning none.
#include "platform/controls/GridSelection.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Types.h"
#include <QChar>
#include <QString>

class TStrings;

// CSV and quoted fields
QString DoubleQuoteChars(const QString& S);
// Every pair Ch Ch becomes one Ch, left to right.
QString UndoubleChar(QChar Ch, const QString& S);
// Every CR LF becomes VT, then S is enclosed in double quotes (inner
// quotes are not doubled).
void QuoteMultiLine(QString& S);
// The end of the first run of Ch of odd length, or a Ch that ends S
// (a closing quote where doubled quotes are escapes); 0 when none.
int UnpairedCharPos(QChar Ch, const QString& S, int& Pos);
int CountUnpairedChars(QChar Ch, const QString& S);
int CountChar(QChar Ch, const QString& S);

// Line-break forms
// The CR of every CR LF removed.
void CRLFToLF(QString& S);
void VTToCRLF(QString& S);
// CR becomes "~", LF is dropped.
void CRToTilde(QString& S);
// "~" becomes CR LF; a result of exactly "^" becomes empty.
void TildeToCRLF(QString& S);
// Every two-character "\n" becomes CR.
QString BackslashNToCR(const QString& S);
// CR becomes "\n", LF is dropped.
QString CRToBackslashN(const QString& S);
// CR becomes "<br>", LF is kept.
QString CRToHTMLBreak(const QString& S);
QString RemoveCR(const QString& S);
QString CRToLF(const QString& S);
// Number of CR plus 1 with MultiLine, else 1.
int CountLines(const QString& S, bool MultiLine);
// Line = the text before the first CR; S loses it, the CR and one LF, and
// keeps the rest only with KeepRest. Without CR, Line = S and S empties.
void SplitFirstLine(QString& S, bool KeepRest, QString& Line);
// A cell on one line of the text cell file: for a text holding CR,
// CR -> TAB, LF -> BS, #0 -> #1.
QString EncodeCellBreaks(const QString& S);
// The reverse for a text holding BS; without AllLines only the first line.
QString DecodeCellBreaks(const QString& S, bool AllLines);

// Code pages and packed wide text
// S in the OEM code page, held as ANSI text (writing it as ANSI yields
// the OEM bytes).
void ConvertToOEM(QString& S);
// S written as ANSI bytes and read back as OEM text.
void ConvertFromOEM(QString& S);
// "|\" then two characters (high byte, low byte) per UTF-16 code unit.
QString PackWideText(const QString& W);
// The reverse for a text starting with "|\"; other texts come back as they are.
QString UnpackWideText(const QString& S);
int WideTextPos(const QString& Sub, const QString& S);

// URLs, HTML and cell addresses
// S contains "://" or "mailto:".
bool ContainsURL(const QString& S);
// Deletes up to the first "://", else up to the first "mailto:".
void StripURLProtocol(QString& S);
// Links the first occurrence of Prefix (upper-case, found in the
// upper-cased S) after escaping "<" and ">"; False and Result untouched
// when Prefix is absent.
bool MakeURLLink(const QString& S, const QString& Prefix, QString& Result);
// "RRGGBB" from the colour value's own bits.
QString ColorToHTMLHex(TColor Color);
// "R12C3" (any case): Cell.X = 3, Cell.Y = 12.
bool ParseCellAddress(const QString& S, TPoint& Cell);

// Small routines
int MaxOf(int A, int B);
int MinOf(int A, int B);
// Value kept within Min and Max; a limit of 0 or less means none, and
// Min = Max means no limits.
int ClampToLimits(int Value, int Min, int Max);
bool CellInGridRect(const TGridRect& Rect, int Col, int Row);
// Note: Pos is written only when Ch is found.
int FindCharPos(QChar Ch, const QString& S, int& Pos);
int FirstCharPos(QChar Ch, const QString& S);
int FindSubPos(const QString& Sub, const QString& S, int& Pos);
// Position of Sub in the (ASCII) upper-cased S; Sub is taken as given.
int UpperCasePos(const QString& Sub, const QString& S);
// The text before Sep; S loses it and Sep's first character. Empty and S
// unchanged when Sep is absent.
QString SplitOffToken(QString& S, const QString& Sep);
QString ConcatLines(TStrings* Lines);
void FillWithChar(QString& S, QChar Ch);
