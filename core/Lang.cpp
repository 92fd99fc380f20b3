#include "core/Lang.h"

#include "core/BuiltinTexts.h"
#include "core/Globals.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TextFile.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLang, "core.lang")

TStringList* Lang_SL = nullptr;
int Lang_Count = 0;
QString Lang_Load_Error;

namespace {

const QChar Pilcrow(0x00B6);

// Index and text of one "STR<index> = <text>" line; false when the line
// changes nothing.
bool ParseLangLine(const QString& Raw, int& Index, QString& Text)
{
    const QString line = Trim(Raw);
    if (!line.startsWith(u"STR"))
        return false;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    // Between "STR" and "=", leaving out the character just before "=".
    const QString indexText = eq > 4 ? Trim(line.mid(3, eq - 4)) : QString();
    Index = Str_To_Int_Def(indexText, -1);
    if (Index < 0 || Index >= Lang_Count)
        return false;
    Text = Trim(line.mid(eq + 1));
    if (Text.isEmpty())
        return false;
    const qsizetype remark = Text.indexOf(u"/#/");
    if (remark >= 0) {
        Text = Trim(Text.left(remark));
        // Nothing but a remark: the entry keeps its text.
        if (Text.isEmpty())
            return false;
    }
    if (Text.startsWith(Pilcrow))
        Text.remove(0, 1);
    const qsizetype end = Text.indexOf(Pilcrow);
    if (end >= 0)
        Text.truncate(end);
    return true;
}

QString LangFilePath(const QString& Name)
{
    return Language_Dir + QLatin1Char('/') + Name + QStringLiteral(".lng");
}

} // namespace

void Load_Default_Lang()
{
    if (!Lang_SL)
        Lang_SL = new TStringList;
    Lang_SL->Clear();
    int next = 0;
    for (int i = 0; i < Lang_Default_Count; ++i) {
        if (next < Builtin_Text_Count && Builtin_Texts[next].Index == i)
            Lang_SL->Add(QString::fromUtf16(Builtin_Texts[next++].Text));
        else
            Lang_SL->Add(QStringLiteral(" "));
    }
    Lang_Count = Lang_Default_Count;
}

void Apply_Lang_Lines(const QStringList& Lines)
{
    if (!Lang_SL)
        return;
    int index = 0;
    QString text;
    for (const QString& line : Lines) {
        if (ParseLangLine(line, index, text))
            Lang_SL->Put(index, text);
    }
}

void Load_Lang_File(const QString& FileName)
{
    Apply_Lang_Lines(ReadTextFile(FileName));
}

void Load_Language()
{
    Load_Default_Lang();
    Lang_Load_Error.clear();
    QString path = LangFilePath(Language_Name);
    if (!FileExists(path)) {
        Language_Name = QStringLiteral("English");
        path = LangFilePath(Language_Name);
        if (!FileExists(path))
            return;
    }
    try {
        Load_Lang_File(path);
    } catch (const Exception& e) {
        // Nothing was applied: start-up goes on with the built-in texts.
        Lang_Load_Error = e.Message();
        qCWarning(lcLang).noquote() << "language file not read:" << Lang_Load_Error;
    }
}
