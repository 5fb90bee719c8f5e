// Where every control of the window sits, and how the controls are wired.
//
// Every control gets its member's name as object name; a control of an array
// carries its index in the name (txtRGB0..2, scrollRGB0..2, cmdSetAll0..2,
// txtS55PaletteRGB0..2, Label80..2, PicturePreview0..5 (in the preview frame), DEVEdition0..3,
// txtSupport0..6).
#include "MainWindow.h"

#include "DeveloperLabel.h"
#include "ColourCommands.h"
#include "SchemeCommands.h"
#include "ElementList.h"
#include "FocusBorder.h"
#include "HistoryWindow.h"
#include "LargePreview.h"
#include "MenuBar.h"
#include "MenuTable.h"
#include "PaletteTabs.h"
#include "Place.h"
#include "PreviewFrame.h"
#include "ReadabilityWindow.h"
#include "RecentFilesMenu.h"
#include "SchemeNameValidator.h"
#include "Settings.h"
#include "SettingsWatch.h"
#include "StatusBar.h"
#include "WrappingCheckBox.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTime>
#include <QTimer>

void MainWindow::createWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Siemens S55 Vexlume"));
    setFixedSize(634, 477);
    setAcceptDrops(true);
    QFont compact = font();
    compact.setPixelSize(11);
    setFont(compact);

    developerLabel(this, 0, QStringLiteral("DEVELOPER EDITION"), {392, 0, 177, 17});
    developerLabel(this, 1, QStringLiteral("FOR QUORVIX INTERNAL USE ONLY"), {392, 16, 233, 17});
}

void MainWindow::createEditorArea()
{
    MainElements = place<QWidget>(this, QStringLiteral("MainElements"), {8, 32, 617, 417});
    MainElements->setAutoFillBackground(true); // it covers the banner and the links beside the panels
    FramePreview = place<PreviewFrame>(MainElements, QStringLiteral("FramePreview"), {0, 0, 233, 409}, m_scheme, m_panes, m_readabilityModel);
    createElementFrame(MainElements);
    TabPaletteSelect = place<PaletteTabs>(MainElements, QStringLiteral("TabPaletteSelect"), {248, 128, 257, 217}, m_session);
    createNameFrame(MainElements);

    // The open and save commands live on two buttons that are never shown; the
    // menu runs them.
    cmdOpen = place<QPushButton>(MainElements, QStringLiteral("cmdOpen"), {512, 352, 105, 25});
    cmdOpen->hide();
    cmdSave = place<QPushButton>(MainElements, QStringLiteral("cmdSave"), {512, 384, 105, 25});
    cmdSave->hide();
}

void MainWindow::createElementFrame(QWidget *area)
{
    frameElement = place<QGroupBox>(area, QStringLiteral("frameElement"), {248, 0, 369, 121});
    cmbElement = place<ElementList>(frameElement, QStringLiteral("cmbElement"), {8, 16, 353, 94}, m_session);
    new FocusBorder(cmbElement); // the list's own look hardly changes with the focus
}

void MainWindow::createNameFrame(QWidget *area)
{
    FrameTitel = place<QGroupBox>(area, QStringLiteral("FrameTitel"), {248, 352, 257, 57});
    txtNamedesSchemes = place<QLineEdit>(FrameTitel, QStringLiteral("txtNamedesSchemes"), {8, 24, 241, 19});
    txtNamedesSchemes->setValidator(new SchemeNameValidator(txtNamedesSchemes));
}

// The bar lies in the band above the editor area; it stays hidden until the
// user has agreed to the disclaimer.
void MainWindow::createMenu()
{
    SmartMenuXP1 = new MenuBar(this);
    SmartMenuXP1->setGeometry(0, 0, width(), 28);
    SmartMenuXP1->hide();
    m_recentFiles = std::make_unique<RecentFilesMenu>(*SmartMenuXP1);
}

