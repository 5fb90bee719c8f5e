#include "PreviewPanes.h"

#include "ColourScheme.h"
#include "PictureFile.h"
#include "SchemeModel.h"

#include <QFile>
#include <QHash>
#include <QPainter>

#include <utility>

PreviewPanes::PreviewPanes(QObject *parent) : QObject(parent), m_panes(builtInPanes())
{
}

const std::array<PreviewPane, PreviewPanes::kCount> &PreviewPanes::builtInPanes()
{
    static const std::array<PreviewPane, kCount> panes = [] {
        std::array<PreviewPane, kCount> built;
        for (int i = 0; i < kCount; ++i)
            built[i].setPicture(builtInPicture(i));
        return built;
    }();
    return panes;
}

QImage PreviewPanes::builtInPicture(int index)
{
    QFile file(QStringLiteral(":/panes/pane%1.bmp").arg(index));
    file.open(QIODevice::ReadOnly);
    return PictureFile::decode24Bit(file.readAll()).picture.value_or(QImage());
}

QPoint PreviewPanes::position(int index)
{
    static constexpr QPoint kPositions[kCount] = {{8, 24}, {120, 24}, {120, 112}, {8, 112}, {8, 200}, {120, 200}};
    return kPositions[index];
}

QImage PreviewPanes::render() const
{
    QImage image(233, 288, QImage::Format_RGB888);
    image.fill(QColor(212, 208, 200));
    QPainter painter(&image);
    for (int i = 0; i < kCount; ++i)
        painter.drawImage(position(i), m_panes[i].picture());
    return image;
}

void PreviewPanes::setView(const View &view)
{
    m_view = view;
    for (int i = 0; i < kCount; ++i) {
        makeShown(i);
        emit paneChanged(i);
    }
}

void PreviewPanes::makeShown(int index)
{
    PreviewPane &pane = m_panes[index];
    pane.setShownPicture(m_view.isPlain() ? QImage() : viewed(pane.picture(), m_view));
}

const QImage &PreviewPanes::shownPicture(int index) const
{
    return m_panes.at(index).shownPicture();
}

void PreviewPanes::paintElement(int element, const Rgb &colour)
{
    const Rgb shown = m_view.shown(colour);
    for (int i = 0; i < kCount; ++i) {
        m_panes[i].paintElement(element, colour, shown);
        emit paneChanged(i);
    }
}

void PreviewPanes::follow(const SchemeModel &scheme)
{
    connect(&scheme, &SchemeModel::colourChanged, this,
            [this, &scheme](int element) { paintElement(element, scheme.colour(element)); });
    connect(&scheme, &SchemeModel::tableReplaced, this, [this, &scheme] { repaintAll(scheme.scheme()); });
}

void PreviewPanes::repaintAll(const ColourScheme &scheme)
{
    std::array<Rgb, kElementCount + 1> shown;
    for (int element = 1; element <= kElementCount; ++element)
        shown[element] = m_view.shown(scheme.colour(element));
    for (int i = 0; i < kCount; ++i) {
        for (int element = 1; element <= kElementCount; ++element)
            m_panes[i].paintElement(element, scheme.colour(element), shown[element]);
        emit paneChanged(i);
    }
}

std::optional<Problem> PreviewPanes::loadMaskFile(const QString &path)
{
    const PictureFile::Result loaded = PictureFile::load24Bit(path);
    if (!loaded.picture)
        return loaded.problem;
    for (int i = 0; i < 4; ++i) {
        m_panes[i].setPicture(*loaded.picture);
        makeShown(i);
        emit paneChanged(i);
    }
    return std::nullopt;
}

Rgb PreviewPanes::View::shown(const Rgb &colour) const
{
    if (isPlain())
        return colour;
    return ColourScience::simulate(phone ? ColourScience::phoneColour(colour) : colour, vision);
}

QImage PreviewPanes::viewed(const QImage &picture, const View &view)
{
    QImage shown = picture.copy();
    if (view.phone) {
        // Pictures hold few colours: each is converted once.
        QHash<QRgb, QRgb> converted;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb pixel = shown.pixel(x, y);
                auto found = converted.constFind(pixel);
                if (found == converted.constEnd()) {
                    const Rgb phone = ColourScience::phoneColour(Rgb{quint8(qRed(pixel)), quint8(qGreen(pixel)), quint8(qBlue(pixel))});
                    found = converted.insert(pixel, qRgba(phone.red, phone.green, phone.blue, qAlpha(pixel)));
                }
                shown.setPixel(x, y, *found);
            }
        }
    }
    if (view.vision != ColourScience::Vision::Normal)
        ColourScience::simulate(shown, view.vision);
    return shown;
}

