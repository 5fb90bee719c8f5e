#include "ElementList.h"

#include "SchemeModel.h"
#include "ElementCatalogue.h"

#include <QSignalBlocker>

ElementList::ElementList(SchemeModel &scheme, QWidget *parent) : QListWidget(parent), m_scheme(scheme)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // A mouse click makes an entry current before it selects it; the choice is
    // complete once the selection follows.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_filling && currentElement()) {
            m_chosenSincePress = true;
            emit elementChosen();
        }
    });
    // A click on the entry that is already selected chooses it again, so that
    // the editor shows the element's values as the table holds them now.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        if (!m_chosenSincePress && item == currentItem() && currentElement())
            emit elementChosen();
    });
    connect(this, &QListWidget::itemChanged, this, &ElementList::takeCheckState);
    connect(&m_scheme, &SchemeModel::visibilityChanged, this, &ElementList::showFlag);
}

void ElementList::fill(const QStringList &texts)
{
    m_filling = true;
    clear();
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, this);
        item->setToolTip(text); // long names are cut short in the list
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        const auto element = ElementCatalogue::elementNumber(text);
        item->setCheckState(!element || m_scheme.scheme().isVisible(*element) ? Qt::Checked : Qt::Unchecked);
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

std::optional<int> ElementList::currentElement() const
{
    const QListWidgetItem *item = currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return ElementCatalogue::elementNumber(item->text());
}

void ElementList::selectPosition(int position)
{
    QListWidgetItem *entry = item(position);
    if (!entry)
        return;
    if (position == currentRow() && entry->isSelected())
        emit elementChosen();
    else
        setCurrentRow(position); // announced when the selection changes
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
    const auto element = ElementCatalogue::elementNumber(item->text());
    if (element)
        m_scheme.setVisible(*element, item->checkState() == Qt::Checked);
}
