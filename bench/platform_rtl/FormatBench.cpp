// Format, FloatToStr and FormatDateTime against their Qt peers.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/SysUtils.h"

#include <QDateTime>
#include <QString>
#include <benchmark/benchmark.h>

namespace {

void FormatIntAndString(benchmark::State& state)
{
    SetTestFormatSettings();
    const QString name = QStringLiteral("Device");
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Format("%s %d: %5.2f", {name, ++n, n * 0.25}));
}
BENCHMARK(FormatIntAndString);

// Peer: QString::arg with the same fields.
void QStringArgIntAndString(benchmark::State& state)
{
    const QString name = QStringLiteral("Device");
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(QStringLiteral("%1 %2: %3").arg(name).arg(++n).arg(n * 0.25, 5, 'f', 2));
}
BENCHMARK(QStringArgIntAndString);

void FloatToStr15(benchmark::State& state)
{
    SetTestFormatSettings();
    double v = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FloatToStr(v));
        v += 1.37;
    }
}
BENCHMARK(FloatToStr15);

// Peer: QString::number with 15 significant digits.
void QStringNumber15(benchmark::State& state)
{
    double v = 0.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(QString::number(v, 'g', 15));
        v += 1.37;
    }
}
BENCHMARK(QStringNumber15);

void FormatDateTimeLong(benchmark::State& state)
{
    SetTestFormatSettings();
    TDateTime v = EncodeDateTime(2024, 3, 5, 14, 7, 9, 45);
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatDateTime(QStringLiteral("dd/mm/yyyy hh:nn:ss.zzz"), v));
        v += 0.001;
    }
}
BENCHMARK(FormatDateTimeLong);

// Peer: QDateTime::toString with the equivalent pattern.
void QDateTimeToString(benchmark::State& state)
{
    QDateTime v(QDate(2024, 3, 5), QTime(14, 7, 9, 45));
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss.zzz")));
        v = v.addMSecs(86400);
    }
}
BENCHMARK(QDateTimeToString);

} // namespace
