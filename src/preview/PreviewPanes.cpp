#include "PreviewPanes.h"

#include "ColourScheme.h"
#include "PictureFile.h"

#include <QFile>
#include <QPainter>

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

void PreviewPanes::paintElement(int element, const Rgb &colour)
{
    for (int i = 0; i < kCount; ++i) {
        m_panes[i].paintElement(element, colour);
        emit paneChanged(i);
    }
}

void PreviewPanes::repaintAll(const ColourScheme &scheme)
{
    for (int i = 0; i < kCount; ++i) {
        for (int element = 1; element <= kElementCount; ++element)
            m_panes[i].paintElement(element, scheme.colour(element));
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
        emit paneChanged(i);
    }
    return std::nullopt;
}
