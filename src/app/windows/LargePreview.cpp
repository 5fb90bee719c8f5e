#include "LargePreview.h"

#include "FolderMemory.h"
#include "LanguageFollower.h"
#include "PreviewPanes.h"
#include "Texts.h"
#include "UserDialogs.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QImageWriter>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

// The panes' part of the preview frame, as a rendered preview has it.
constexpr QSize kPreviewSize(233, 288);

} // namespace

LargePanes::LargePanes(const PreviewPanes &panes, QWidget *parent) : QWidget(parent), m_panes(panes)
{
    setObjectName(QStringLiteral("largePanes"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&panes, &PreviewPanes::paneChanged, this, qOverload<>(&QWidget::update));
}

QSize LargePanes::minimumSizeHint() const
{
    return kPreviewSize * 2;
}

int LargePanes::scale() const
{
    return std::max(1, std::min(width() / kPreviewSize.width(), height() / kPreviewSize.height()));
}

QPoint LargePanes::origin() const
{
    const QSize used = kPreviewSize * scale();
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

QImage LargePanes::picture() const
{
    QImage image(kPreviewSize * scale(), QImage::Format_RGB888);
    image.fill(QColor(212, 208, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        const QImage &shown = m_panes.shownPicture(i);
        painter.drawImage(QRect(PreviewPanes::position(i) * scale(), shown.size() * scale()), shown);
    }
    return image;
}

void LargePanes::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(origin(), picture());
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

void LargePanes::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const auto pane = paneAt(event->position().toPoint()))
        emit clicked(pane->first, pane->second);
}

LargePreviewWindow::LargePreviewWindow(const PreviewPanes &panes, UserDialogs &dialogs, QWidget *parent)
    : ToolWindow(QStringLiteral("LargePreview/geometry"), parent)
    , m_dialogs(dialogs)
    , m_panes(new LargePanes(panes, this))
    , m_save(new QPushButton(this))
{
    setObjectName(QStringLiteral("largePreviewWindow"));
    m_save->setObjectName(QStringLiteral("largePreviewSave"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_panes, 1);
    layout->addLayout(buttons);
    resize(kPreviewSize.width() * 3 + 24, kPreviewSize.height() * 3 + 64);
    restorePlace();
    connect(m_panes, &LargePanes::clicked, this, &LargePreviewWindow::clicked);
    connect(m_save, &QPushButton::clicked, this, &LargePreviewWindow::savePicture);
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

void LargePreviewWindow::retranslate()
{
    setWindowTitle(Texts::get(Text::LargePreviewTitle, Languages::current()));
    m_save->setText(Texts::get(Text::SavePicture, Languages::current()));
}

// What the window shows, in the format the name's suffix names (PNG without one).
void LargePreviewWindow::savePicture()
{
    QString path = m_dialogs.saveFileName(this, QStringLiteral("PNG (*.png);;all (*)"), FolderMemory::startFolder());
    if (path.isEmpty())
        return;
    FolderMemory::remember(path);
    QByteArray format = QFileInfo(path).suffix().toLower().toLatin1();
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        format = "png";
        if (QFileInfo(path).suffix().isEmpty())
            path += QStringLiteral(".png");
    }
    QImageWriter writer(path, format);
    if (!writer.write(m_panes->picture()))
        m_dialogs.showMessage(this, UserDialogs::Severity::Warning,
                              Texts::get(Text::PictureNotSaved, Languages::current()).arg(path), writer.errorString());
}
