// The preview renderer against the plain per-pixel scan it replaces, on the six
// built-in screens: a whole scheme (60 elements in 6 panes) and one element's
// change (6 panes).
#include "ColourScheme.h"
#include "PreviewPanes.h"
#include "support/ReferenceScan.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

ColourScheme blueScheme()
{
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Blue);
    return scheme;
}

struct ScanPanes
{
    std::array<QImage, PreviewPanes::kCount> panes;
    std::array<QImage, PreviewPanes::kCount> masks;

    ScanPanes()
    {
        for (int i = 0; i < PreviewPanes::kCount; ++i) {
            masks[i] = PreviewPanes::builtInPicture(i);
            panes[i] = masks[i].copy();
        }
    }

    void paintElement(int element, const Rgb &c)
    {
        for (int i = 0; i < PreviewPanes::kCount; ++i)
            referencePaintElement(element, c.red, c.green, c.blue, panes[i], masks[i]);
    }
};

void repaintAll(benchmark::State &state)
{
    PreviewPanes panes;
    const ColourScheme scheme = blueScheme();
    for (auto _ : state) {
        panes.repaintAll(scheme);
        benchmark::DoNotOptimize(panes.pane(5).picture().constBits());
    }
}

void repaintAllByScan(benchmark::State &state)
{
    ScanPanes panes;
    const ColourScheme scheme = blueScheme();
    for (auto _ : state) {
        for (int element = 1; element <= kElementCount; ++element)
            panes.paintElement(element, scheme.colour(element));
        benchmark::DoNotOptimize(panes.panes[5].constBits());
    }
}

// A whole scheme drawn with a view on (the 16-bit colours, a simulation, or
// both): the panes paint their pictures in the view's colours beside their own.
PreviewPanes::View viewOf(const benchmark::State &state)
{
    PreviewPanes::View view;
    view.phone = state.range(0) != 0;
    view.vision = ColourScience::Vision(state.range(1));
    return view;
}

void repaintAllViewed(benchmark::State &state)
{
    PreviewPanes panes;
    panes.setView(viewOf(state));
    const ColourScheme scheme = blueScheme();
    for (auto _ : state) {
        panes.repaintAll(scheme);
        benchmark::DoNotOptimize(panes.shownPicture(5).constBits());
    }
}

// Choosing a view: every pane's picture converted pixel by pixel once.
void chooseView(benchmark::State &state)
{
    PreviewPanes panes;
    panes.repaintAll(blueScheme());
    const PreviewPanes::View view = viewOf(state);
    for (auto _ : state) {
        panes.setView(view);
        benchmark::DoNotOptimize(panes.shownPicture(5).constBits());
    }
}

// Element 4, the title bar: one of the largest elements, in five panes.
void paintElement(benchmark::State &state)
{
    PreviewPanes panes;
    quint8 red = 0;
    for (auto _ : state) {
        panes.paintElement(4, {++red, 20, 30});
        benchmark::DoNotOptimize(panes.pane(0).picture().constBits());
    }
}

void paintElementByScan(benchmark::State &state)
{
    ScanPanes panes;
    quint8 red = 0;
    for (auto _ : state) {
        panes.paintElement(4, {++red, 20, 30});
        benchmark::DoNotOptimize(panes.panes[0].constBits());
    }
}

} // namespace

BENCHMARK(repaintAll)->Unit(benchmark::kMicrosecond);
void viewArguments(benchmark::internal::Benchmark *bench)
{
    bench->ArgNames({"phone", "vision"});
    bench->Args({1, int(ColourScience::Vision::Normal)});
    bench->Args({0, int(ColourScience::Vision::Protan)});
    bench->Args({0, int(ColourScience::Vision::Tritan)});
    bench->Args({1, int(ColourScience::Vision::Deutan)});
    bench->Unit(benchmark::kMicrosecond);
}
BENCHMARK(repaintAllViewed)->Apply(viewArguments);
BENCHMARK(chooseView)->Apply(viewArguments);
BENCHMARK(repaintAllByScan)->Unit(benchmark::kMicrosecond);
BENCHMARK(paintElement)->Unit(benchmark::kMicrosecond);
BENCHMARK(paintElementByScan)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
