#include "platform/controls/RichText.h"
#include "platform/rtl/CodePages.h"
#include <QHash>
#include <QSet>

void TRichText::Append(const QString& Text, const TRichTextStyle& Style)
{
    if (Text.isEmpty())
        return;
    if (!FRuns.empty() && FRuns.back().Style == Style)
        FRuns.back().Text += Text;
    else
        FRuns.push_back({Text, Style});
}

QString TRichText::PlainText() const
{
    QString s;
    for (const TRichTextRun& r : FRuns)
        s += r.Text;
    s.replace(QChar(0x2028), u'\n');
    return s;
}

bool TRichText::operator==(const TRichText& o) const
{
    if (FRuns.size() != o.FRuns.size())
        return false;
    for (std::size_t i = 0; i < FRuns.size(); ++i)
        if (FRuns[i].Text != o.FRuns[i].Text || !(FRuns[i].Style == o.FRuns[i].Style))
            return false;
    return true;
}

bool IsRtf(const QByteArray& Data) { return Data.startsWith("{\\rtf"); }

// Reader

namespace {

enum class RtfDestination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    TRichTextStyle Style;
    RtfDestination Dest = RtfDestination::Text;
    int UnicodeSkip = 1;
    int FontNumber = -1;
};

class RtfReader {
public:
    explicit RtfReader(const QByteArray& Data) : FData(Data) {}
    TRichText Read();

private:
    void ControlWord(const QByteArray& Word, bool HasParam, int Param);
    void Text(const QString& s);
    void Flush();
    bool Eof() const { return FPos >= FData.size(); }

    const QByteArray& FData;
    qsizetype FPos = 0;
    std::vector<GroupState> FStack;
    GroupState FState;
    TRichText FResult;
    QString FPending;
    TRichTextStyle FPendingStyle;
    QHash<int, QString> FFonts;
    QString FFontName;
    std::vector<TColor> FColors;
    int FRed = -1, FGreen = -1, FBlue = -1;
    int FSkipChars = 0;
    bool FStarStar = false;
};

// Groups whose content is never text.
const QSet<QByteArray>& SkippedDestinations()
{
    static const QSet<QByteArray> s = {
        "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr", "headerf",
        "footerl", "footerr", "footerf", "listtable", "listoverridetable", "rsidtbl", "generator",
        "xmlnstbl", "themedata", "colorschememapping", "latentstyles", "datastore", "fldinst",
        "filetbl", "revtbl", "footnote", "bkmkstart", "bkmkend", "nonshppict", "shppict", "txfieldtext"};
    return s;
}

void RtfReader::Flush()
{
    if (FPending.isEmpty())
        return;
    FResult.Append(FPending, FPendingStyle);
    FPending.clear();
}

void RtfReader::Text(const QString& s)
{
    if (FState.Dest == RtfDestination::Skip)
        return;
    if (FState.Dest == RtfDestination::FontTable) {
        for (QChar c : s) {
            if (c == u';') {
                if (FState.FontNumber >= 0)
                    FFonts.insert(FState.FontNumber, FFontName.trimmed());
                FFontName.clear();
            } else {
                FFontName += c;
            }
        }
        return;
    }
    if (FState.Dest == RtfDestination::ColorTable) {
        for (QChar c : s) {
            if (c != u';')
                continue;
            FColors.push_back(FRed < 0 && FGreen < 0 && FBlue < 0
                                  ? clDefault
                                  : RGB(std::max(FRed, 0), std::max(FGreen, 0), std::max(FBlue, 0)));
            FRed = FGreen = FBlue = -1;
        }
        return;
    }
    QString text;
    // Control characters other than tab and paragraph end are not text.
    for (QChar c : s)
        if (c.unicode() >= 0x20 || c == u'\t' || c == u'\n')
            text += c;
    if (text.isEmpty())
        return;
    if (!(FState.Style == FPendingStyle))
        Flush();
    FPendingStyle = FState.Style;
    FPending += text;
}

