// One step of undo and redo for the current element, and the menu items that
// offer them.
#include "MainWindow.h"

#include "ElementList.h"
#include "MenuBar.h"
#include "MenuTable.h"
#include "PaletteTabs.h"

void MainWindow::undo()
{
    const auto element = cmbElement->currentElement();
    m_session.history().undo(m_session.currentColour(),
                             [this, element](const Rgb &colour) { restoreColour(*element, colour); });
}

void MainWindow::redo()
{
    const auto element = cmbElement->currentElement();
    m_session.history().redo(m_session.currentColour(),
                             [this, element](const Rgb &colour) { restoreColour(*element, colour); });
}

// The boxes are assigned as if typed, so the bars and the editor's swatch follow;
// the palette's value boxes keep what they show.
void MainWindow::restoreColour(int element, const Rgb &colour)
{
    m_scheme.setColour(element, colour);
    TabPaletteSelect->assignColour(colour);
}

// The one place that sets the Undo and Redo items.
void MainWindow::showHistoryOffers()
{
    SmartMenuXP1->setItemEnabled(MenuTable::kUndoPosition, history().isUndoOffered());
    SmartMenuXP1->setItemEnabled(MenuTable::kRedoPosition, history().isRedoOffered());
}
