#pragma once
// Files the fuzz entries hand to readers that take a file name: written
// whole (replacing the last one of that name) in a folder of the run.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

inline QString FuzzFilePath(const QString& Name)
{
    static QTemporaryDir dir;
    return dir.filePath(Name);
}

inline QString WriteFuzzFile(const QString& Name, const QByteArray& Bytes)
{
    const QString path = FuzzFilePath(Name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Bytes) != Bytes.size())
        std::abort();
    return path;
}
