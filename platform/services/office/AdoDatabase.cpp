// Database connection and record set over Access (.mdb) files.
#include "platform/services/office/Automation.h"
#include "platform/services/office/OfficePackage.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/SysUtils.h"

#include <QDateTime>
#include <QFile>
#include <QHash>

extern "C" {
#include <mdbsql.h>
#include <mdbtools.h>
}

namespace Automation {

void CheckServer(const QString& progId);

using namespace Detail;

struct TAdoConnection::TData {
    QString FileName;
    bool Open = false;
};

TAdoConnection::TAdoConnection() : FData(std::make_unique<TData>())
{
    CheckServer(QStringLiteral("ADODB.Connection"));
}

TAdoConnection::~TAdoConnection() = default;

void TAdoConnection::Open(const QString& connectionString)
{
    QString file;
    for (const QString& item : connectionString.split(u';')) {
        int eq = item.indexOf(u'=');
        if (eq > 0 && item.left(eq).trimmed().compare(QLatin1String("DBQ"), Qt::CaseInsensitive) == 0)
            file = item.mid(eq + 1).trimmed();
    }
    if (file.isEmpty())
        throw EOleException(QStringLiteral("The connection names no database file (DBQ=)"));
    switch (SniffFile(file)) {
    case TFileKind::Missing:
        throw EOleException(QStringLiteral("The database %1 cannot be opened: no such file").arg(file));
    case TFileKind::Jet:
        break;
    default:
        throw EOleException(QStringLiteral("%1 is no Access database: this database format is not supported").arg(file));
    }
    FData->FileName = file;
    FData->Open = true;
}

void TAdoConnection::Close()
{
    FData->Open = false;
}

bool TAdoConnection::Connected() const
{
    return FData->Open;
}

TAdoRecordSet::TAdoRecordSet()
{
    CheckServer(QStringLiteral("ADODB.RecordSet"));
}

TAdoRecordSet::~TAdoRecordSet() = default;

namespace {

// A field's text as a record set gives it: numbers with the format
// settings, dates as date and time, booleans as words.
QString FieldText(const char* raw, int type)
{
    QString s = QString::fromUtf8(raw);
    if (s.isEmpty())
        return s;
    switch (type) {
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC: {
        bool ok;
        double d = s.toDouble(&ok);
        return ok ? FloatToStr(d) : s;
    }
    case MDB_DATETIME: {
        QDateTime dt = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (!dt.isValid())
            return s;
        TDateTime v = EncodeDate(dt.date().year(), dt.date().month(), dt.date().day())
            + EncodeTime(dt.time().hour(), dt.time().minute(), dt.time().second(), 0);
        return dt.time() == QTime(0, 0) ? DateToStr(v) : DateTimeToStr(v);
    }
    case MDB_BOOL:
        return (s == QLatin1String("1") || s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return s;
    }
}

} // namespace

void TAdoRecordSet::Open(const QString& sql)
{
    if (!ActiveConnection || !ActiveConnection->Connected())
        throw EOleException(QStringLiteral("The record set has no open connection"));
    FNames.clear();
    FRows.clear();
    FPos = 0;
    MdbSQL* engine = mdb_sql_init();
    struct TEngine {
        MdbSQL* E;
        ~TEngine() { mdb_sql_exit(E); }
    } guard{engine};
    QByteArray path = QFile::encodeName(ActiveConnection->FData->FileName);
    if (!mdb_sql_open(engine, path.data()))
        throw EOleException(QStringLiteral("The database %1 cannot be opened").arg(ActiveConnection->FData->FileName));
    mdb_set_date_fmt(engine->mdb, "%Y-%m-%d %H:%M:%S");
    mdb_set_boolean_fmt_numbers(engine->mdb);
    QByteArray query = sql.toUtf8();
    mdb_sql_run_query(engine, query.constData());
    if (mdb_sql_has_error(engine)) {
        QString msg = QString::fromUtf8(mdb_sql_last_error(engine));
        throw EOleException(QStringLiteral("The query failed: %1").arg(msg.isEmpty() ? sql : msg));
    }
    MdbTableDef* table = engine->cur_table;
    if (!table)
        throw EOleException(QStringLiteral("The query failed: %1").arg(sql));
    QHash<QString, int> types;
    for (unsigned int i = 0; i < table->num_cols; ++i) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        types.insert(QString::fromUtf8(col->name).toLower(), col->col_type);
    }
    std::vector<int> colTypes;
    for (unsigned int j = 0; j < engine->num_columns; ++j) {
        auto* col = static_cast<MdbSQLColumn*>(g_ptr_array_index(engine->columns, j));
        FNames << QString::fromUtf8(col->name);
        colTypes.push_back(types.value(FNames.last().toLower(), MDB_TEXT));
    }
    // The engine binds its columns when the query runs; older ones do not.
    if (engine->bound_values->len < engine->num_columns)
        mdb_sql_bind_all(engine);
    while (mdb_sql_fetch_row(engine, table)) {
        QStringList row;
        for (unsigned int j = 0; j < engine->num_columns; ++j)
            row << FieldText(static_cast<const char*>(g_ptr_array_index(engine->bound_values, j)), colTypes[j]);
        FRows.push_back(row);
    }
    mdb_sql_reset(engine);
}

void TAdoRecordSet::Close()
{
    FNames.clear();
    FRows.clear();
    FPos = 0;
}

QString TAdoRecordSet::FieldValue(int index) const
{
    if (Eof())
        throw EOleException(QStringLiteral("Either BOF or EOF is True, or the current record has been deleted"));
    const QStringList& row = FRows[FPos];
    if (index < 0 || index >= row.size())
        throw EOleException(QStringLiteral("Item cannot be found in the collection"));
    return row.at(index);
}

void TAdoRecordSet::MoveNext()
{
    if (!Eof())
        ++FPos;
}

} // namespace Automation
