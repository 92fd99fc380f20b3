#include "platform/rtl/StringList.h"

#include <QStringList>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>

namespace {

QStringList Words(int n)
{
    QStringList words;
    words.reserve(n);
    for (int i = 0; i < n; ++i)
        words << QStringLiteral("Item %1 value").arg(i * 7919 % 1000003);
    std::shuffle(words.begin(), words.end(), std::mt19937(42));
    return words;
}

void SortedAdd(benchmark::State& state)
{
    const QStringList words = Words(int(state.range(0)));
    for (auto _ : state) {
        TStringList list;
        list.SetSorted(true);
        for (const QString& w : words)
            list.Add(w);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(SortedAdd)->Arg(1000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Peer: a QStringList kept in order with a case-insensitive binary search.
void QStringListSortedInsert(benchmark::State& state)
{
    const QStringList words = Words(int(state.range(0)));
    auto less = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; };
    for (auto _ : state) {
        QStringList list;
        for (const QString& w : words) {
            auto it = std::lower_bound(list.begin(), list.end(), w, less);
            if (it == list.end() || it->compare(w, Qt::CaseInsensitive) != 0)
                list.insert(it, w);
        }
        benchmark::DoNotOptimize(list.size());
    }
}
BENCHMARK(QStringListSortedInsert)->Arg(1000)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond);

void UnsortedIndexOf(benchmark::State& state)
{
    const QStringList words = Words(int(state.range(0)));
    TStringList list;
    list.AddStrings(words);
    for (auto _ : state)
        benchmark::DoNotOptimize(list.IndexOf(words.last()));
}
BENCHMARK(UnsortedIndexOf)->Arg(1000)->Arg(20000);

void QStringListIndexOf(benchmark::State& state)
{
    const QStringList words = Words(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(words.indexOf(words.last()));
}
BENCHMARK(QStringListIndexOf)->Arg(1000)->Arg(20000);

void CommaTextRoundTrip(benchmark::State& state)
{
    TStringList list;
    list.AddStrings(Words(int(state.range(0))));
    for (auto _ : state) {
        TStringList back;
        back.SetCommaText(list.CommaText());
        benchmark::DoNotOptimize(back.Count());
    }
}
BENCHMARK(CommaTextRoundTrip)->Arg(1000)->Arg(20000);

} // namespace

BENCHMARK_MAIN();
