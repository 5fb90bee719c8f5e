#include "ElementList.h"

#include "ColourScheme.h"
#include "ElementCatalogue.h"

#include <QSignalBlocker>

ElementList::ElementList(ColourScheme &scheme, QWidget *parent) : QListWidget(parent), m_scheme(scheme)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling && row >= 0)
            emit elementChosen();
    });
    connect(this, &QListWidget::itemChanged, this, &ElementList::takeCheckState);
}

void ElementList::fill(const QStringList &texts)
{
    m_filling = true;
    clear();
    for (const QString &text : texts) {
        auto *item = new QListWidgetItem(text, this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_filling = false;
    showFlags();
}

void ElementList::showFlags()
{
    m_filling = true;
    for (int row = 0; row < count(); ++row) {
        const int element = row + 1;
        if (ColourScheme::isElementNumber(element))
            item(row)->setCheckState(m_scheme.isVisible(element) ? Qt::Checked : Qt::Unchecked);
    }
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
    if (position == currentRow()) {
        if (QListWidgetItem *entry = item(position))
            entry->setSelected(true);
        emit elementChosen();
        return;
    }
    setCurrentRow(position); // announces the choice through currentRowChanged
}

void ElementList::takeCheckState(QListWidgetItem *item)
{
    if (m_filling)
        return;
    const auto element = ElementCatalogue::elementNumber(item->text());
    if (element)
        m_scheme.setVisible(*element, item->checkState() == Qt::Checked);
}
