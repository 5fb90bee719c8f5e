#include "PreviewFrame.h"

#include "ColourText.h"
#include "DeveloperLabel.h"
#include "ElementCatalogue.h"
#include "ElementCode.h"
#include "LanguageFollower.h"
#include "PaneView.h"
#include "ReadabilityModel.h"
#include "SchemeModel.h"
#include "Settings.h"
#include "Texts.h"
#include "WrappingCheckBox.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

PreviewFrame::PreviewFrame(SchemeModel &scheme, PreviewPanes &panes, const ReadabilityModel &readability,
                           QWidget *parent)
    : QGroupBox(parent), m_scheme(scheme), m_panes(panes), m_readability(readability)
{
    setObjectName(QStringLiteral("FramePreview"));
    for (int i = 0; i < PreviewPanes::kCount; ++i) {
        PicturePreview[i] = new PaneView(m_panes, i, this);
        PicturePreview[i]->move(PreviewPanes::position(i));
        PicturePreview[i]->setToolTipSource([this, i](QPoint at) { return toolTip(i, at); });
        connect(PicturePreview[i], &PaneView::pointerMoved, this, [this](QPoint position) { m_lastPointer = position; });
        connect(PicturePreview[i], &PaneView::clicked, this, [this, i] { pick(i); });
        // The element a left click there would pick.
        connect(PicturePreview[i], &PaneView::rightClicked, this, [this, i](QPoint at) {
            if (const auto element = ElementCode::picked(m_panes.pane(i).maskColourAt(at)))
                emit elementPointed(*element);
        });
        PicturePreview[i]->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(PicturePreview[i], &QWidget::customContextMenuRequested, this,
                [this, i](QPoint at) { mnuPreviewView->popup(PicturePreview[i]->mapToGlobal(at)); });
    }
    buildViewMenu();
    connect(&m_panes, &PreviewPanes::paneChanged, this, [this](int i) { PicturePreview[i]->update(); });

    developerLabel(this, 2, QStringLiteral("Farbe:"), {8, 304, 49, 17});
    DEVEdition3 = developerLabel(this, 3, QString(), {64, 304, 105, 17});
    cmdLoadMask = place<QPushButton>(this, QStringLiteral("cmdLoadMask"), {152, 296, 73, 25});
    cmdLoadMask->hide();
    connect(cmdLoadMask, &QPushButton::clicked, this, &PreviewFrame::maskFileRequested);

    // Between the panes and the developer's readout, so that neither covers it.
    lblView = place<QLabel>(this, QStringLiteral("lblView"), {8, 282, 217, 14});
    lblView->setTextFormat(Qt::PlainText);
    lblView->hide();

    // Two lines at the same place; etchRule() makes them a rule.
    Line3 = place<QFrame>(this, QStringLiteral("Line3"), {8, 328, 217, 1});
    Line4 = place<QFrame>(this, QStringLiteral("Line4"), {8, 328, 217, 1});

    chkBlink = place<QCheckBox>(this, QStringLiteral("chkBlink"), {8, 336, 217, 25});
    chkBlink->setChecked(true);
    chkProvider = place<WrappingCheckBox>(this, QStringLiteral("chkProvider"), {8, 360, 217, 41});
    connect(chkProvider, &QCheckBox::toggled, this, &PreviewFrame::hideProviderName);

    tmrBlink = new QTimer(this);
    tmrBlink->setObjectName(QStringLiteral("tmrBlink"));
    tmrBlink->setInterval(50);
    connect(tmrBlink, &QTimer::timeout, this, &PreviewFrame::blink);
    tCheatModus = new QTimer(this);
    tCheatModus->setObjectName(QStringLiteral("tCheatModus"));
    tCheatModus->setInterval(10000);
    connect(tCheatModus, &QTimer::timeout, this, &PreviewFrame::resetClickSequence);
    tCheatModus->start();
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

void PreviewFrame::retranslate()
{
    const Language language = Languages::current();
    setTitle(Texts::get(Text::PreviewCaption, language));
    cmdLoadMask->setText(Texts::get(Text::LoadMaskCaption, language));
    chkBlink->setText(Texts::get(Text::FlashOnSelect, language));
    chkProvider->setText(Texts::get(Text::HideProviderName, language));
    actPhoneColours->setText(Texts::get(Text::PreviewAsPhone, language));
    const Text visions[] = {Text::VisionNormal, Text::VisionProtan, Text::VisionDeutan, Text::VisionTritan};
    for (std::size_t v = 0; v < actVision.size(); ++v)
        actVision[v]->setText(Texts::get(visions[v], language));
    showViewLine();
}

void PreviewFrame::showViewLine()
{
    const PreviewPanes::View shown = view();
    QStringList views;
    if (shown.phone)
        views << Texts::get(Text::ViewPhoneShort, Languages::current());
    const Text visions[] = {Text::ViewProtanShort, Text::ViewDeutanShort, Text::ViewTritanShort};
    if (shown.vision != ColourScience::Vision::Normal)
        views << Texts::get(visions[int(shown.vision) - 1], Languages::current());
    lblView->setText(Texts::get(Text::ViewShown, Languages::current()).arg(views.join(QStringLiteral(", "))));
    lblView->setVisible(!views.isEmpty());
}

// The menu is kept, not built per click, and opened without waiting for it, so
// that the pane goes on being drawn behind it.
void PreviewFrame::buildViewMenu()
{
    mnuPreviewView = new QMenu(this);
    mnuPreviewView->setObjectName(QStringLiteral("mnuPreviewView"));
    actPhoneColours = mnuPreviewView->addAction(QString());
    actPhoneColours->setObjectName(QStringLiteral("actPhoneColours"));
    actPhoneColours->setCheckable(true);
    mnuPreviewView->addSeparator();
    auto *visions = new QActionGroup(this);
    visions->setExclusive(true);
    for (std::size_t v = 0; v < actVision.size(); ++v) {
        actVision[v] = mnuPreviewView->addAction(QString());
        actVision[v]->setObjectName(QStringLiteral("actVision%1").arg(v));
        actVision[v]->setCheckable(true);
        visions->addAction(actVision[v]);
    }
    actVision[0]->setChecked(true);

    connect(actPhoneColours, &QAction::triggered, this, &PreviewFrame::chooseView);
    connect(visions, &QActionGroup::triggered, this, &PreviewFrame::chooseView);
}

void PreviewFrame::paintEvent(QPaintEvent *event)
{
    QGroupBox::paintEvent(event);
    for (const PaneView *pane : PicturePreview) {
        if (!pane->hasFocus())
            continue;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(pane->geometry()).adjusted(-1.5, -1.5, 1.5, 1.5));
    }
}

