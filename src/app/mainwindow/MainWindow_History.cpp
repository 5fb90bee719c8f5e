// The Undo and Redo items of the menu, offered as the edit session's one step
// of history allows.
#include "MainWindow.h"

#include "MenuBar.h"
#include "MenuTable.h"

// The one place that sets the Undo and Redo items.
void MainWindow::showHistoryOffers()
{
    SmartMenuXP1->setItemEnabled(MenuTable::kUndoPosition, m_session.history().isUndoOffered());
    SmartMenuXP1->setItemEnabled(MenuTable::kRedoPosition, m_session.history().isRedoOffered());
}
