// One step of undo and redo for the current element, and the menu items that
// offer them.
#include "MainWindow.h"

#include "MenuBar.h"
#include "MenuTable.h"

void MainWindow::undo()
{
    m_session.undo();
}

void MainWindow::redo()
{
    m_session.redo();
}

// The one place that sets the Undo and Redo items.
void MainWindow::showHistoryOffers()
{
    SmartMenuXP1->setItemEnabled(MenuTable::kUndoPosition, history().isUndoOffered());
    SmartMenuXP1->setItemEnabled(MenuTable::kRedoPosition, history().isRedoOffered());
}
