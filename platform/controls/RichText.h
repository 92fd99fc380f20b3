#pragma once
// Formatted text as runs, and the small RTF reader and writer of the
// rich edit. Supported: plain runs, \b \i \ul, \fs (size), \f with the font
// table, \cf with the colour table, \super \sub, \par \line \tab, \uN with
// \ucN fallbacks, \'hh (Windows-1252), the escaped \\ \{ \}. Other groups
// and control words are skipped.
#include "platform/graphics/Color.h"
#include <QByteArray>
#include <QString>
#include <vector>

enum TVerticalOffset { voNone, voSuperscript, voSubscript };

struct TRichTextStyle {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    // Points; 0: the default size.
    int Size = 0;
    // Empty: the default font.
    QString FontName;
    // clDefault: the default text colour.
    TColor Color = clDefault;
    TVerticalOffset Offset = voNone;

    // Masks of the members a style change applies (Style takes the three
    // font styles).
    enum TField { fName = 1, fSize = 2, fColor = 4, fStyle = 8, fOffset = 16 };

    bool operator==(const TRichTextStyle& o) const = default;
};

struct TRichTextRun {
    // "\n" ends a paragraph, U+2028 breaks a line inside one.
    QString Text;
    TRichTextStyle Style;
};

class TRichText {
public:
    const std::vector<TRichTextRun>& Runs() const { return FRuns; }
    // Adds text, joined to the last run when the style is the same.
    void Append(const QString& Text, const TRichTextStyle& Style);
    void Clear() { FRuns.clear(); }
    // The text without formatting; line breaks inside paragraphs become "\n".
    QString PlainText() const;
    bool operator==(const TRichText& o) const;

private:
    std::vector<TRichTextRun> FRuns;
};

// True when the bytes start an RTF document ("{\rtf").
bool IsRtf(const QByteArray& Data);
// Reads an RTF document; text outside any recognised formatting keeps the
// default style. Malformed input never fails: unbalanced groups end at the
// end of the data.
TRichText ReadRtf(const QByteArray& Rtf);
// Writes 7-bit RTF: characters past ASCII as \uN with a "?" fallback.
QByteArray WriteRtf(const TRichText& Text);
