// The colour checks the editor runs while the user works: the check of every
// pair of the pair table as the phone shows it, the exact Fix of one element
// and Fix all of whole schemes, and the colour-vision views of the six preview
// panes.
#include "ColourScheme.h"
#include "support/RandomScheme.h"
#include "ColourScience.h"
#include "Derive.h"
#include "PreviewPanes.h"
#include "Readability.h"
#include "ReadableFix.h"
#include "StandardSchemes.h"

#include <QColor>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

#include <array>
#include <vector>

using namespace ColourScience;

namespace {

Rgb blue(int element)
{
    return StandardSchemes::colour(StandardScheme::Blue, element);
}

ColourScheme builtIn(StandardScheme which)
{
    ColourScheme scheme;
    scheme.loadStandard(which);
    return scheme;
}

// The check the status bar runs after every change: every pair of the pair
// table on the blue scheme, sorted worst first; argument 1 adds colour-blind eyes.
void checkEveryPair(benchmark::State &state)
{
    const ColourScheme scheme = builtIn(StandardScheme::Blue);
    const auto eyes = state.range(0) ? Readability::Eyes::All : Readability::Eyes::Normal;
    for (auto _ : state)
        benchmark::DoNotOptimize(Readability::evaluate(scheme, Readability::kTextLevel, eyes));
}

// Fix for one element: the nearest phone colour, lighter and darker, that
// meets every pair of the selection bar (17: its text 16 on it, and it against
// the menu 21) in a random scheme; argument 1 adds colour-blind eyes.
void exactFixOfOneElement(benchmark::State &state)
{
    const ColourScheme scheme = randomScheme(7);
    const Readability::Pair pair = Readability::pairs()[5]; // 16 on 17
    ReadableFix::propose(scheme, 17, pair, Readability::kTextLevel, state.range(0) != 0); // the tables, made once
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadableFix::propose(scheme, 17, pair, Readability::kTextLevel, state.range(0) != 0));
}

// Fix all of the built-in green scheme, the one with most pairs below their level.
void fixAllOfTheGreenScheme(benchmark::State &state)
{
    const ColourScheme scheme = builtIn(StandardScheme::Green);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadableFix::fixAll(scheme));
}

// Fix all of 20 random schemes, one after another (the time is for all 20);
// argument 1 adds colour-blind eyes.
void fixAllOf20RandomSchemes(benchmark::State &state)
{
    std::vector<ColourScheme> schemes;
    for (quint32 seed = 1; seed <= 20; ++seed)
        schemes.push_back(randomScheme(seed));
    for (auto _ : state) {
        for (const ColourScheme &scheme : schemes)
            benchmark::DoNotOptimize(ReadableFix::fixAll(scheme, Readability::kTextLevel, state.range(0) != 0));
    }
}

// The slowest Fix all of 300 random schemes (the counter "worst_ms"); the time
// is for all 300. Argument 1 adds colour-blind eyes.
void fixAllWorstOf300RandomSchemes(benchmark::State &state)
{
    std::vector<ColourScheme> schemes;
    for (quint32 seed = 1000; seed < 1300; ++seed)
        schemes.push_back(randomScheme(seed));
    double worst = 0;
    for (auto _ : state) {
        for (const ColourScheme &scheme : schemes) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(ReadableFix::fixAll(scheme, Readability::kTextLevel, state.range(0) != 0));
            worst = std::max(worst, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
    }
    state.counters["worst_ms"] = worst;
}

// Every pair of the 60 elements: 1770 pairs.
void phoneContrastOfAllPairs(benchmark::State &state)
{
    for (auto _ : state) {
        double sum = 0;
        for (int a = 1; a <= kElementCount; ++a)
            for (int b = a + 1; b <= kElementCount; ++b)
                sum += phoneContrast(blue(a), blue(b));
        benchmark::DoNotOptimize(sum);
    }
}

std::array<QImage, PreviewPanes::kCount> bluePanes()
{
    PreviewPanes panes;
    ColourScheme scheme;
    scheme.loadStandard(StandardScheme::Blue);
    panes.repaintAll(scheme);
    std::array<QImage, PreviewPanes::kCount> pictures;
    for (int i = 0; i < PreviewPanes::kCount; ++i)
        pictures[std::size_t(i)] = panes.pane(i).picture();
    return pictures;
}

// The same size of picture without runs of one colour: every pixel computed.
std::array<QImage, PreviewPanes::kCount> noisePanes()
{
    std::array<QImage, PreviewPanes::kCount> pictures;
    QRandomGenerator random(7);
    for (QImage &picture : pictures) {
        picture = QImage(PreviewPanes::kWidth, PreviewPanes::kHeight, QImage::Format_BGR888);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, random.generate());
    }
    return pictures;
}

// Each iteration copies the six pictures (about 1 us of the time) and
// simulates the copies in place.
void simulatePanes(benchmark::State &state, const std::array<QImage, PreviewPanes::kCount> &pictures)
{
    const auto vision = Vision(state.range(0));
    for (auto _ : state) {
        for (const QImage &picture : pictures) {
            QImage copy = picture.copy();
            simulate(copy, vision);
            benchmark::DoNotOptimize(copy.constBits());
        }
    }
}

void simulateBluePanes(benchmark::State &state)
{
    simulatePanes(state, bluePanes());
}

void simulateNoisePanes(benchmark::State &state)
{
    simulatePanes(state, noisePanes());
}

// A scheme from one colour: laid out by the roles, then Fix all; the tables of
// the phone's colours made before.
void deriveFromAColour(benchmark::State &state)
{
    Derive::fromColour({51, 102, 204}, {});
    int hue = 0;
    for (auto _ : state) {
        const QColor seed = QColor::fromHsv(hue, 200, 220);
        benchmark::DoNotOptimize(Derive::fromColour({quint8(seed.red()), quint8(seed.green()), quint8(seed.blue())}, {}));
        hue = (hue + 37) % 360;
    }
}

// A scheme from a 4000 x 3000 JPEG photograph of gradients and shapes, reading included.
void deriveFromAPhotograph(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 3000);
    sky.setColorAt(0, QColor(30, 80, 160));
    sky.setColorAt(1, QColor(200, 220, 240));
    painter.fillRect(photo.rect(), sky);
    painter.setBrush(QColor(230, 120, 30));
    painter.drawEllipse(QPoint(2800, 900), 500, 500);
    painter.end();
    if (!photo.save(path, "JPEG", 90)) {
        state.SkipWithError("no JPEG writer");
        return;
    }
    for (auto _ : state) {
        const auto seeds = std::get<Derive::Seeds>(Derive::seedsOfFile(path));
        benchmark::DoNotOptimize(Derive::fromColour(seeds.seed, {}, seeds.accent));
    }
}

} // namespace

BENCHMARK(deriveFromAColour)->Unit(benchmark::kMillisecond);
BENCHMARK(deriveFromAPhotograph)->Unit(benchmark::kMillisecond);
BENCHMARK(checkEveryPair)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(exactFixOfOneElement)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(fixAllOfTheGreenScheme)->Unit(benchmark::kMillisecond);
BENCHMARK(fixAllOf20RandomSchemes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(fixAllWorstOf300RandomSchemes)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(phoneContrastOfAllPairs)->Unit(benchmark::kMicrosecond);
BENCHMARK(simulateBluePanes)->DenseRange(int(Vision::Protan), int(Vision::Tritan))->Unit(benchmark::kMicrosecond);
BENCHMARK(simulateNoisePanes)->DenseRange(int(Vision::Protan), int(Vision::Tritan))->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
