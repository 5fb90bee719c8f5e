#include "HistoryWindow.h"

#include "HistoryTable.h"
#include "LanguageFollower.h"
#include "Texts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(const SchemeHistory &history, QWidget *parent)
    : ToolWindow(QStringLiteral("History/geometry"), parent)
    , m_table(new HistoryTable(history, this))
{
    setObjectName(QStringLiteral("historyWindow"));
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setModel(m_table);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    m_list->setIconSize({32, 14});
    m_list->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(HistoryTable::Change, QHeaderView::Stretch);
    m_goBack = new QPushButton(this);
    m_goBack->setObjectName(QStringLiteral("historyGoBack"));
    m_goBack->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_goBack);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(560, 360);

    setButton(m_goBack);
    restorePlace();

    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &HistoryWindow::showGoBackState);
    connect(m_goBack, &QPushButton::clicked, this, &HistoryWindow::goBack);
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

void HistoryWindow::setGoBackAllowed(bool allowed)
{
    m_goBackAllowed = allowed;
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