QMenu *PreviewFrame::addContextActions(const QList<QAction *> &actions)
{
    QAction *first = mnuPreviewView->actions().constFirst();
    mnuPreviewView->insertActions(first, actions);
    mnuPreviewView->insertSeparator(first);
    return mnuPreviewView;
}

// The stored view is read when the frame is first shown: the settings store is
// not read while the window is being built, only once it starts.
void PreviewFrame::showEvent(QShowEvent *event)
{
    QGroupBox::showEvent(event);
    if (m_viewRestored)
        return;
    m_viewRestored = true;
    const PreviewPanes::View stored = Settings::previewView();
    actPhoneColours->setChecked(stored.phone);
    actVision[std::size_t(stored.vision)]->setChecked(true);
    m_panes.setView(stored);
    showViewLine();
}

PreviewPanes::View PreviewFrame::view() const
{
    PreviewPanes::View view;
    view.phone = actPhoneColours->isChecked();
    for (std::size_t v = 0; v < actVision.size(); ++v) {
        if (actVision[v]->isChecked())
            view.vision = ColourScience::Vision(v);
    }
    return view;
}

void PreviewFrame::chooseView()
{
    const PreviewPanes::View chosen = view();
    m_panes.setView(chosen);
    Settings::storePreviewView(chosen);
    showViewLine();
}

