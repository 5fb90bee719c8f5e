// Switching the interface language.
#include "MainWindow.h"

#include "ElementCatalogue.h"
#include "ElementList.h"
#include "Settings.h"
#include "Texts.h"

// The language is stored, the menu rebuilt in it, the localised captions set and
// the element list refilled. A switch makes every element visible again, except
// 45, whatever the provider option says, and chooses element 1.
void MainWindow::applyLanguage(Language language)
{
    m_language = language;
    Settings::storeLanguage(language);
    buildMenu(language);
    for (const auto &[caption, setCaption] : m_localisedCaptions)
        setCaption(Texts::get(caption, language));
    m_scheme.resetVisibleFlags();
    cmbElement->fill(ElementCatalogue::listTexts(language));
    cmbElement->selectPosition(0);
}
