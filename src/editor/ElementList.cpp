#include "ElementList.h"

#include "EditSession.h"
#include "ElementCatalogue.h"

#include <QScopedValueRollback>

ElementList::ElementList(EditSession &session, QWidget *parent) : QListWidget(parent), m_session(session)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A mouse click makes an entry current before it selects it; the choice is
    // complete once the selection follows.
    connect(this, &QListWidget::itemSelectionChanged, this, &ElementList::takeSelection);
    // A click on the entry that is already selected chooses it again, so that
    // the editor shows the element's values as the table holds them now.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (!m_chosenSincePress && item == currentItem() && item->isSelected())
            takeSelection();
    });
    connect(this, &QListWidget::itemChanged, this, &ElementList::takeCheckState);
    connect(&m_session.scheme(), &SchemeModel::visibilityChanged, this, &ElementList::showFlag);
    connect(&m_session, &EditSession::currentElementChanged, this, &ElementList::showElement);
}

int ElementList::elementOf(const QListWidgetItem *entry)
{
    return entry ? entry->data(Qt::UserRole).toInt() : 0;
}

// The selected entry's text says which element is current, from its number
// before the first "-"; an entry that names none, or no selected entry, leaves
// no element current.
void ElementList::takeSelection()
{
    if (m_filling || m_following)
        return;
    m_chosenSincePress = true;
    const QListWidgetItem *entry = currentItem();
    const auto element = entry && entry->isSelected() ? ElementCatalogue::elementNumber(entry->text()) : std::nullopt;
    if (element)
        m_session.choose(*element);
    else
        m_session.chooseNone();
}

void ElementList::showElement(int element)
{
    const QScopedValueRollback following(m_following, true);
    if (element == 0)
        clearSelection();
    else if (element != elementOf(currentItem()) || !currentItem()->isSelected())
        setCurrentRow(element - 1);
}

void ElementList::fill(const QStringList &texts)
{
    m_filling = true;
    clear();
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, this);
        const int element = count();
        item->setData(Qt::UserRole, element);
        item->setToolTip(text); // long names are cut short in the list
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(m_session.scheme().scheme().isVisible(element) ? Qt::Checked : Qt::Unchecked);
    }
    m_filling = false;
}

void ElementList::showFlag(int element, bool visible)
{
    QListWidgetItem *entry = item(element - 1);
    if (!entry)
        return;
    m_filling = true;
    entry->setCheckState(visible ? Qt::Checked : Qt::Unchecked);
    m_filling = false;
}

void ElementList::mousePressEvent(QMouseEvent *event)
{
    m_chosenSincePress = false;
    QListWidget::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags ElementList::selectionCommand(const QModelIndex &index,
                                                                  const QEvent *event) const
{
    const auto command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    if ((command & QItemSelectionModel::Clear) && !index.isValid())
        return QItemSelectionModel::NoUpdate;
    return command;
}

void ElementList::takeCheckState(QListWidgetItem *item)
{
    if (m_filling)
        return;
    if (const int element = elementOf(item))
        m_session.setVisible(element, item->checkState() == Qt::Checked);
}
