#include "PreviewPanes.h"

#include "ColourScheme.h"
#include "PictureFile.h"
#include "SchemeModel.h"

#include <QFile>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

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
    QImage image(kRenderSize, QImage::Format_RGB888);
    image.fill(kFrame);
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
        m_borders[std::size_t(i)].clear();
        makeShown(i);
        emit paneChanged(i);
    }
    emit picturesReplaced();
    return std::nullopt;
}

void PreviewPanes::takePicturesOf(const PreviewPanes &other)
{
    m_panes = other.m_panes;
    m_borders = other.m_borders;
    for (int i = 0; i < kCount; ++i)
        makeShown(i);
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

void PreviewPanes::outlineDifferences(QImage &rendered, const ColourScheme &a, const ColourScheme &b) const
{
    for (int i = 0; i < kCount; ++i) {
        const PreviewPane &pane = m_panes[std::size_t(i)];
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

QImage PreviewPanes::enlarged(const QImage &picture, int scale)
{
    if (scale <= 1)
        return picture;
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    QImage result(source.size() * scale, QImage::Format_RGB32);
    if (result.isNull())
        return result; // no memory for it: an empty picture, as QImage::scaled() gives

    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y * scale));
        for (int x = 0; x < source.width(); ++x)
            std::fill_n(out + x * scale, scale, in[x]);
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(result.scanLine(y * scale + copy), out, std::size_t(result.width()) * sizeof(QRgb));
    }
    return result;
}

const std::vector<PreviewPanes::Border> &PreviewPanes::bordersOf(int index) const
{
    std::vector<Border> &borders = m_borders[std::size_t(index)];
    if (!borders.empty())
        return borders;
    const PreviewPane &pane = m_panes[std::size_t(index)];
    std::array<int, kElementCount + 1> covered{};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ++covered[std::size_t(pane.elementAt({x, y}))];
    // Fixed pixels and the space around the pane count as the largest.
    const auto size = [&covered](int element, bool inside) {
        return element == 0 || !inside ? std::numeric_limits<int>::max() : covered[std::size_t(element)];
    };
    for (int y = -1; y < kHeight; ++y) {
        for (int x = -1; x < kWidth; ++x) {
            const int here = pane.elementAt({x, y});
            for (const bool across : {true, false}) {
                if ((across && y < 0) || (!across && x < 0))
                    continue;
                const int next = across ? pane.elementAt({x + 1, y}) : pane.elementAt({x, y + 1});
                if (here == next)
                    continue;
                const bool nextInside = across ? x + 1 < kWidth : y + 1 < kHeight;
                const bool onHere = size(here, x >= 0 && y >= 0) >= size(next, nextInside);
                borders.push_back({qint16(x), qint16(y), across, quint8(here), quint8(next), onHere});
            }
        }
    }
    return borders;
}

QList<QRect> PreviewPanes::outlineLines(const ColourScheme &a, const ColourScheme &b, int scale) const
{
    std::array<bool, kElementCount + 1> differs{};
    for (int element = 1; element <= kElementCount; ++element)
        differs[std::size_t(element)] = a.colour(element) != b.colour(element);
    const int width = std::max(1, scale / 4);
    QList<QRect> lines;
    for (int i = 0; i < kCount; ++i) {
        const QPoint origin = position(i) * scale;
        for (const Border &border : bordersOf(i)) {
            if (!differs[border.here] && !differs[border.next])
                continue;
            const int inset = border.onHere ? width : 0;
            const QRect line = border.across
                                   ? QRect((border.x + 1) * scale - inset, border.y * scale, width, scale)
                                   : QRect(border.x * scale, (border.y + 1) * scale - inset, scale, width);
            lines.append(line.translated(origin));
        }
    }
    return lines;
}
