#include "HistoryWindow.h"

#include "HistoryTable.h"
#include "LanguageFollower.h"
#include "Texts.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>

HistoryWindow::HistoryWindow(const SchemeHistory &history, QWidget *parent)
    : ToolWindow(QStringLiteral("History/geometry"), parent)
    , m_table(new HistoryTable(history, this))
{
    setObjectName(QStringLiteral("historyWindow"));
    m_goBack = new QPushButton(this);
    m_goBack->setObjectName(QStringLiteral("historyGoBack"));
    m_list = addList(m_table, QStringLiteral("historyList"), {m_goBack});
    m_list->setIconSize({32, 14});
    m_list->header()->setSectionResizeMode(HistoryTable::Change, QHeaderView::Stretch);
    resize(560, 360);
    restorePlace();

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &HistoryWindow::showGoBackState);
    connect(m_goBack, &QPushButton::clicked, this, &HistoryWindow::goBack);
    showGoBackState();
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

void HistoryWindow::retranslate()
{
    const Language language = Languages::current();
    setWindowTitle(Texts::get(Text::HistoryTitle, language));
    m_goBack->setText(Texts::get(Text::HistoryGoBack, language));
    m_table->retranslate();
    keepOnScreen();
}

void HistoryWindow::setEditorCovered(bool covered)
{
    m_goBackAllowed = !covered;
    showGoBackState();
}

void HistoryWindow::showGoBackState()
{
    m_goBack->setEnabled(m_goBackAllowed && m_list->currentIndex().isValid());
}

// Going back is a change of its own, the newest entry: it becomes the current
// row, so that the next step back starts from it.
void HistoryWindow::goBack()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid())
        return;
    emit goBackRequested(m_table->entryOf(current.row()));
    m_list->setCurrentIndex(m_table->index(0, 0));
    m_list->scrollToTop();
}

// It opens with the newest changes in view.
void HistoryWindow::showEvent(QShowEvent *event)
{
    m_list->scrollToTop();
    ToolWindow::showEvent(event);
}