namespace {

constexpr std::pair<ColourScience::Vision, const char *> kVisionNames[] = {
    {ColourScience::Vision::Normal, "normal"},
    {ColourScience::Vision::Protan, "protan"},
    {ColourScience::Vision::Deutan, "deutan"},
    {ColourScience::Vision::Tritan, "tritan"},
};

} // namespace

QString PreviewPanes::visionName(ColourScience::Vision vision)
{
    for (const auto &[v, name] : kVisionNames) {
        if (v == vision)
            return QString::fromLatin1(name);
    }
    return {};
}

std::optional<ColourScience::Vision> PreviewPanes::visionFromName(const QString &name)
{
    for (const auto &[v, n] : kVisionNames) {
        if (name == QLatin1String(n))
            return v;
    }
    return std::nullopt;
}

void PreviewPanes::outlineDifferences(QImage &rendered, const ColourScheme &a, const ColourScheme &b)
{
    for (int i = 0; i < kCount; ++i) {
        const PreviewPane &pane = builtInPanes()[std::size_t(i)];
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const int element = pane.elementAt({x, y});
                if (element == 0 || a.colour(element) == b.colour(element))
                    continue;
                const bool inside = pane.elementAt({x - 1, y}) == element && pane.elementAt({x + 1, y}) == element
                                    && pane.elementAt({x, y - 1}) == element
                                    && pane.elementAt({x, y + 1}) == element;
                if (!inside)
                    rendered.setPixel(position(i) + QPoint(x, y), kOutline);
            }
        }
    }
}

QList<QRect> PreviewPanes::outlineLines(const ColourScheme &a, const ColourScheme &b, int scale)
{
    // How many pixels each element covers in each pane, counted once.
    using Counts = std::array<int, kElementCount + 1>;
    static const std::array<Counts, kCount> covered = [] {
        std::array<Counts, kCount> counts{};
        for (int i = 0; i < kCount; ++i) {
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    ++counts[std::size_t(i)][std::size_t(builtInPanes()[std::size_t(i)].elementAt({x, y}))];
        }
        return counts;
    }();
    std::array<bool, kElementCount + 1> differs{};
    for (int element = 1; element <= kElementCount; ++element)
        differs[std::size_t(element)] = a.colour(element) != b.colour(element);

    const int width = std::max(1, scale / 4);
    QList<QRect> lines;
    for (int i = 0; i < kCount; ++i) {
        const PreviewPane &pane = builtInPanes()[std::size_t(i)];
        const Counts &counts = covered[std::size_t(i)];
        const auto size = [&counts](int element) {
            return element == 0 ? std::numeric_limits<int>::max() : counts[std::size_t(element)];
        };
        const QPoint origin = position(i) * scale;
        // Each pixel with its right and lower neighbour, and the pane's left and
        // upper edge with the pixel beside it.
        for (int y = -1; y < kHeight; ++y) {
            for (int x = -1; x < kWidth; ++x) {
                const int here = pane.elementAt({x, y});
                for (const bool across : {true, false}) {
                    if ((across && y < 0) || (!across && x < 0))
                        continue;
                    const int next = across ? pane.elementAt({x + 1, y}) : pane.elementAt({x, y + 1});
                    if (here == next || !(differs[std::size_t(here)] || differs[std::size_t(next)]))
                        continue;
                    // Outside the pane counts as fixed, the largest.
                    const bool inside = x >= 0 && y >= 0;
                    const bool nextInside = across ? x + 1 < kWidth : y + 1 < kHeight;
                    const int hereSize = inside ? size(here) : std::numeric_limits<int>::max();
                    const int nextSize = nextInside ? size(next) : std::numeric_limits<int>::max();
                    const bool onHere = hereSize >= nextSize;
                    QRect line = across ? QRect((x + 1) * scale - (onHere ? width : 0), y * scale, width, scale)
                                        : QRect(x * scale, (y + 1) * scale - (onHere ? width : 0), scale, width);
                    lines.append(line.translated(origin));
                }
            }
        }
    }
    return lines;
}
