// Switching the interface language.
#include "MainWindow.h"

#include "ElementCatalogue.h"
#include "ElementList.h"
#include "Settings.h"
#include "Texts.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

// Qt's own words follow the interface language. One translator serves the whole
// program, whichever window switches: Qt asks the newest installed translator
// first, so a second one would keep speaking its language after a switch. A
// translation that is not there (English, or Qt's translations not installed)
// leaves Qt's words in English.
void speakQtWords(Language language)
{
    static QPointer<QTranslator> translator; // owned by the application object
    static QString installed;                // the name of the translation installed, if any
    const QString wanted = Languages::toolkitTranslation(language);
    if (!translator) {
        translator = new QTranslator(QCoreApplication::instance());
        installed.clear();
    } else if (wanted == installed) {
        return; // every switch would otherwise tell every widget the language changed
    }
    QCoreApplication::removeTranslator(translator);
    installed.clear();
    if (!wanted.isEmpty() && translator->load(wanted, QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        installed = wanted;
}

} // namespace

// The language is stored, the menu retitled in it, every caption retranslated and
// the element list refilled, and element 1 chosen. The check marks are the
// scheme's: a switch keeps each element's mark.
void MainWindow::applyLanguage(Language language)
{
    Languages::setCurrent(language);
    Settings::storeLanguage(language);
    speakQtWords(language);
    showMenuIn(language);
    // Sent, not posted: the switch is complete when the command returns. The
    // window passes it on to every child, each of which retranslates itself.
    QEvent changed(QEvent::LanguageChange);
    QCoreApplication::sendEvent(this, &changed);
    cmbElement->fill(ElementCatalogue::listTexts(language));
    m_session.choose(1);
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        cmdOpen->setText(text(Text::OpenButtonCaption));
        cmdSave->setText(text(Text::SaveButtonCaption));
        frameElement->setTitle(text(Text::ElementCaption));
        FrameTitel->setTitle(text(Text::SchemeTitleCaption));
    }
    QWidget::changeEvent(event);
}
