#include "MainWindow.h"

#include "ElementList.h"
#include "PaletteFrame.h"
#include "QtUserDialogs.h"
#include "RgbEditor.h"
#include "Texts.h"

#include <QTabBar>
#include <QTabWidget>

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_session(m_scheme, m_panes), m_dialogs(std::make_unique<QtUserDialogs>())
{
    createWindow();
    createStatusBar();
    createEditorArea();
    createMenu();
    createSupportPanel();
    createTimers();
    connectControls();
}

MainWindow::~MainWindow() = default;

// The element list is filled and element 1 chosen while the table is still
// black, so the editor shows zeros until another element is chosen; then the
// blue scheme is drawn.
void MainWindow::start()
{
    applyLanguage(Language::German);
    loadStandardScheme(StandardScheme::Blue);
}

void MainWindow::setDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

QString MainWindow::text(Text text) const
{
    return Texts::get(text, m_language);
}

// Loads the current element into the editor. Under the guard: the values being
// shown are the table's own, so the preview needs no repaint.
void MainWindow::showElement()
{
    const auto element = cmbElement->currentElement();
    if (!element)
        return;
    EditSession::Guard guard(m_session);
    frameFarbe16Bit->showEntry(m_scheme.entry(*element));
    frameFarbe256->showColour(frameFarbe16Bit->shownColour());
}

void MainWindow::showPaletteTab(int index)
{
    const QString key = TabPaletteSelect->tabBar()->tabData(index).toString();
    frameFarbe256->setVisible(key == u"pS55");
    frameFarbe16Bit->setVisible(key == u"p16Bit");
}
