#pragma once
// Whole files as bytes, for tests.
#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}
