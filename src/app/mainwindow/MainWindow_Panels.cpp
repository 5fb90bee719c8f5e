// The banner with its two links, the three panels that take the editor area's
// place (disclaimer, support, links) and the consent.
#include "MainWindow.h"

#include "Banner.h"
#include "DisclaimerPanel.h"
#include "LazyPicture.h"
#include "LinkControl.h"
#include "LinksPanel.h"
#include "LogoControl.h"
#include "MenuBar.h"
#include "PanelTexts.h"
#include "Place.h"
#include "SchemeCommands.h"
#include "Settings.h"
#include "StatusBar.h"
#include "SupportPanel.h"

#include <QAction>

namespace {
const QRect kPanelPlace{8, 32, 505, 409};
}

void MainWindow::createBanner()
{
    // Drawn when first seen: with the editor showing, the banner lies under it.
    auto *banner = place<LazyPicture>(this, QStringLiteral("Picture1"), {520, 176, Banner::kWidth, Banner::kHeight});
    banner->setPicture(&Banner::picture);
    ctlLink1 = place<LinkControl>(this, QStringLiteral("ctlLink1"), {528, 360, 89, 17});
    quorvix1 = place<LogoControl>(this, QStringLiteral("quorvix1"), {519, 386, 113, 57}, PanelTexts::kMakerWebPage);
}

void MainWindow::createDisclaimerPanel()
{
    frmCopyright = place<DisclaimerPanel>(this, QStringLiteral("frmCopyright"), kPanelPlace);
    connect(frmCopyright, &DisclaimerPanel::agreed, this, &MainWindow::agree);
    connect(frmCopyright, &DisclaimerPanel::declined, this, &MainWindow::disagree);
}

void MainWindow::createSupportPanel()
{
    FrameSupport = place<SupportPanel>(this, QStringLiteral("FrameSupport"), kPanelPlace);
    FrameSupport->hide();
    connect(FrameSupport, &SupportPanel::closed, this, [this] { closePanel(FrameSupport); });
}

void MainWindow::createLinksPanel()
{
    frameLinks = place<LinksPanel>(this, QStringLiteral("frameLinks"), kPanelPlace);
    frameLinks->hide();
    connect(frameLinks, &LinksPanel::closed, this, [this] { closePanel(frameLinks); });
}

// --- Panels

void MainWindow::showDisclaimer()
{
    showPanel(frmCopyright);
}

void MainWindow::showSupport()
{
    showPanel(FrameSupport);
}

void MainWindow::showLinks()
{
    showPanel(frameLinks);
}

// A panel takes the editor area's place. Support and links take each other's
// place too; the disclaimer lies over either and leaves it open below.
void MainWindow::showPanel(InfoPanel *panel)
{
    MainElements->hide();
    panel->show();
    if (panel == FrameSupport)
        frameLinks->hide();
    else if (panel == frameLinks)
        FrameSupport->hide();
    followCover();
}

// The panel goes and the editor area shows again, under any other panel still
// open. The order is the one the window has always had: the support panel
// hides once the editor shows, the others first.
void MainWindow::closePanel(InfoPanel *panel)
{
    if (panel == FrameSupport) {
        MainElements->show();
        panel->hide();
    } else {
        panel->hide();
        MainElements->show();
    }
    followCover();
}

// Asked of the widgets themselves, not of the window: the start decides before
// the window shows.
bool MainWindow::isEditorShown() const
{
    return !MainElements->isHidden() && frmCopyright->isHidden() && FrameSupport->isHidden() && frameLinks->isHidden();
}

// The editor area may lie shown under a panel still open. While it is covered
// it takes neither the focus nor keys: Tab would walk through controls nobody
// sees, and Ctrl+V would change a colour unseen. A control that was hidden with
// the focus keeps it when nothing visible was there to take it, and its keys
// would act unseen too (Space would press a hidden button): the focus moves on
// to the next control that can be seen.
//
// The mail link and the logo lie inside the editor area's rectangle, beside the
// narrower panels: while the editor area shows they are covered, and are
// neither Tab stops nor take keys.
void MainWindow::followCover()
{
    const bool editorShown = isEditorShown();
    MainElements->setEnabled(editorShown);
    const bool bannerShown = MainElements->isHidden();
    ctlLink1->setEnabled(bannerShown);
    quorvix1->setEnabled(bannerShown);
    // The disclaimer lies under the support and links panels.
    frmCopyright->setEnabled(FrameSupport->isHidden() && frameLinks->isHidden());
    // Nothing changes the scheme unseen: Fix, Go back, Apply and a pick in the
    // large preview wait for the editor to show.
    m_toolWindows.setEditorCovered(!editorShown);
    m_schemeCommands->setEditorCovered(!editorShown);
    offerEditorKeys();
    // A control disabled with the focus drops it (Qt moves it on only when the
    // control's own parent stays enabled).
    if (QWidget *focus = focusWidget(); !focus || !focus->isVisible())
        focusNextChild();
}

// --- Consent

void MainWindow::agree(Language marked)
{
    closePanel(frmCopyright);
    SmartMenuXP1->show();
    offerOwnCommands(true);
    Settings::storeConsent(true);
    applyLanguage(marked);
}

// Until the user has agreed to the disclaimer, it is all the window offers: the
// menu bar is hidden, the editor area with its context menus and keys lies
// under the disclaimer, and what reaches past it waits too: the window-wide
// keys of the scheme commands (Ctrl+H, Ctrl+L), the readability count, and a
// file dropped on the window. Otherwise a tool window would open, and a pick in
// the large preview change the scheme before the user agreed to anything.
void MainWindow::offerOwnCommands(bool agreed)
{
    StatusBar1->offerReadability(agreed);
    m_schemeCommands->offer(agreed);
    setAcceptDrops(agreed);
}

// The program ends, once unsaved changes are seen to; only then is the refusal kept.
void MainWindow::disagree()
{
    if (close())
        Settings::storeConsent(false);
}
