#include "LargePanes.h"

#include "SchemeModel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// The panes' part of the preview frame, as a rendered preview has it.
constexpr QSize kPreviewSize = PreviewPanes::kRenderSize;
constexpr int kGap = PreviewPanes::kCompareGap;
const QColor kFrame = QColor::fromRgb(PreviewPanes::kFrame);

} // namespace

LargePanes::LargePanes(const PreviewPanes &panes, const SchemeModel &scheme, QWidget *parent)
    : QWidget(parent)
    , m_panes(panes)
    , m_scheme(scheme)
{
    setObjectName(QStringLiteral("largePanes"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The second scheme is shown in the view of the first.
    connect(&panes, &PreviewPanes::paneChanged, this, [this] {
        const PreviewPanes::View &view = m_panes.view();
        if (m_otherPanes.view().phone != view.phone || m_otherPanes.view().vision != view.vision)
            m_otherPanes.setView(view);
        update();
    });
    // ... on the same screens: a preview picture loaded is the second scheme's too.
    connect(&panes, &PreviewPanes::picturesReplaced, this, [this] {
        if (m_other)
            compareWith(m_other, m_outlined);
    });
}

void LargePanes::setCaptions(const QString &first, const QString &second)
{
    m_captions = {first, second};
    update();
}

void LargePanes::compareWith(const std::optional<ColourScheme> &other, bool outlined)
{
    m_other = other;
    m_outlined = outlined;
    holdSecond(false);
    if (m_other) {
        m_otherPanes.setView(m_panes.view());
        m_otherPanes.takePicturesOf(m_panes);
        m_otherPanes.repaintAll(*m_other);
    }
    update();
}

QSize LargePanes::shownSize() const
{
    return m_other ? QSize(kPreviewSize.width() * 2 + kGap, kPreviewSize.height()) : kPreviewSize;
}

QSize LargePanes::minimumSizeHint() const
{
    return kPreviewSize * 2;
}

int LargePanes::scale() const
{
    const QSize shown = shownSize();
    return std::max(1, std::min(width() / shown.width(), height() / shown.height()));
}

QPoint LargePanes::origin() const
{
    const QSize used = shownSize() * scale();
    return {(width() - used.width()) / 2, (height() - used.height()) / 2};
}

std::optional<std::pair<int, QPoint>> LargePanes::paneAt(QPoint point) const
{
    const QPoint inPreview = (point - origin()) / scale();
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        const QRect pane(PreviewPanes::position(i), QSize(PreviewPanes::kWidth, PreviewPanes::kHeight));
        const QPoint local = point - origin() - PreviewPanes::position(i) * scale();
        if (pane.contains(inPreview) && local.x() >= 0 && local.y() >= 0)
            return std::pair(i, QPoint(local.x() / scale(), local.y() / scale()));
    }
    return std::nullopt;
}

// One scheme's screens as the view shows them, enlarged without smoothing;
// compared, the differing elements outlined: pixel by pixel at their own size,
// enlarged by the lines given, beside the texts rather than over them.
QImage LargePanes::side(const PreviewPanes &panes, int scale, const QList<QRect> &lines) const
{
    QImage screens(kPreviewSize, QImage::Format_RGB32);
    screens.fill(kFrame);
    {
        QPainter painter(&screens);
        for (int i = 0; i < PreviewPanes::kCount; ++i)
            painter.drawImage(PreviewPanes::position(i), panes.shownPicture(i));
    }
    if (scale == 1) {
        if (m_other && m_outlined)
            m_panes.outlineDifferences(screens, m_scheme.scheme(), *m_other);
        return screens;
    }
    QImage large = PreviewPanes::enlarged(screens, scale);
    if (large.isNull())
        return large;
    for (const QRect &given : lines) {
        const QRect line = given & large.rect();
        for (int y = line.top(); y <= line.bottom(); ++y)
            std::fill_n(reinterpret_cast<QRgb *>(large.scanLine(y)) + line.left(), line.width(), PreviewPanes::kOutline);
    }
    return large;
}

void LargePanes::paintShown(QPainter &painter, QPoint at, int scale) const
{
    QList<QRect> lines;
    if (m_other && m_outlined && scale > 1)
        lines = m_panes.outlineLines(m_scheme.scheme(), *m_other, scale);
    painter.drawImage(at, side(m_showingOther ? m_otherPanes : m_panes, scale, lines));
    if (!m_other)
        return;
    const QPoint second = at + QPoint((kPreviewSize.width() + kGap) * scale, 0);
    const QRect gap(at + QPoint(kPreviewSize.width() * scale, 0), QSize(kGap, kPreviewSize.height()) * scale);
    painter.fillRect(gap, kFrame);
    painter.drawImage(second, side(m_otherPanes, scale, lines));
    // Each side's caption in the band above its screens.
    const QRect band(QPoint(PreviewPanes::position(0).x() * scale, 0),
                     QSize((kPreviewSize.width() - 2 * PreviewPanes::position(0).x()) * scale,
                           PreviewPanes::position(0).y() * scale));
    painter.setPen(Qt::black);
    painter.setFont(font());
    for (const auto &[place, caption] : {std::pair(at, m_showingOther ? m_captions.second : m_captions.first),
                                         std::pair(second, m_captions.second)}) {
        const QRect room = band.translated(place);
        painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(caption, Qt::ElideRight, room.width()));
    }
}

QImage LargePanes::picture() const
{
    const int factor = scale();
    QImage shown(sizeAt(factor), QImage::Format_RGB888);
    QPainter painter(&shown);
    paintShown(painter, {0, 0}, factor);
    return shown;
}

void LargePanes::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    paintShown(painter, origin(), scale());
}

bool LargePanes::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const auto pane = paneAt(help->pos());
        const QString text = pane && m_toolTip ? m_toolTip(pane->first, pane->second) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, this, QRect(help->pos(), QSize(1, 1)));
        return true;
    }
    return QWidget::event(event);
}

void LargePanes::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && m_other && !event->isAutoRepeat()) {
        holdSecond(true);
        return;
    }
    QWidget::keyPressEvent(event);
}

// The release of Space goes to whatever has the focus by then, in this window
// or another: the program's events are watched only while it is held.
void LargePanes::holdSecond(bool held)
{
    if (held == m_showingOther)
        return;
    m_showingOther = held;
    if (held)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
    update();
}

bool LargePanes::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
            holdSecond(false);
    }
    return QWidget::eventFilter(watched, event);
}

// A release that comes to another program is never seen: losing the focus
// (to the editor, to another window) ends the held view as well.
void LargePanes::focusOutEvent(QFocusEvent *event)
{
    holdSecond(false);
    QWidget::focusOutEvent(event);
}

void LargePanes::hideEvent(QHideEvent *event)
{
    holdSecond(false);
    QWidget::hideEvent(event);
}

void LargePanes::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto pane = paneAt(event->position().toPoint()))
        emit clicked(pane->first, pane->second);
}
