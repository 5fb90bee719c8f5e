#include "ToolWindow.h"

#include "Settings.h"

#include <QAbstractButton>
#include <QDataStream>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

// A place that QWidget::saveGeometry() kept (magic number, version, frame,
// normal geometry, screen number, maximised, full screen; from version 2 the
// screen's width, from 3 the geometry): the window's frame, and its rectangle
// as restoreGeometry() would apply it. Nothing where the bytes are no such
// place or are cut short. A maximised window is judged by the place it had before.
struct KeptPlace
{
    QRect frame;
    QRect rect;
};

std::optional<KeptPlace> keptPlace(const QByteArray &place)
{
    QDataStream stream(place);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 major = 0;
    quint16 minor = 0;
    QRect frame;
    QRect normal;
    QRect geometry;
    qint32 screen = 0;
    qint32 screenWidth = 0;
    quint8 maximised = 0;
    quint8 fullScreen = 0;
    stream >> magic >> major >> minor >> frame >> normal >> screen >> maximised >> fullScreen;
    if (major > 1)
        stream >> screenWidth;
    if (major > 2)
        stream >> geometry;
    if (stream.status() != QDataStream::Ok || magic != 0x1D9D0CB || major < 1 || major > 3)
        return std::nullopt;
    return KeptPlace{frame, major > 2 && !maximised && !fullScreen ? geometry : normal};
}

// Whether a rectangle lies wholly within the screens' available room: within
// one screen, or across several side by side (computed in 64 bits: a damaged
// place can hold any coordinates).
bool isOnScreens(const QRect &rect)
{
    const qint64 width = qint64(rect.right()) - rect.left() + 1;
    const qint64 height = qint64(rect.bottom()) - rect.top() + 1;
    if (width <= 0 || height <= 0)
        return false;
    qint64 shown = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect room = screen->availableGeometry();
        if (room.contains(rect))
            return true;
        const QRect part = rect.intersected(room);
        if (!part.isEmpty())
            shown += qint64(part.width()) * part.height();
    }
    return shown == width * height;
}

// A place the window can take: at least its minimum size, and the window with
// its frame on the screens. A window larger than the screen, or partly off it,
// would have its buttons out of reach.
bool canTake(const KeptPlace &place, const QSize &minimum)
{
    const qint64 width = qint64(place.rect.right()) - place.rect.left() + 1;
    const qint64 height = qint64(place.rect.bottom()) - place.rect.top() + 1;
    return width >= minimum.width() && height >= minimum.height() && isOnScreens(place.rect)
           && isOnScreens(place.frame);
}

} // namespace

ToolWindow::ToolWindow(const QString &placeKey, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_placeKey(placeKey)
{
}

QTreeView *ToolWindow::addList(QAbstractItemModel *model, const QString &name, const QList<QWidget *> &row,
                               QWidget *note)
{
    auto *list = new QTreeView(this);
    list->setObjectName(name);
    list->setModel(model);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false); // the columns' width is what the list needs

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QWidget *widget : row)
        buttons->addWidget(widget);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(list);
    if (note)
        layout->addWidget(note);
    layout->addLayout(buttons);
    return list;
}

// A place the window cannot use (not one saveGeometry() wrote, smaller than the
// window's content needs, not wholly on the screens) counts as none: the window
// then opens beside the editor.
void ToolWindow::restorePlace()
{
    const QByteArray place = Settings::windowPlace(m_placeKey);
    const std::optional<KeptPlace> kept = keptPlace(place);
    m_placed = kept && canTake(*kept, minimumSizeHint()) && restoreGeometry(place);
}

// Grown for another language, the window stays on its screen, made smaller
// where the screen is smaller. Moved aside only to fit, it keeps the place it
// had (where the user or the opening put it) and goes back there once it fits
// there again: a language that needs a wider window leaves it over the editor
// only while that language lasts.
void ToolWindow::keepOnScreen()
{
    if (!isVisible())
        return;
    // Found anywhere but where it was last moved to fit, it was moved since.
    if (pos() != m_movedToFit)
        m_place = pos();
    const QRect screen = this->screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize fitting = size().expandedTo(minimumSizeHint()).boundedTo(screen.size() - frame);
    if (fitting != size())
        resize(fitting);
    const QSize whole = fitting + frame;
    const QPoint at(
        std::clamp(m_place.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - whole.width())),
        std::clamp(m_place.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - whole.height())));
    if (at != pos())
        move(at);
    m_movedToFit = pos();
}

void ToolWindow::setEditorCovered(bool)
{
}

// Where the window is goes to the settings when it is closed, and when the
// editor ends while it is open.
ToolWindow::~ToolWindow()
{
    if (isVisible())
        Settings::storeWindowPlace(m_placeKey, saveGeometry());
}

// A tool window shares its parent's shortcuts in Qt (the editor's menu bar and
// commands would answer Alt and a letter, F10, Ctrl+Z, Ctrl+O pressed here).
// Taking every shortcut override keeps them out: the key comes to the focused
// control as a key press, and what that control leaves comes to keyPressEvent.
bool ToolWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

// The window's own keys, since no shortcut reaches it: Esc closes it, and the
// access key of a button presses it (which does nothing while it is grey).
void ToolWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    const QKeySequence pressed(event->keyCombination());
    const QList<QAbstractButton *> buttons = findChildren<QAbstractButton *>();
    const auto found = std::find_if(buttons.begin(), buttons.end(), [&](const QAbstractButton *button) {
        return button->isVisible() && !button->shortcut().isEmpty() && button->shortcut() == pressed;
    });
    if (found != buttons.end())
        (*found)->click();
    else
        QWidget::keyPressEvent(event);
}

// Where no place is remembered, the window opens beside the editor: to its
// right, else to its left, else below it, whichever the screen holds whole;
// on a screen too small for all three, as far right as the screen allows.
void ToolWindow::showEvent(QShowEvent *event)
{
    if (!m_placed && parentWidget()) {
        m_placed = true;
        const QWidget *editor = parentWidget()->window();
        const QRect beside = editor->frameGeometry();
        const QRect screen = editor->screen()->availableGeometry();
        // Not framed yet: the window's frame is taken to be as wide as the editor's.
        const QSize frame = editor->frameGeometry().size() - editor->size();
        const QSize size = this->size().expandedTo(minimumSizeHint()) + frame;
        constexpr int kGap = 8;
        const QPoint candidates[] = {
            {beside.right() + 1 + kGap, beside.top()},
            {beside.left() - kGap - size.width(), beside.top()},
            {beside.left(), beside.bottom() + 1 + kGap},
        };
        const auto fits = [&](QPoint at) { return screen.contains(QRect(at, size)); };
        const auto found = std::find_if(std::begin(candidates), std::end(candidates), fits);
        QPoint at = found != std::end(candidates) ? *found : candidates[0];
        at.setX(std::clamp(at.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())));
        at.setY(std::clamp(at.y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height())));
        move(at);
    }
    QWidget::showEvent(event);
}

void ToolWindow::hideEvent(QHideEvent *event)
{
    Settings::storeWindowPlace(m_placeKey, saveGeometry());
    QWidget::hideEvent(event);
}
