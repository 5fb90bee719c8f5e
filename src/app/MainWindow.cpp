#include "MainWindow.h"

#include "ColourSwatch.h"
#include "ElementCatalogue.h"
#include "ElementList.h"
#include "PaletteFrame.h"
#include "PaneView.h"
#include "RgbEditor.h"
#include "SchemeNameValidator.h"
#include "QtUserDialogs.h"
#include "Version.h"
#include "WrappingCheckBox.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// Keys of the palette tabs.
const QString kTabS55 = QStringLiteral("pS55");
const QString kTab16Bit = QStringLiteral("p16Bit");

template <typename Widget, typename... Args>
Widget *place(QWidget *parent, const QString &name, const QRect &geometry, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel *developerLabel(QWidget *parent, int index, const QString &text, const QRect &geometry)
{
    auto *label = place<QLabel>(parent, QStringLiteral("DEVEdition%1").arg(index), geometry, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(palette);
    label->hide(); // for the makers only; nothing in the program shows it
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent), m_session(m_scheme, m_panes), m_dialogs(std::make_unique<QtUserDialogs>())
{
    buildWindow();
    connectControls();

    m_session.setCurrentElementSource([this] { return cmbElement->currentElement(); });

    // Start-up: the element list is filled and element 1 chosen while the table
    // is still black, so the editor shows zeros until another element is
    // chosen; then the blue scheme is drawn.
    applyLanguage(Language::German);
    loadStandardScheme(StandardScheme::Blue);
}

MainWindow::~MainWindow() = default;

void MainWindow::setDialogs(std::unique_ptr<UserDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

// Every control gets its member's name as object name; a control of an array
// carries its index in the name (txtRGB0..2, scrollRGB0..2, cmdSetAll0..2,
// txtS55PaletteRGB0..2, Label80..2, PicturePreview0..5, DEVEdition0..3).
void MainWindow::buildWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Siemens S55 Vexlume  -  Version: ") + Version::shortText()
                   + QStringLiteral(" - STILL BETA ;)"));
    setFixedSize(634, 477);
    QFont compact = font();
    compact.setPixelSize(11);
    setFont(compact);

    DEVEdition[0] = developerLabel(this, 0, QStringLiteral("DEVELOPER EDITION"), {392, 0, 177, 17});
    DEVEdition[1] = developerLabel(this, 1, QStringLiteral("FOR QUORVIX INTERNAL USE ONLY"), {392, 16, 233, 17});

    StatusBar1 = place<QStatusBar>(this, QStringLiteral("StatusBar1"), {0, 452, 634, 25});
    StatusBar1->setSizeGripEnabled(false);
    auto *message = new QLabel(StatusBar1);
    message->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusBar1->addWidget(message, 1);
    auto *clock = new QLabel(StatusBar1);
    clock->setObjectName(QStringLiteral("StatusBar1Panel2"));
    clock->setAlignment(Qt::AlignCenter);
    clock->setMinimumWidth(60);
    StatusBar1->addPermanentWidget(clock);
    auto *clockTimer = new QTimer(this);
    const auto showTime = [clock] { clock->setText(QTime::currentTime().toString(QStringLiteral("HH:mm"))); };
    connect(clockTimer, &QTimer::timeout, clock, showTime);
    clockTimer->start(1000);
    showTime();

    MainElements = place<QWidget>(this, QStringLiteral("MainElements"), {8, 32, 617, 417});
    buildPreviewFrame(MainElements);
    buildElementFrame(MainElements);
    buildPaletteTabs(MainElements);
    buildNameFrame(MainElements);

    // The open and save commands live on two buttons that are never shown; the
    // menu runs them.
    cmdOpen = place<QPushButton>(MainElements, QStringLiteral("cmdOpen"), {512, 352, 105, 25},
                                 QStringLiteral("Color Scheme öffnen"));
    cmdOpen->hide();
    cmdSave = place<QPushButton>(MainElements, QStringLiteral("cmdSave"), {512, 384, 105, 25},
                                 QStringLiteral("Color Scheme speichern"));
    cmdSave->hide();

    tmrBlink = new QTimer(this);
    tmrBlink->setObjectName(QStringLiteral("tmrBlink"));
    tmrBlink->setInterval(50);
}

void MainWindow::buildPreviewFrame(QWidget *area)
{
    FramePreview = place<QGroupBox>(area, QStringLiteral("FramePreview"), {0, 0, 233, 409}, QStringLiteral("Preview"));
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        PicturePreview[i] = new PaneView(m_panes, i, FramePreview);
        PicturePreview[i]->move(PreviewPanes::position(i));
    }

    DEVEdition[2] = developerLabel(FramePreview, 2, QStringLiteral("Farbe:"), {8, 304, 49, 17});
    DEVEdition[3] = developerLabel(FramePreview, 3, QString(), {64, 304, 105, 17});
    cmdLoadMask = place<QPushButton>(FramePreview, QStringLiteral("cmdLoadMask"), {152, 296, 73, 25},
                                     QStringLiteral("Load Mask"));
    cmdLoadMask->hide();

    // An etched rule: a line in the shadow colour with a highlight line one
    // pixel below it.
    const auto ruleLine = [this](const QString &name, int y, QPalette::ColorRole role) {
        auto *line = place<QFrame>(FramePreview, name, {8, y, 217, 1});
        line->setAutoFillBackground(true);
        line->setBackgroundRole(role);
    };
    ruleLine(QStringLiteral("Line3"), 328, QPalette::Dark);
    ruleLine(QStringLiteral("Line4"), 329, QPalette::Light);

    chkBlink = place<QCheckBox>(FramePreview, QStringLiteral("chkBlink"), {8, 336, 217, 25});
    chkBlink->setChecked(true);
    chkProvider = place<WrappingCheckBox>(FramePreview, QStringLiteral("chkProvider"), {8, 360, 217, 41});
}

