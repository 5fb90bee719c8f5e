#pragma once

#include <QListWidget>

class EditSession;

// The element list: one checkable entry per element, the check mark being the
// element's visible flag. It shows the session's current element and makes the
// entry the user selects current; which element an entry is, the program keeps
// with the entry, while the choice itself reads the element's number from the
// selected entry's text, as the list has always done. The marks follow the
// scheme's flags, and a mark the user sets or clears goes to the scheme.
class ElementList : public QListWidget
{
    Q_OBJECT
public:
    explicit ElementList(EditSession &session, QWidget *parent = nullptr);

    // Replaces the entries by the given texts, one per element in order, with
    // check marks from the scheme's visible flags. Selects nothing.
    void fill(const QStringList &texts);

    // The element an entry stands for.
    static int elementOf(const QListWidgetItem *entry);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // The selected entry is the current element: no click or key takes the
    // selection away (Ctrl with a click or Space would toggle it off).
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;

private:
    void takeSelection();
    void showElement(int element);
    void takeCheckState(QListWidgetItem *item);
    void showFlag(int element, bool visible);

    EditSession &m_session;
    bool m_filling = false;   // entries or marks set by the program, not the user
    bool m_following = false; // selecting the session's element, not the user's choice
    bool m_chosenSincePress = false;
};
