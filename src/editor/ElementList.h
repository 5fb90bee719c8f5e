#pragma once

#include <QListWidget>

#include <optional>

class SchemeModel;

// The element list: one checkable entry per element, the check mark being the
// element's visible flag. The marks follow the scheme's flags, and a mark the
// user sets or clears goes to the scheme. The current element is read from the
// selected entry's text, so the list and the scheme can never disagree about it.
class ElementList : public QListWidget
{
    Q_OBJECT
public:
    explicit ElementList(SchemeModel &scheme, QWidget *parent = nullptr);

    // Replaces the entries by the given texts, one per element in order, with
    // check marks from the scheme's visible flags. Selects nothing.
    void fill(const QStringList &texts);

    std::optional<int> currentElement() const;

    // Selects a list position (element n sits at position n - 1) and announces
    // the choice even when that entry is already selected: whoever picks an element relies on
    // the editor being loaded afresh.
    void selectPosition(int position);

signals:
    // The user or the program chose an entry.
    void elementChosen();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // The selected entry is the current element: no click or key takes the
    // selection away (Ctrl with a click or Space would toggle it off).
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    void takeCheckState(QListWidgetItem *item);
    void showFlag(int element, bool visible);

    SchemeModel &m_scheme;
    bool m_filling = false;
    bool m_chosenSincePress = false;
};
