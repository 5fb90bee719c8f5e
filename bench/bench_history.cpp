// The history of every change: recording a change as the user makes it, what a
// full history holds in memory, and going back to its oldest entry.
#include "SchemeHistory.h"
#include "SchemeModel.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// A palette click's colour change, alternating so that every one is a change.
void fill(SchemeModel &scheme, int changes)
{
    for (int i = 0; i < changes; ++i)
        scheme.setColour(1 + i % kElementCount, {quint8(i), quint8(i >> 8), 1}, ChangeCause::Palette);
}

// With a full history: each change also drops the oldest entry.
void recordColourChange(benchmark::State &state)
{
    SchemeModel scheme;
    SchemeHistory history(scheme);
    fill(scheme, SchemeHistory::kLimit);
    int i = 0;
    for (auto _ : state) {
        scheme.setColour(7, {quint8(i), 2, 3}, ChangeCause::Palette);
        ++i;
    }
    benchmark::DoNotOptimize(history.count());
}

// A whole scheme replaced (New, Open, Fix all): the scheme before is kept once.
void recordWholeScheme(benchmark::State &state)
{
    SchemeModel scheme;
    SchemeHistory history(scheme);
    ColourScheme other;
    int i = 0;
    for (auto _ : state) {
        other.setColour(1, {quint8(i), 0, 0});
        scheme.replace(other, ChangeCause::Opened, QStringLiteral("night.col"));
        ++i;
    }
}

qint64 heapInUse()
{
    return qint64(mallinfo2().uordblks);
}

// The bytes 10,000 entries take, colour changes (argument 0) or whole schemes (1).
void memoryOfAFullHistory(benchmark::State &state)
{
    for (auto _ : state) {
        SchemeModel scheme;
        const qint64 before = heapInUse();
        SchemeHistory history(scheme);
        if (state.range(0) == 0) {
            fill(scheme, SchemeHistory::kLimit);
        } else {
            ColourScheme other;
            for (int i = 0; i < SchemeHistory::kLimit; ++i) {
                other.setColour(1, {quint8(i), quint8(i >> 8), 0});
                scheme.replace(other, ChangeCause::Opened, QStringLiteral("night.col"));
            }
        }
        state.counters["MB"] = double(heapInUse() - before) / 1e6;
        benchmark::DoNotOptimize(history.count());
    }
}

// Going back to the oldest of 10,000 colour changes (itself one change more).
void goBackToTheOldest(benchmark::State &state)
{
    SchemeModel scheme;
    SchemeHistory history(scheme);
    fill(scheme, SchemeHistory::kLimit);
    for (auto _ : state)
        history.goBackTo(0);
}

} // namespace

BENCHMARK(recordColourChange);
BENCHMARK(recordWholeScheme);
BENCHMARK(memoryOfAFullHistory)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(goBackToTheOldest)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
