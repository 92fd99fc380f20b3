#include "controls/tabs/DeckTabsOptions.h"
#include "controls/tabs/DeckTabsUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"

#include <QStringList>

namespace {

// The held tree of a holder component and the name of its property.
TDeckTabsPersistent* HeldTree(TComponent* Component, QString& Name)
{
    TPersistent* held = nullptr;
    if (auto* options = dynamic_cast<TTabsOptions*>(Component)) {
        Name = QStringLiteral("Options");
        held = options->Options();
    } else if (auto* look = dynamic_cast<TTabsLookAndFeel*>(Component)) {
        Name = QStringLiteral("LookAndFeel");
        held = look->LookAndFeel();
    }
    return dynamic_cast<TDeckTabsPersistent*>(held);
}

void WriteProperties(TDeckTabsPersistent* Object, const QString& Path, QString& Text)
{
    TDeckTabsPropertyList list;
    Object->GetProperties(list);
    for (const TDeckTabsProperty& p : list) {
        if (p.Object)
            WriteProperties(p.Object, Path + p.Name + QLatin1Char('.'), Text);
        else
            Text += QStringLiteral("  ") + Path + p.Name + QStringLiteral(" = ") + p.Get() + QStringLiteral("\r\n");
    }
}

[[noreturn]] void NoProperty(const QString& Path)
{
    throw EReadError(QStringLiteral("Property %1 does not exist").arg(Path));
}

void SetProperty(TDeckTabsPersistent* Root, const QString& RootName, const QString& Path, const QString& Value)
{
    const QStringList parts = Path.split(QLatin1Char('.'));
    if (!Root || parts.size() < 2 || parts[0].compare(RootName, Qt::CaseInsensitive) != 0)
        NoProperty(Path);
    TDeckTabsPersistent* object = Root;
    for (int i = 1; i < parts.size(); ++i) {
        TDeckTabsPropertyList list;
        object->GetProperties(list);
        auto it = std::find_if(list.begin(), list.end(), [&](const TDeckTabsProperty& p) {
            return p.Name.compare(parts[i], Qt::CaseInsensitive) == 0;
        });
        if (it == list.end())
            NoProperty(Path);
        const bool last = i == parts.size() - 1;
        if (last != !it->Object)
            NoProperty(Path);
        if (last)
            it->Set(Value);
        else
            object = it->Object;
    }
}

QStringList TextLines(const QString& Text)
{
    QString t = Text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = t.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

void ComponentToTextStream(TComponent* Component, TStream* Stream)
{
    QString text = QStringLiteral("object ");
    if (!Component->Name().isEmpty())
        text += Component->Name() + QStringLiteral(": ");
    text += Component->ClassName() + QStringLiteral("\r\n");
    QString name;
    if (TDeckTabsPersistent* tree = HeldTree(Component, name))
        WriteProperties(tree, name + QLatin1Char('.'), text);
    text += QStringLiteral("end\r\n");
    Stream->WriteBytes(text.toUtf8());
}

void TextStreamToComponent(TComponent* Component, TStream* Stream)
{
    const QByteArray bytes = Stream->ReadAll();
    const QStringList lines = TextLines(QString::fromUtf8(bytes));
    QString rootName;
    TDeckTabsPersistent* root = HeldTree(Component, rootName);
    int i = 0;
    while (i < lines.size() && lines[i].trimmed().isEmpty())
        ++i;
    if (i >= lines.size() || !lines[i].trimmed().startsWith(QLatin1String("object ")))
        throw EReadError(QStringLiteral("Invalid stream format: 'object' expected"));
    for (++i; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (line == QLatin1String("end"))
            return;
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (eq <= 0)
            throw EReadError(QStringLiteral("Invalid stream format: line %1: '=' expected").arg(i + 1));
        SetProperty(root, rootName, line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    throw EReadError(QStringLiteral("Invalid stream format: 'end' expected"));
}

QString ComponentToCodeText(TComponent* Component, const QString& Prefix)
{
    TMemoryStream stream;
    ComponentToTextStream(Component, &stream);
    stream.SetPosition(0);
    QStringList lines = TextLines(QString::fromUtf8(stream.ReadAll()));
    if (lines.size() <= 2)
        return QString();
    lines.removeFirst();
    lines.removeLast();
    QString result;
    for (const QString& raw : lines) {
        QString line = raw.trimmed();
        // Only the separator: a string value keeps any " = " of its own.
        const int eq = int(line.indexOf(QLatin1String(" = ")));
        if (eq >= 0)
            line.replace(eq, 3, QStringLiteral(" := "));
        result += Prefix + QLatin1Char('.') + line + QStringLiteral(";\r\n");
    }
    return result;
}
