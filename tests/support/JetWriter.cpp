#include "tests/support/JetWriter.h"

#include <QtEndian>
#include <cstring>
#include <stdexcept>

namespace JetWriter {

namespace {

constexpr int PageSize = 4096;

// Column types as the file stores them.
enum : quint8 { tInt = 0x03, tLong = 0x04, tDouble = 0x07, tText = 0x0A, tOle = 0x0B };

struct TCol {
    QString Name;
    quint8 Type;
    bool Fixed;
    int Size;        // bytes of a fixed column, the maximum of a text column
    int FixedOffset; // in the fixed area
    int VarIndex;    // in the variable-offset table
};

void Put8(QByteArray& b, int at, int v) { b[at] = char(v & 0xFF); }
void Put16(QByteArray& b, int at, int v) { qToLittleEndian<quint16>(quint16(v), b.data() + at); }
void Put32(QByteArray& b, int at, qint64 v) { qToLittleEndian<quint32>(quint32(v), b.data() + at); }

QByteArray Ucs2(const QString& s)
{
    QByteArray out;
    for (QChar c : s) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

std::vector<TCol> Layout(const std::vector<std::pair<QString, quint8>>& defs)
{
    std::vector<TCol> cols;
    int fixedOffset = 0, varIndex = 0;
    for (const auto& [name, type] : defs) {
        TCol c{name, type, type != tText && type != tOle, 0, 0, 0};
        c.Size = type == tInt ? 2 : type == tLong ? 4 : type == tDouble ? 8 : type == tText ? 510 : 0;
        if (c.Fixed) {
            c.FixedOffset = fixedOffset;
            fixedOffset += c.Size;
        } else {
            c.VarIndex = varIndex++;
        }
        cols.push_back(c);
    }
    return cols;
}

QByteArray EncodeRow(const std::vector<TCol>& cols, const std::vector<QVariant>& values)
{
    const int n = int(cols.size());
    int fixedSize = 0, varCount = 0;
    for (const TCol& c : cols) {
        if (c.Fixed)
            fixedSize += c.Size;
        else
            ++varCount;
    }
    QByteArray row(2 + fixedSize, '\0');
    Put16(row, 0, n);
    QByteArray nullMask((n + 7) / 8, '\0');
    std::vector<int> varOffsets(size_t(varCount), 0);
    for (int i = 0; i < n; ++i) {
        const TCol& c = cols[size_t(i)];
        const QVariant v = size_t(i) < values.size() ? values[size_t(i)] : QVariant();
        if (!v.isNull())
            nullMask[i / 8] = char(nullMask[i / 8] | (1 << (i % 8)));
        if (!c.Fixed || v.isNull())
            continue;
        const int at = 2 + c.FixedOffset;
        if (c.Type == tInt)
            Put16(row, at, v.toInt());
        else if (c.Type == tLong)
            Put32(row, at, v.toLongLong());
        else if (c.Type == tDouble)
            qToLittleEndian<double>(v.toDouble(), row.data() + at);
    }
    for (int i = 0; i < n; ++i) {
        const TCol& c = cols[size_t(i)];
        if (c.Fixed)
            continue;
        varOffsets[size_t(c.VarIndex)] = int(row.size());
        const QVariant v = size_t(i) < values.size() ? values[size_t(i)] : QVariant();
        if (!v.isNull() && c.Type == tText)
            row.append(Ucs2(v.toString()));
    }
    const int eod = int(row.size());
    QByteArray tail(2 + 2 * varCount + 2, '\0');
    Put16(tail, 0, eod);
    for (int i = 0; i < varCount; ++i)
        Put16(tail, 2 + 2 * (varCount - 1 - i), varOffsets[size_t(i)]);
    Put16(tail, 2 + 2 * varCount, varCount);
    return row + tail + nullMask;
}

QByteArray DataPage(int tdefPage, const std::vector<QByteArray>& rows)
{
    QByteArray p(PageSize, '\0');
    Put8(p, 0, 0x01);
    Put8(p, 1, 0x01);
    Put32(p, 4, tdefPage);
    Put16(p, 12, int(rows.size()));
    int end = PageSize;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int start = end - int(rows[i].size());
        if (start < 14 + 2 * int(rows.size()))
            throw std::runtime_error("the rows do not fit one page");
        std::memcpy(p.data() + start, rows[i].constData(), size_t(rows[i].size()));
        Put16(p, 14 + 2 * int(i), start);
        end = start;
    }
    Put16(p, 2, end - (14 + 2 * int(rows.size())));
    return p;
}

QByteArray TdefPage(bool system, int numRows, const std::vector<TCol>& cols, int usedMap, int freeMap)
{
    QByteArray p(PageSize, '\0');
    Put8(p, 0, 0x02);
    Put8(p, 1, 0x01);
    int varCount = 0;
    for (const TCol& c : cols)
        varCount += c.Fixed ? 0 : 1;
    Put32(p, 16, numRows);
    Put8(p, 40, system ? 0x53 : 0x4E);
    Put16(p, 41, int(cols.size()));
    Put16(p, 43, varCount);
    Put16(p, 45, int(cols.size()));
    Put32(p, 47, 0);
    Put32(p, 51, 0);
    Put32(p, 55, usedMap);
    Put32(p, 59, freeMap);
    int at = 63;
    for (size_t i = 0; i < cols.size(); ++i, at += 25) {
        const TCol& c = cols[i];
        Put8(p, at, c.Type);
        Put16(p, at + 5, int(i));
        Put16(p, at + 7, c.Fixed ? 0 : c.VarIndex);
        Put16(p, at + 9, int(i));
        Put16(p, at + 11, c.Type == tText ? 0x0409 : 0);
        Put8(p, at + 15, c.Fixed ? 0x03 : 0x02);
        Put16(p, at + 21, c.Fixed ? c.FixedOffset : 0);
        Put16(p, at + 23, c.Size);
    }
    for (const TCol& c : cols) {
        QByteArray name = Ucs2(c.Name);
        Put16(p, at, int(name.size()));
        std::memcpy(p.data() + at + 2, name.constData(), size_t(name.size()));
        at += 2 + int(name.size());
    }
    Put16(p, at, 0xFFFF);
    at += 2;
    Put32(p, 8, at - 8);
    Put16(p, 2, PageSize - at - 8);
    return p;
}

// A page-usage map (type 0) naming the given pages.
QByteArray UsageMap(std::initializer_list<int> pages)
{
    QByteArray m(64, '\0');
    for (int pg : pages)
        m[5 + pg / 8] = char(m[5 + pg / 8] | (1 << (pg % 8)));
    return m;
}

void Rc4(QByteArray& data, int from, int len, const QByteArray& key)
{
    quint8 s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = quint8(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + quint8(key[i % key.size()])) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (int k = 0, i = 0, j = 0; k < len; ++k) {
        i = (i + 1) & 0xFF;
        j = (j + s[i]) & 0xFF;
        std::swap(s[i], s[j]);
        data[from + k] = char(quint8(data[from + k]) ^ s[(s[i] + s[j]) & 0xFF]);
    }
}

QByteArray DefinitionPage()
{
    QByteArray p(PageSize, '\0');
    Put32(p, 0, 0x00000100);
    std::memcpy(p.data() + 4, "Standard Jet DB", 15);
    Put8(p, 0x14, 0x01);
    Put16(p, 0x3C, 0x04E4);
    Rc4(p, 0x18, 128, QByteArray("\xC7\xDA\x39\x6B", 4));
    return p;
}

} // namespace

QByteArray WriteDatabase(const QString& table, const std::vector<TColumn>& columns,
                         const std::vector<std::vector<QVariant>>& rows)
{
    // Pages: 0 definition, 1 usage maps, 2 catalog definition, 3 catalog
    // rows, 4 the table's definition, 5 its rows.
    const std::vector<TCol> catalog = Layout({{QStringLiteral("Id"), tLong},
                                              {QStringLiteral("ParentId"), tLong},
                                              {QStringLiteral("Name"), tText},
                                              {QStringLiteral("Type"), tInt},
                                              {QStringLiteral("Flags"), tLong},
                                              {QStringLiteral("LvProp"), tOle}});
    std::vector<std::pair<QString, quint8>> defs;
    for (const TColumn& c : columns)
        defs.emplace_back(c.Name, c.Type == TColumnType::Text ? tText : c.Type == TColumnType::Long ? tLong : tDouble);
    const std::vector<TCol> user = Layout(defs);

    std::vector<QByteArray> catalogRows{
        EncodeRow(catalog, {2, 0x0F000001, QStringLiteral("MSysObjects"), 1, qint64(0x80000002), QVariant()}),
        EncodeRow(catalog, {4, 0x0F000001, table, 1, 0, QVariant()}),
    };
    std::vector<QByteArray> userRows;
    for (const auto& r : rows)
        userRows.push_back(EncodeRow(user, r));

    QByteArray file = DefinitionPage();
    file += DataPage(0, {UsageMap({3}), UsageMap({3}), UsageMap({5}), UsageMap({5})});
    file += TdefPage(true, int(catalogRows.size()), catalog, (1 << 8) | 0, (1 << 8) | 1);
    file += DataPage(2, catalogRows);
    file += TdefPage(false, int(userRows.size()), user, (1 << 8) | 2, (1 << 8) | 3);
    file += DataPage(4, userRows);
    return file;
}

} // namespace JetWriter
