// What a pick on the preview does to the rest of the window.
#include "MainWindow.h"

#include "ElementList.h"
#include "PaletteTabs.h"

// The element becomes current and takes the colour the pane showed: for an
// element pixel its own colour, for one of the few fixed icon pixels that pass
// the test the icon's colour. The editor is loaded under the guard, and the step
// left to undo is the colour before the pick.
void MainWindow::takePick(int element, const Rgb &shown)
{
    EditSession::Guard guard(m_session);
    cmbElement->selectPosition(element - 1);
    const Rgb before = m_scheme.colour(element);
    m_scheme.setColour(element, shown);
    TabPaletteSelect->moveToColour(shown);
    // The bars' own handling records every single step as an undo colour.
    m_session.history().recordOffered(before);
}