void MainWindow::connectControls()
{
    m_panes.follow(m_scheme);
    StatusBar1->followReadability(m_readabilityModel);
    connect(FramePreview, &PreviewFrame::picked, &m_session, &EditSession::pick);
    connect(FramePreview, &PreviewFrame::elementPointed, &m_session, &EditSession::choose);
    connect(FramePreview, &PreviewFrame::maskFileRequested, this, &MainWindow::loadMask);
    connect(StatusBar1, &StatusBar::readabilityClicked, this, [this] { m_toolWindows.show<ReadabilityWindow>(); });

    // The name box and the scheme's name follow each other.
    connect(txtNamedesSchemes, &QLineEdit::textChanged, &m_scheme, &SchemeModel::setName);
    connect(txtNamedesSchemes, &QLineEdit::inputRejected, this, &MainWindow::tellRefusedNameCharacter);
    // Only a name that differs reaches the box: setting a box's text moves its
    // cursor to the end, which would jump while the user types in the middle.
    connect(&m_scheme, &SchemeModel::nameChanged, txtNamedesSchemes, [this](const QString &name) {
        if (txtNamedesSchemes->text() != name)
            txtNamedesSchemes->setText(name);
    });

    connect(cmdOpen, &QPushButton::clicked, this, &MainWindow::openScheme);
    connect(cmdSave, &QPushButton::clicked, this, &MainWindow::saveScheme);

    connect(SmartMenuXP1, &MenuBar::itemClick, this, &MainWindow::chooseItem);
    connect(&m_session.history(), &UndoHistory::offersChanged, this, &MainWindow::showHistoryOffers);
    connect(&m_scheme, &SchemeModel::modifiedChanged, this, &QWidget::setWindowModified);
    connect(&SettingsWatch::instance(), &SettingsWatch::cannotKeep, this, &MainWindow::tellSettingsNotKept);
    connectColourCommands();
    addWindowKeys();
}

void MainWindow::connectColourCommands()
{
    m_colourCommands = new ColourCommands(m_session, this);
    m_colourCommands->addShortcutsTo(MainElements);
    connect(m_colourCommands, &ColourCommands::message, StatusBar1, &StatusBar::showMessage);
    cmbElement->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cmbElement, &QWidget::customContextMenuRequested, this,
            [this](QPoint at) { m_colourCommands->menu()->popup(cmbElement->viewport()->mapToGlobal(at)); });
    m_schemeCommands = new SchemeCommands(m_scheme, m_readabilityModel, this);
    m_schemeCommands->addShortcutsTo(this);
    connect(m_schemeCommands, &SchemeCommands::historyRequested, this, [this] { m_toolWindows.show<HistoryWindow>(); });
    connect(m_schemeCommands, &SchemeCommands::largePreviewRequested, this,
            [this] { m_toolWindows.show<LargePreviewWindow>(); });
    connect(m_schemeCommands, &SchemeCommands::deriveFromColourRequested, this, &MainWindow::deriveFromColour);
    connect(m_schemeCommands, &SchemeCommands::deriveFromPictureRequested, this, &MainWindow::deriveFromPicture);
    connect(m_schemeCommands, &SchemeCommands::message, StatusBar1, &StatusBar::showMessage);
    connect(m_schemeCommands, &SchemeCommands::fixAllProposed, this, &MainWindow::proposeFixAll);
    connect(m_schemeCommands, &SchemeCommands::nothingToFix, this, &MainWindow::endFixAllProposal);
    // Fix all is proposed anew once a burst of changes (a scroll bar dragged)
    // settles, not for each step: each proposal is a whole solve.
    m_fixAllAgain = new QTimer(this);
    m_fixAllAgain->setObjectName(QStringLiteral("fixAllAgain"));
    m_fixAllAgain->setSingleShot(true);
    m_fixAllAgain->setInterval(100);
    connect(m_fixAllAgain, &QTimer::timeout, this, [this] {
        if (const auto *preview = m_toolWindows.made<LargePreviewWindow>(); preview && preview->isProposingFixAll())
            m_schemeCommands->fixAllAgain();
    });
    connect(&m_scheme, &SchemeModel::changed, this, &MainWindow::outdateFixAllProposal);
    connect(&m_readabilityModel, &ReadabilityModel::verdictsChanged, this, &MainWindow::outdateFixAllProposal);
    m_colourCommands->menu()->addActions(m_schemeCommands->actions());
    m_colourCommands->watch(
        FramePreview->addContextActions(m_colourCommands->actions() + m_schemeCommands->actions()));
}

// F10 opens the first menu, as on other desktops, wherever the menu shows.
void MainWindow::addWindowKeys()
{
    auto *menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("actMenuKey"));
    menuKey->setShortcut(QKeySequence(Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] {
        if (SmartMenuXP1->isVisible() && !SmartMenuXP1->actions().isEmpty()) {
            SmartMenuXP1->setFocus(Qt::ShortcutFocusReason);
            SmartMenuXP1->setActiveAction(SmartMenuXP1->actions().constFirst());
        }
    });
    addAction(menuKey);
}
