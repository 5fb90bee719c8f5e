#include "ReadabilityWindow.h"

#include "ColourScience.h"
#include "LanguageFollower.h"
#include "ReadabilityModel.h"
#include "ReadabilityTable.h"
#include "SchemeModel.h"
#include "Settings.h"
#include "Texts.h"

#include <QDataStream>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The window's rectangle in a place that QWidget::saveGeometry() kept (magic
// number, version, frame, normal geometry, screen number, maximised, full
// screen; from version 2 the screen's width, from 3 the geometry), as
// restoreGeometry() would apply it; nothing where the bytes are no such place
// or are cut short. A maximised window is judged by the place it had before.
std::optional<QRect> keptRectangle(const QByteArray &place)
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
    return major > 2 && !maximised && !fullScreen ? geometry : normal;
}

// A rectangle the window can take: at least its minimum size, and at least
// half of it on the screens (computed in 64 bits: a damaged place can hold any
// coordinates).
bool canTake(const QRect &rect, const QSize &minimum)
{
    const qint64 width = qint64(rect.right()) - rect.left() + 1;
    const qint64 height = qint64(rect.bottom()) - rect.top() + 1;
    if (width < minimum.width() || height < minimum.height())
        return false;
    qint64 shown = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect part = rect.intersected(screen->availableGeometry());
        if (!part.isEmpty())
            shown += qint64(part.width()) * part.height();
    }
    return 2 * shown >= width * height;
}

} // namespace

ReadabilityWindow::ReadabilityWindow(const ReadabilityModel &readability, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_readability(readability)
    , m_table(new ReadabilityTable(readability, this))
{
    setObjectName(QStringLiteral("readabilityWindow"));
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("readabilityList"));
    m_list->setModel(m_table);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setIconSize({32, 16});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false); // the columns' width is what the list needs
    m_fix = new QPushButton(this);
    m_fix->setObjectName(QStringLiteral("readabilityFix"));
    m_fix->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_fix);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(820, 360);

    m_placed = restorePlace();

    // The rows move with their pairs after a change, the current one too; its
    // move is no choice of the user's and chooses nothing.
    connect(m_table, &QAbstractItemModel::layoutChanged, this, [this] {
        showFixState();
        fitColumns();
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ReadabilityWindow::chooseRow);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &ReadabilityWindow::showFixState);
    connect(m_fix, &QPushButton::clicked, this, &ReadabilityWindow::fix);
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

const std::vector<Readability::Verdict> &ReadabilityWindow::verdicts() const
{
    return m_table->verdicts();
}

// A place the window cannot use (not one saveGeometry() wrote, smaller than the
// window's content needs, mostly off the screens) counts as none: the window
// then opens beside the editor.
bool ReadabilityWindow::restorePlace()
{
    const QByteArray place = Settings::readabilityGeometry();
    const std::optional<QRect> rect = keptRectangle(place);
    return rect && canTake(*rect, minimumSizeHint()) && restoreGeometry(place);
}

void ReadabilityWindow::retranslate()
{
    const Language language = Languages::current();
    m_fitWidth = true;
    setWindowTitle(Texts::get(Text::ReadabilityTitle, language));
    m_fix->setText(Texts::get(Text::ReadabilityFix, language));
    m_table->retranslate();
    fitColumns();
}

// The pair of the current row, if a row is current.
const Readability::Verdict *ReadabilityWindow::currentPair() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? &m_table->verdicts()[std::size_t(current.row())] : nullptr;
}

// The list is never narrower than its columns, whose widths follow the names
// of the language: nothing is cut off. Only a screen narrower than that needs
// the scroll bar across. When the window opens and after a language change, the
// window takes the width the columns need, narrower as well as wider; in
// between, a wider window keeps its width.
void ReadabilityWindow::fitColumns()
{
    if (!isVisible())
        return;
    m_list->header()->resizeSections(QHeaderView::ResizeToContents);
    const int columns = m_list->header()->length();
    const int wanted = columns + m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth();
    // Room for the window's frame and margins on the screen it is on.
    const QMargins margins = layout()->contentsMargins();
    const int around = frameGeometry().width() - width() + margins.left() + margins.right();
    const int room = screen()->availableGeometry().width() - around - 16;
    m_list->setMinimumWidth(std::max(0, std::min(wanted, room)));
    if (m_fitWidth && isVisible()) {
        m_fitWidth = false;
        layout()->activate(); // lowers the window's minimum to the new columns' first
        resize(minimumSizeHint().width(), height());
    }
    keepOnScreen();
}

// Grown for another language, the window stays on its screen, made smaller
// where the screen is smaller.
void ReadabilityWindow::keepOnScreen()
{
    if (!isVisible())
        return;
    const QRect screen = this->screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize fitting = size().expandedTo(minimumSizeHint()).boundedTo(screen.size() - frame);
    if (fitting != size())
        resize(fitting);
    const QSize whole = fitting + frame;
    const QPoint at(std::clamp(x(), screen.left(), std::max(screen.left(), screen.right() + 1 - whole.width())),
                    std::clamp(y(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - whole.height())));
    if (at != pos())
        move(at);
}

void ReadabilityWindow::chooseRow()
{
    showFixState();
    if (const Readability::Verdict *pair = currentPair())
        emit elementChosen(pair->pair.text);
}

void ReadabilityWindow::setFixAllowed(bool allowed)
{
    m_fixAllowed = allowed;
    showFixState();
}

// A row can be current without being chosen (the list just took the focus):
// Fix works on it all the same.
void ReadabilityWindow::showFixState()
{
    m_fix->setEnabled(m_fixAllowed && currentPair() != nullptr);
}

void ReadabilityWindow::fix()
{
    const Readability::Verdict *chosen = currentPair();
    if (!chosen)
        return;
    const Readability::Verdict verdict = *chosen;
    const Rgb text = m_readability.scheme().colour(verdict.pair.text);
    const Rgb background = m_readability.scheme().colour(verdict.pair.background);
    const Rgb colour = ColourScience::readableColour(text, background, verdict.level)
                           .value_or(ColourScience::blackOrWhite(background));
    emit fixRequested(verdict.pair.text, colour);
}

// Where the window is goes to the settings when it is closed, and when the
// editor ends while it is open.
ReadabilityWindow::~ReadabilityWindow()
{
    if (isVisible())
        Settings::storeReadabilityGeometry(saveGeometry());
}

// A tool window shares its parent's shortcuts in Qt (the editor's menu bar and
// commands would answer Alt and a letter, F10, Ctrl+Z, Ctrl+O pressed here).
// Taking every shortcut override keeps them out: the key comes to the focused
// control as a key press, and what that control leaves comes to keyPressEvent.
bool ReadabilityWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

// The window's own keys, since no shortcut reaches it: Esc closes it, and
// Fix's access key presses Fix (which does nothing while Fix is grey).
void ReadabilityWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else if (QKeySequence(event->keyCombination()) == m_fix->shortcut())
        m_fix->click();
    else
        QWidget::keyPressEvent(event);
}

// It opens with the top of the list in view, where the worst pairs are.
// Where no place is remembered, the window opens beside the editor: to its
// right, else to its left, else below it, whichever the screen holds whole;
// on a screen too small for all three, as far right as the screen allows.
void ReadabilityWindow::showEvent(QShowEvent *event)
{
    m_fitWidth = true;
    fitColumns();
    m_list->scrollToTop();
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

void ReadabilityWindow::hideEvent(QHideEvent *event)
{
    Settings::storeReadabilityGeometry(saveGeometry());
    QWidget::hideEvent(event);
}
