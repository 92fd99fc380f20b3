// Values, A1 references and the servers' availability.
#include "platform/services/office/Automation.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/SysUtils.h"

#include <QSet>
#include <cmath>

namespace Automation {

TOleValue TOleValue::FromString(const QString& s)
{
    TOleValue v;
    v.Kind = vkString;
    v.Text = s;
    return v;
}

TOleValue TOleValue::FromNumber(double d)
{
    TOleValue v;
    v.Kind = vkNumber;
    v.Number = d;
    return v;
}

QString TOleValue::ToText() const
{
    switch (Kind) {
    case vkEmpty:
        return QString();
    case vkString:
    case vkError:
        return Text;
    case vkNumber:
        return FloatToStr(Number);
    case vkBool:
        return Number != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case vkDate: {
        double day = std::trunc(Number);
        if (Number == day)
            return DateToStr(Number);
        if (day == 0)
            return TimeToStr(Number);
        return DateTimeToStr(Number);
    }
    }
    return QString();
}

QString ColumnLetters(int column)
{
    QString out;
    while (column > 0) {
        int rem = (column - 1) % 26;
        out.prepend(QChar(u'A' + rem));
        column = (column - 1) / 26;
    }
    return out;
}

bool ParseCellRef(const QString& ref, int& row, int& column)
{
    qsizetype i = 0, n = ref.size();
    if (i < n && ref.at(i) == u'$')
        ++i;
    qint64 col = 0;
    qsizetype letters = 0;
    while (i < n && ref.at(i).isLetter() && ref.at(i).unicode() < 128) {
        col = col * 26 + (ref.at(i).toUpper().unicode() - u'A' + 1);
        if (col > 16384 * 26)
            return false;
        ++i;
        ++letters;
    }
    if (letters == 0)
        return false;
    if (i < n && ref.at(i) == u'$')
        ++i;
    qint64 r = 0;
    qsizetype digits = 0;
    while (i < n && ref.at(i).isDigit() && ref.at(i).unicode() < 128) {
        r = r * 10 + (ref.at(i).unicode() - u'0');
        if (r > 100000000)
            return false;
        ++i;
        ++digits;
    }
    if (digits == 0 || i != n || r == 0)
        return false;
    row = int(r);
    column = int(col);
    return true;
}

bool ParseRangeRef(const QString& ref, int& row1, int& col1, int& row2, int& col2)
{
    int colon = ref.indexOf(u':');
    if (colon < 0) {
        if (!ParseCellRef(ref, row1, col1))
            return false;
        row2 = row1;
        col2 = col1;
        return true;
    }
    return ParseCellRef(ref.left(colon), row1, col1) && ParseCellRef(ref.mid(colon + 1), row2, col2);
}

QString RangeAddress(int row1, int col1, int row2, int col2)
{
    QString first = QStringLiteral("$%1$%2").arg(ColumnLetters(col1)).arg(row1);
    if (row1 == row2 && col1 == col2)
        return first;
    return first + QStringLiteral(":$%1$%2").arg(ColumnLetters(col2)).arg(row2);
}

static QSet<QString>& DisabledServers()
{
    static QSet<QString> set;
    return set;
}

void SetServerAvailable(const QString& progId, bool available)
{
    if (available)
        DisabledServers().remove(progId.toLower());
    else
        DisabledServers().insert(progId.toLower());
}

void CheckServer(const QString& progId)
{
    if (DisabledServers().contains(progId.toLower()))
        throw EOleSysError(QStringLiteral("Invalid class string"));
}

} // namespace Automation