void PreviewFrame::etchRule()
{
    Line3->setAutoFillBackground(true);
    Line3->setBackgroundRole(QPalette::Dark);
    Line4->setAutoFillBackground(true);
    Line4->setBackgroundRole(QPalette::Light);
    Line4->move(Line4->x(), Line4->y() + 1);
}

void PreviewFrame::pickAt(int pane, QPoint at)
{
    m_lastPointer = at;
    pick(pane);
}

// A click on a pane picks the element whose mask pixel lies under the pointer,
// with the colour the pane shows there. For an element pixel that is the
// element's own colour; a few fixed icon pixels pass the test as well and then
// lend their colour to the element they name.
void PreviewFrame::pick(int pane)
{
    m_clickSequence.advance(pane);
    // A click that picks nothing leaves everything else as it was, a flash included.
    const auto element = ElementCode::picked(m_panes.pane(pane).maskColourAt(m_lastPointer));
    if (!element)
        return;
    // An element still shown in its flash colour gets its colour back first: the
    // pick reads the colour the pane shows, which must be the element's own.
    if (m_flash == Flash::Shown)
        endFlash();
    const Rgb shown = m_panes.pane(pane).pictureColourAt(m_lastPointer);
    DEVEdition3->setText(QStringLiteral("%1  %2 xyz").arg(*element).arg(ElementCode::of(*element).green));
    emit picked(*element, shown);

    if (chkBlink->isChecked()) {
        m_flashElement = *element;
        m_flash = Flash::Due;
        tmrBlink->start();
    }
}

// Both colours come from the element's entry in the scheme, not from the
// editor: by the time the timer ticks the user may have chosen another element.
void PreviewFrame::blink()
{
    if (m_flash == Flash::Due) {
        m_flash = Flash::Shown;
        m_panes.paintElement(m_flashElement, m_scheme.colour(m_flashElement).inverted());
    } else {
        endFlash();
    }
}

void PreviewFrame::endFlash()
{
    tmrBlink->stop();
    if (m_flash == Flash::Shown)
        m_panes.paintElement(m_flashElement, m_scheme.colour(m_flashElement));
    m_flash = Flash::None;
}

void PreviewFrame::resetClickSequence()
{
    m_clickSequence.reset();
}

// Hiding the provider name is a matter of the phone: only the flags of the two
// provider-name elements change, the preview keeps showing the name.
void PreviewFrame::hideProviderName(bool hidden)
{
    for (int element : ElementCatalogue::kProviderNameElements)
        m_scheme.setVisible(element, !hidden);
}

QString PreviewFrame::toolTip(int pane, QPoint at) const
{
    const Rgb mask = m_panes.pane(pane).maskColourAt(at);
    const auto element = ElementCode::element(mask.red, mask.green);
    if (!element)
        return {};
    const Rgb c = m_scheme.colour(*element);
    QString tip = ElementCatalogue::listText(Languages::current(), *element)
                  + QStringLiteral("\nR %1, G %2, B %3   %4")
                        .arg(c.red)
                        .arg(c.green)
                        .arg(c.blue)
                        .arg(ColourText::hex(c));
    // A text adds how it stands against each thing the phone draws it on, a
    // surface how the phone's own drawings stand on it, worst first, as the
    // phone shows the colours.
    const Language language = Languages::current();
    for (const Readability::Verdict &verdict : m_readability.verdicts()) {
        const QString ratio = Readability::ratioText(verdict.worstRatio());
        if (verdict.pair.text == *element && verdict.pair.kind != Readability::Kind::Marker) {
            tip += u'\n'
                   + Texts::get(Text::ContrastOn, language)
                         .arg(Readability::backgroundName(language, verdict.pair, true), ratio,
                              QString::number(verdict.level));
        } else if (verdict.pair.background == *element && Readability::isDrawing(verdict.pair.text)) {
            tip += u'\n'
                   + Texts::get(Text::DrawingOnIt, language)
                         .arg(Readability::textName(language, verdict.pair, false), ratio,
                              QString::number(verdict.level));
        }
    }
    return tip;
}
