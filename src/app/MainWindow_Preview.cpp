// Picking an element on the preview, flashing it, the makers' click sequence and
// the provider-name option.
#include "MainWindow.h"

#include "ElementCatalogue.h"
#include "ElementCode.h"
#include "ElementList.h"
#include "PaletteFrame.h"
#include "RgbEditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

// A click on a pane chooses the element whose mask pixel lies under the pointer
// and gives it the colour the pane shows there. For an element pixel that is the
// element's own colour; a few fixed icon pixels pass the test as well and then
// lend their colour to the element they name.
void MainWindow::pick(int pane)
{
    m_clickSequence.advance(pane);
    // A click that picks nothing leaves everything else as it was, a flash included.
    const Rgb mask = m_panes.pane(pane).maskColourAt(m_lastPointer);
    const auto picked = ElementCode::picked(mask);
    if (!picked)
        return;
    const int element = *picked;

    EditSession::Guard guard(m_session);
    // An element still shown in its flash colour gets its colour back first: the
    // pick reads the colour the pane shows, which must be the element's own.
    if (m_flashElement < 0)
        endFlash();
    const Rgb shown = m_panes.pane(pane).pictureColourAt(m_lastPointer);

    cmbElement->selectPosition(element - 1);
    DEVEdition[3]->setText(QStringLiteral("%1  %2 xyz").arg(element).arg(254 - element));

    const Rgb before = m_scheme.colour(element);
    m_scheme.setColour(element, shown);
    frameFarbe16Bit->moveBars(shown);
    // The bars' own handling records every single step as an undo colour; the
    // step a pick leaves to undo is the colour before the pick.
    m_session.history().recordPick(before);
    frameFarbe256->showColour(frameFarbe16Bit->barColour());

    if (chkBlink->isChecked()) {
        m_flashElement = element;
        tmrBlink->start();
    }
}

// One tick shows the element in the inverse of its colour, the next gives it its
// colour back and stops the timer. Both colours come from the element's entry
// in the table, not from the editor: by the time the timer ticks the user may
// have chosen another element.
void MainWindow::blink()
{
    if (m_flashElement >= 1) {
        m_panes.paintElement(m_flashElement, m_scheme.colour(m_flashElement).inverted());
        m_flashElement = -m_flashElement;
    } else {
        endFlash();
    }
}

void MainWindow::endFlash()
{
    m_flashElement = -m_flashElement;
    tmrBlink->stop();
    if (ElementNumber::isValid(m_flashElement))
        m_panes.paintElement(m_flashElement, m_scheme.colour(m_flashElement));
}

void MainWindow::resetClickSequence()
{
    m_clickSequence.reset();
}

// Hiding the provider name is a matter of the phone: only the flags of the two
// provider-name elements change, the preview keeps showing the name.
void MainWindow::setProviderFlags(bool hidden)
{
    m_scheme.setVisible(23, !hidden);
    m_scheme.setVisible(24, !hidden);
}

QString MainWindow::paneToolTip(int pane, QPoint at) const
{
    const Rgb mask = m_panes.pane(pane).maskColourAt(at);
    const auto element = ElementCode::element(mask.red, mask.green);
    if (!element)
        return {};
    const Rgb c = m_scheme.colour(*element);
    return ElementCatalogue::listText(m_language, *element)
           + QStringLiteral("\nR %1, G %2, B %3   #%4%5%6")
                 .arg(c.red)
                 .arg(c.green)
                 .arg(c.blue)
                 .arg(c.red, 2, 16, QLatin1Char('0'))
                 .arg(c.green, 2, 16, QLatin1Char('0'))
                 .arg(c.blue, 2, 16, QLatin1Char('0'))
                 .toUpper();
}
