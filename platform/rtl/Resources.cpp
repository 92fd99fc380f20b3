#include "platform/rtl/Resources.h"
#include <QDir>
#include <QFile>

bool FindRCData(HINSTANCE, const QString& Name, QByteArray& Data)
{
    static const QString folder = QStringLiteral(":/RCDATA/");
    if (Name.isEmpty() || Name.contains(QLatin1Char('/')))
        return false;
    QString path = folder + Name;
    if (!QFile::exists(path)) {
        const QStringList names = QDir(folder).entryList(QDir::Files);
        path.clear();
        for (const QString& n : names)
            if (n.compare(Name, Qt::CaseInsensitive) == 0) {
                path = folder + n;
                break;
            }
        if (path.isEmpty())
            return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    Data = file.readAll();
    return true;
}

bool FindRCData(HINSTANCE Instance, int Id, QByteArray& Data)
{
    return FindRCData(Instance, QString::number(Id), Data);
}