void RtfReader::ControlWord(const QByteArray& w, bool HasParam, int Param)
{
    TRichTextStyle& st = FState.Style;
    bool on = !HasParam || Param != 0;
    if (FStarStar) {
        FStarStar = false;
        FState.Dest = RtfDestination::Skip;
        return;
    }
    if (w == "fonttbl") FState.Dest = RtfDestination::FontTable;
    else if (w == "colortbl") FState.Dest = RtfDestination::ColorTable;
    else if (SkippedDestinations().contains(w)) FState.Dest = RtfDestination::Skip;
    else if (w == "red") FRed = Param;
    else if (w == "green") FGreen = Param;
    else if (w == "blue") FBlue = Param;
    else if (w == "f") {
        if (FState.Dest == RtfDestination::FontTable)
            FState.FontNumber = Param;
        else
            st.FontName = FFonts.value(Param);
    }
    else if (w == "b") st.Bold = on;
    else if (w == "i") st.Italic = on;
    else if (w == "ul") st.Underline = on;
    else if (w == "ulnone") st.Underline = false;
    else if (w == "fs") st.Size = HasParam ? Param / 2 : 0;
    else if (w == "cf") st.Color = Param >= 0 && Param < int(FColors.size()) ? FColors[std::size_t(Param)] : clDefault;
    else if (w == "super") st.Offset = voSuperscript;
    else if (w == "sub") st.Offset = voSubscript;
    else if (w == "nosupersub") st.Offset = voNone;
    else if (w == "plain") st = TRichTextStyle();
    else if (w == "par") Text(QStringLiteral("\n"));
    else if (w == "line") Text(QString(QChar(0x2028)));
    else if (w == "tab") Text(QStringLiteral("\t"));
    else if (w == "emdash") Text(QString(QChar(0x2014)));
    else if (w == "endash") Text(QString(QChar(0x2013)));
    else if (w == "bullet") Text(QString(QChar(0x2022)));
    else if (w == "lquote") Text(QString(QChar(0x2018)));
    else if (w == "rquote") Text(QString(QChar(0x2019)));
    else if (w == "ldblquote") Text(QString(QChar(0x201C)));
    else if (w == "rdblquote") Text(QString(QChar(0x201D)));
    else if (w == "uc") FState.UnicodeSkip = std::max(Param, 0);
    else if (w == "u") {
        int code = Param < 0 ? Param + 65536 : Param;
        Text(QString(QChar(char16_t(code & 0xFFFF))));
        FSkipChars = FState.UnicodeSkip;
    }
}

TRichText RtfReader::Read()
{
    while (!Eof()) {
        char c = FData[FPos];
        if (c == '{') {
            ++FPos;
            FStack.push_back(FState);
            FState.FontNumber = -1;
            continue;
        }
        if (c == '}') {
            ++FPos;
            if (FStack.empty())
                break;
            if (FState.Dest == RtfDestination::FontTable && FState.FontNumber >= 0 && !FFontName.trimmed().isEmpty()) {
                FFonts.insert(FState.FontNumber, FFontName.trimmed());
                FFontName.clear();
            }
            FState = FStack.back();
            FStack.pop_back();
            FSkipChars = 0;
            continue;
        }
        if (c == '\r' || c == '\n') {
            ++FPos;
            continue;
        }
        if (c != '\\') {
            ++FPos;
            if (FSkipChars > 0) {
                --FSkipChars;
                continue;
            }
            Text(AnsiToUtf16(QByteArray(1, c)));
            continue;
        }
        // A control symbol or word.
        ++FPos;
        if (Eof())
            break;
        char n = FData[FPos];
        if (n == '\'') {
            bool ok = false;
            int byte = FData.mid(FPos + 1, 2).toInt(&ok, 16);
            FPos += 3;
            if (FSkipChars > 0) {
                --FSkipChars;
                continue;
            }
            if (ok)
                Text(AnsiToUtf16(QByteArray(1, char(byte))));
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(n))) {
            ++FPos;
            if (FSkipChars > 0) {
                --FSkipChars;
                continue;
            }
            switch (n) {
            case '\\': Text(QStringLiteral("\\")); break;
            case '{': Text(QStringLiteral("{")); break;
            case '}': Text(QStringLiteral("}")); break;
            case '~': Text(QString(QChar(0xA0))); break;
            case '_': Text(QString(QChar(0x2011))); break;
            case '*': FStarStar = true; break;
            case '\r':
            case '\n': Text(QStringLiteral("\n")); break;
            default: break;
            }
            continue;
        }
        qsizetype start = FPos;
        while (!Eof() && std::isalpha(static_cast<unsigned char>(FData[FPos])))
            ++FPos;
        QByteArray word = FData.mid(start, FPos - start);
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (!Eof() && FData[FPos] == '-') {
            negative = true;
            ++FPos;
        }
        qsizetype digits = FPos;
        // Parameters are capped so that a long run of digits cannot overflow.
        while (!Eof() && std::isdigit(static_cast<unsigned char>(FData[FPos]))) {
            if (FPos - digits < 9)
                param = param * 10 + (FData[FPos] - '0');
            ++FPos;
        }
        hasParam = FPos > digits;
        if (negative)
            param = -param;
        if (!Eof() && FData[FPos] == ' ')
            ++FPos;
        if (FSkipChars > 0 && word != "u") {
            --FSkipChars;
            continue;
        }
        ControlWord(word, hasParam, param);
    }
    Flush();
    return FResult;
}

