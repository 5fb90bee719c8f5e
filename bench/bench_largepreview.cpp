// The large preview's redraw after one colour change, at four times the
// screens' size: the change painted into the panes, then the widget drawn
// (enlarged without smoothing), alone and beside a second scheme.
#include "LargePreview.h"
#include "SchemeModel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

void redrawAfterAColourChange(benchmark::State &state)
{
    const bool comparing = state.range(0) != 0;
    SchemeModel scheme;
    scheme.loadStandard(StandardScheme::Blue);
    PreviewPanes panes;
    panes.follow(scheme);
    LargePanes large(panes, scheme);
    const QSize screens = PreviewPanes::kRenderSize;
    large.resize((comparing ? screens.width() * 2 + 8 : screens.width()) * 4, screens.height() * 4);
    if (comparing) {
        ColourScheme red = scheme.scheme();
        red.loadStandard(StandardScheme::Red);
        large.compareWith(red, state.range(0) == 2);
    }
    if (large.scale() != 4)
        state.SkipWithError("not at four times");
    // Drawn as into the window's backing store.
    QImage shown(large.size(), QImage::Format_ARGB32_Premultiplied);
    quint8 step = 0;
    for (auto _ : state) {
        scheme.setColour(4, {0, 0, ++step}, ChangeCause::Typed);
        large.render(&shown);
    }
}

} // namespace

BENCHMARK(redrawAfterAColourChange)->Arg(0)->Arg(1)->Arg(2)->ArgName("comparing")->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