void MainWindow::buildElementFrame(QWidget *area)
{
    frameElement = place<QGroupBox>(area, QStringLiteral("frameElement"), {248, 0, 369, 121}, QStringLiteral("Element"));
    cmbElement = place<ElementList>(frameElement, QStringLiteral("cmbElement"), {8, 16, 353, 94}, m_scheme);
}

void MainWindow::buildPaletteTabs(QWidget *area)
{
    // The tab strip with its page; the two frames lie over the page, one shown
    // at a time, so the tabs' own pages stay empty.
    TabPaletteSelect = place<QTabWidget>(area, QStringLiteral("TabPaletteSelect"), {248, 128, 257, 217});
    TabPaletteSelect->tabBar()->setExpanding(false);
    for (const QString &key : {kTabS55, kTab16Bit}) {
        const int index = TabPaletteSelect->addTab(new QWidget, QString());
        TabPaletteSelect->tabBar()->setTabData(index, key);
    }
    TabPaletteSelect->setTabText(0, QStringLiteral("S55 Farbpalette"));
    TabPaletteSelect->setTabText(1, QStringLiteral("16 Bit Farbpalette"));

    frameFarbe256 = new PaletteFrame(m_session, area);
    frameFarbe256->setGeometry(264, 152, 225, 177);
    frameFarbe16Bit = new RgbEditor(m_session, area);
    frameFarbe16Bit->setGeometry(264, 152, 225, 177);
    frameFarbe16Bit->hide();
}

void MainWindow::buildNameFrame(QWidget *area)
{
    FrameTitel = place<QGroupBox>(area, QStringLiteral("FrameTitel"), {248, 352, 257, 57}, QStringLiteral("Scheme Titel"));
    txtNamedesSchemes = place<QLineEdit>(FrameTitel, QStringLiteral("txtNamedesSchemes"), {8, 24, 241, 19});
    txtNamedesSchemes->setValidator(new SchemeNameValidator(txtNamedesSchemes));
}

void MainWindow::connectControls()
{
    connect(&m_panes, &PreviewPanes::paneChanged, this, [this](int i) { PicturePreview[i]->update(); });
    for (PaneView *view : PicturePreview) {
        connect(view, &PaneView::pointerMoved, this, [this](QPoint position) { m_lastPointer = position; });
        connect(view, &PaneView::clicked, this, [this, view] { pick(view->index()); });
    }
    connect(tmrBlink, &QTimer::timeout, this, &MainWindow::blink);
    connect(chkProvider, &QCheckBox::toggled, this, &MainWindow::setProviderFlags);
    connect(cmbElement, &ElementList::elementChosen, this, &MainWindow::showElement);
    connect(TabPaletteSelect, &QTabWidget::currentChanged, this, &MainWindow::showPaletteTab);
    connect(txtNamedesSchemes, &QLineEdit::textChanged, this, [this](const QString &name) { m_scheme.setName(name); });
    connect(cmdOpen, &QPushButton::clicked, this, &MainWindow::openScheme);
    connect(cmdSave, &QPushButton::clicked, this, &MainWindow::saveScheme);
    connect(cmdLoadMask, &QPushButton::clicked, this, &MainWindow::loadMask);
}

// Loads the current element into the editor. Under the guard: the values being
// shown are the table's own, so the preview needs no repaint.
void MainWindow::showElement()
{
    const auto element = cmbElement->currentElement();
    if (!element)
        return;
    EditSession::Guard guard(m_session);
    const ColourEntry entry = m_scheme.entry(*element);
    frameFarbe16Bit->showValues(entry.rgb(), entry.brightness);
    const Rgb shown = frameFarbe16Bit->shownColour();
    frameFarbe256->swatch()->setColour(shown);
    frameFarbe16Bit->swatch()->setColour(shown);
    frameFarbe256->showTexts(frameFarbe16Bit->text(0), frameFarbe16Bit->text(1), frameFarbe16Bit->text(2));
}

void MainWindow::repaintAll()
{
    m_panes.repaintAll(m_scheme);
}

void MainWindow::showPaletteTab(int index)
{
    const QString key = TabPaletteSelect->tabBar()->tabData(index).toString();
    if (key == kTabS55) {
        frameFarbe256->show();
        frameFarbe16Bit->hide();
    } else if (key == kTab16Bit) {
        frameFarbe256->hide();
        frameFarbe16Bit->show();
    }
}

void MainWindow::applyLanguage(Language language)
{
    TabPaletteSelect->setTabText(0, QStringLiteral("S55 Farbpalette"));
    TabPaletteSelect->setTabText(1, QStringLiteral("16 Bit Farbpalette"));
    chkBlink->setText(QStringLiteral("beim Wählen aufblitzen"));
    chkProvider->setText(QStringLiteral("Providername ausblenden (nicht in der Vorschau zu sehen)"));

    // A switch makes every element visible again, except 45, whatever the
    // provider option says, and chooses element 1.
    m_scheme.resetVisibleFlags();
    cmbElement->fill(ElementCatalogue::listTexts(language));
    cmbElement->selectPosition(0);
}

void MainWindow::showProblem(const QString &text, const QString &details)
{
    m_dialogs->showMessage(this, UserDialogs::Severity::Warning, text, details);
}