// Writer

QByteArray Escape(const QString& s)
{
    QByteArray out;
    for (QChar c : s) {
        char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\n') {
            out += "\\par\n";
        } else if (u == 0x2028) {
            out += "\\line ";
        } else if (u == u'\t') {
            out += "\\tab ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u < 0x20) {
            continue;
        } else {
            out += "\\u" + QByteArray::number(int(std::int16_t(u))) + '?';
        }
    }
    return out;
}

} // namespace

TRichText ReadRtf(const QByteArray& Rtf)
{
    RtfReader reader(Rtf);
    return reader.Read();
}

QByteArray WriteRtf(const TRichText& Text)
{
    QStringList fonts;
    std::vector<TColor> colors;
    for (const TRichTextRun& r : Text.Runs()) {
        if (!r.Style.FontName.isEmpty() && !fonts.contains(r.Style.FontName))
            fonts << r.Style.FontName;
        if (r.Style.Color != clDefault && std::find(colors.begin(), colors.end(), r.Style.Color) == colors.end())
            colors.push_back(r.Style.Color);
    }
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0";
    if (!fonts.isEmpty()) {
        out += "{\\fonttbl";
        for (int i = 0; i < fonts.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fnil " + Escape(fonts[i]) + ";}";
        out += '}';
    }
    if (!colors.empty()) {
        out += "{\\colortbl ;";
        for (TColor c : colors)
            out += "\\red" + QByteArray::number(GetRValue(c)) + "\\green" + QByteArray::number(GetGValue(c))
                   + "\\blue" + QByteArray::number(GetBValue(c)) + ';';
        out += '}';
    }
    out += "\n\\uc1\\pard";
    for (const TRichTextRun& r : Text.Runs()) {
        const TRichTextStyle& s = r.Style;
        out += "\\plain";
        if (!s.FontName.isEmpty())
            out += "\\f" + QByteArray::number(fonts.indexOf(s.FontName));
        if (s.Size > 0)
            out += "\\fs" + QByteArray::number(s.Size * 2);
        if (s.Bold)
            out += "\\b";
        if (s.Italic)
            out += "\\i";
        if (s.Underline)
            out += "\\ul";
        if (s.Offset == voSuperscript)
            out += "\\super";
        else if (s.Offset == voSubscript)
            out += "\\sub";
        if (s.Color != clDefault)
            out += "\\cf" + QByteArray::number(int(std::find(colors.begin(), colors.end(), s.Color) - colors.begin()) + 1);
        out += ' ';
        out += Escape(r.Text);
    }
    out += "}\n";
    return out;
}
