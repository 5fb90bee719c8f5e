#include "ReadabilityWindow.h"

#include "ColourScience.h"
#include "LanguageFollower.h"
#include "ReadabilityModel.h"
#include "ReadabilityTable.h"
#include "SchemeModel.h"
#include "Texts.h"

#include <QHeaderView>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QScreen>
#include <QTreeView>

#include <algorithm>


ReadabilityWindow::ReadabilityWindow(const ReadabilityModel &readability, QWidget *parent)
    : ToolWindow(QStringLiteral("Readability/geometry"), parent)
    , m_readability(readability)
    , m_table(new ReadabilityTable(readability, this))
{
    setObjectName(QStringLiteral("readabilityWindow"));
    m_fix = new QPushButton(this);
    m_fix->setObjectName(QStringLiteral("readabilityFix"));
    m_list = addList(m_table, QStringLiteral("readabilityList"), m_fix);
    m_list->setIconSize({32, 16});
    resize(820, 360);
    restorePlace();

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

// It opens with the top of the list in view, where the worst pairs are.
void ReadabilityWindow::showEvent(QShowEvent *event)
{
    m_fitWidth = true;
    fitColumns();
    m_list->scrollToTop();
    ToolWindow::showEvent(event);
}
