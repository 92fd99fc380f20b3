#pragma once
// A small writer of Access (Jet 4) database files for tests: one user table,
// no indexes, every row on one data page. No Debian tool writes such files,
// so the tests make their fixtures with this and check them with the
// mdbtools command-line programs.
#include <QByteArray>
#include <QString>
#include <QVariant>
#include <vector>

namespace JetWriter {

enum class TColumnType { Text, Long, Double };

struct TColumn {
    QString Name;
    TColumnType Type = TColumnType::Text;
};

// The file's bytes. A null QVariant is a null field. Raises std::runtime_error
// when the rows do not fit one page.
QByteArray WriteDatabase(const QString& table, const std::vector<TColumn>& columns,
                         const std::vector<std::vector<QVariant>>& rows);

} // namespace JetWriter
