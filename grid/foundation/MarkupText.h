#pragma once
// Mini-markup texts as strings: plain text, search highlighting, entity
// escaping and the embedded form-control elements ("<CONTROL ...>").
// Nothing here draws.
#include <QString>

// Plain text: "<BR>" and "<HR>" (any case) become CR LF, every other tag
// from "<" to the next ">" is removed; from a "<" without a ">" after it
// the rest is kept as it stands. Entities are not converted.
QString StripHTMLTags(const QString& HTML);

// The text outside tags; from the first "<" without a ">" after it the rest
// is copied unchanged.
QString VisibleHTMLText(const QString& HTML);
// 1-based index in HTML in front of visible character N (before any tag
// that precedes it); the length + 1 for one past the last visible
// character, 0 further on.
int VisibleToMarkupIndex(const QString& HTML, int N);
// Offset + the 1-based position of Text in S without its first Offset
// characters, or 0. Without DoCase both sides are upper-cased.
int FindTextAfter(const QString& Text, const QString& S, int Offset, bool DoCase);

// Wraps every occurrence of Text in the visible text of HTML in
// "<Tag>" ... "</Tag>". Note: the character right after a match is not
// searched from, so two adjacent occurrences mark only the first.
QString HilightHTMLText(const QString& HTML, const QString& Text, const QString& Tag, bool DoCase);
// Removes every "<Tag>" and "</Tag>" (any case), then turns "&lt;" and
// "&gt;" back into "<" and ">".
QString UnHilightHTMLText(const QString& HTML, const QString& Tag);

// "&", double quote, "<" and ">" as entities; with NamedLetters also the
// accented letters and signs of the named-letter table.
QString EscapeHTML(const QString& S, bool NamedLetters);
// The reverse, in the order "&lt;", "&gt;", "&amp;", "&quot;", then the
// named letters (exact case). Note: "&amp;eacute;" ends as the letter.
QString UnescapeHTML(const QString& S, bool NamedLetters);
// Every blank becomes "&nbsp;".
QString SpacesToNbsp(const QString& S);

// The attributes of one form-control element, each empty when absent.
struct TControlTagFields {
    QString Type; // upper-cased
    QString ID;
    QString MaxLen;
    QString Prop; // unescaped with named letters
    QString Height;
    QString Width;
    QString Value; // unescaped with named letters
};
// Parses the text of a "<CONTROL ...>" element (NAME= found in the
// upper-cased text, the value between the next two double quotes).
TControlTagFields ParseControlTag(const QString& Tag);

// "<CONTROL" occurs in the text, any case.
bool HasControlTag(const QString& S);
// ID of the first element after the one with ID (the first of the text
// when ID is empty) whose TYPE is not BUTTON, CHECK or RADIO; empty when
// there is none.
QString NextEditControlID(const QString& S, const QString& ID);
// S with every RADIO element set to "FALSE".
QString ClearRadioControls(const QString& S);
// The unescaped VALUE of the first element with ID; false when none.
bool GetControlValue(const QString& S, const QString& ID, QString& Value);
// PROP of the first element with ID; empty when none.
QString GetControlProp(const QString& S, const QString& ID);
// MAXLEN of the first element with ID, read leniently; 0 when none.
int GetControlMaxLen(const QString& S, const QString& ID);
// Rewrites the first element with ID with VALUE = Value (escaped), keeping
// WIDTH, TYPE and, when present, PROP, MAXLEN and HEIGHT. False and S
// unchanged when no element has that ID.
bool SetControlValue(QString& S, const QString& ID, const QString& Value);
