#pragma once

#include "ToolWindow.h"

class HistoryTable;
class QPushButton;
class QTreeView;
class SchemeHistory;

// A window beside the editor that lists every change of the scheme, newest
// first, and takes the scheme back to the state right after a chosen entry.
// It follows the history and the language.
class HistoryWindow : public ToolWindow
{
    Q_OBJECT
public:
    HistoryWindow(const SchemeHistory &history, QWidget *parent);

    // While the editor is covered, Go back is grey and no key or click reaches it.
    void setEditorCovered(bool covered) override;

signals:
    // The scheme is to become what it was right after the history's entry.
    void goBackRequested(int entry);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void retranslate();
    void showGoBackState();
    void goBack();

    HistoryTable *m_table;
    QTreeView *m_list = nullptr;
    QPushButton *m_goBack = nullptr;
    bool m_goBackAllowed = true;
};
