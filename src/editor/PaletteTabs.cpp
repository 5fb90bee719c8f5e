#include "PaletteTabs.h"

#include "LanguageFollower.h"
#include "PaletteFrame.h"
#include "RgbEditor.h"
#include "Texts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QTabBar>

namespace {

// The application's style with a narrower margin beside a tab's caption; the
// tab's size and the place of its caption both follow it, so nothing is cut.
class NarrowTabs : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 12;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The tabs by their keys, each with its caption.
struct Tab
{
    const char16_t *key;
    Text caption;
};
constexpr Tab kTabs[] = {{u"pS55", Text::TabS55}, {u"p16Bit", Text::Tab16Bit}};

// Where the frames lie in the strip.
constexpr QRect kFramePlace(16, 24, 225, 177);

} // namespace

// Its tabs keep narrower margins than the style's usual ones: the Spanish
// captions only just fit side by side in the strip's 257 pixels.
PaletteTabs::PaletteTabs(EditSession &session, QWidget *parent) : QTabWidget(parent), m_session(session)
{
    auto *style = new NarrowTabs(QApplication::style()->name());
    style->setParent(this);
    tabBar()->setStyle(style);
    tabBar()->setExpanding(false);
    tabBar()->setElideMode(Qt::ElideNone);
    for (const Tab &tab : kTabs) {
        const int index = addTab(new QWidget, QString());
        tabBar()->setTabData(index, QString::fromUtf16(tab.key));
    }

    frameFarbe256 = new PaletteFrame(this);
    frameFarbe256->setGeometry(kFramePlace);
    frameFarbe16Bit = new RgbEditor(session, this);
    frameFarbe16Bit->setGeometry(kFramePlace);
    frameFarbe16Bit->hide();
    connect(this, &QTabWidget::currentChanged, this, &PaletteTabs::showTab);
    connect(frameFarbe256, &PaletteFrame::colourChosen, this,
            [this](const Rgb &colour) { m_session.giveColour(colour, EditSession::Change::PaletteClick); });
    connect(&session, &EditSession::currentElementChanged, this, &PaletteTabs::loadElement);
    connect(&session, &EditSession::colourGiven, this, &PaletteTabs::showGiven);
    connect(&session.scheme(), &SchemeModel::tableReplaced, this, &PaletteTabs::showCurrentEntry);
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

void PaletteTabs::retranslate()
{
    const Language language = Languages::current();
    for (int index = 0; index < count(); ++index)
        setTabText(index, Texts::get(kTabs[index].caption, language));
    frameFarbe256->setTitle(Texts::get(Text::PaletteFrameCaption, language));
}

// Ctrl+Tab and the like switch the tabs from the tab bar, not from inside a
// frame: a key a frame's box or button leaves alone passes the strip by, as it
// would if the frames were not the strip's own.
void PaletteTabs::keyPressEvent(QKeyEvent *event)
{
    const QWidget *focus = focusWidget();
    if (focus && (frameFarbe256->isAncestorOf(focus) || frameFarbe16Bit->isAncestorOf(focus))) {
        event->ignore();
        return;
    }
    QTabWidget::keyPressEvent(event);
}

// Neither tab refreshes what its frame shows.
void PaletteTabs::showTab(int index)
{
    const QString key = tabBar()->tabData(index).toString();
    frameFarbe256->setVisible(key == u"pS55");
    frameFarbe16Bit->setVisible(key == u"p16Bit");
}

// Under the guard: the values being shown are the table's own, so the preview
// needs no repaint.
void PaletteTabs::loadElement(int element)
{
    if (element == 0)
        return;
    EditSession::Guard guard(m_session);
    loadEntry(m_session.scheme().entry(element));
}

// The boxes never offer values the element does not have: a channel typed next
// builds its colour from them.
void PaletteTabs::showGiven(const Rgb &colour, EditSession::Change how)
{
    switch (how) {
    case EditSession::Change::PaletteClick:
    case EditSession::Change::Paste:
    case EditSession::Change::Entered:
    case EditSession::Change::Reset:
    case EditSession::Change::Fix:
        showCurrentEntry();
        break;
    case EditSession::Change::Undo:
    case EditSession::Change::Redo:
        assignColour(colour);
        break;
    case EditSession::Change::Pick:
        moveToColour(colour);
        break;
    }
}

void PaletteTabs::showCurrentEntry()
{
    if (const auto element = m_session.currentElement())
        showEntry(m_session.scheme().entry(*element));
}

void PaletteTabs::loadEntry(const ColourEntry &entry)
{
    frameFarbe16Bit->showEntry(entry);
    frameFarbe256->showColour(frameFarbe16Bit->shownColour());
}

void PaletteTabs::showEntry(const ColourEntry &entry)
{
    frameFarbe16Bit->display(entry);
    frameFarbe256->showColour(entry.rgb());
}

void PaletteTabs::assignColour(const Rgb &colour)
{
    frameFarbe16Bit->assignColour(colour);
    frameFarbe256->showSwatch(colour);
}

void PaletteTabs::moveToColour(const Rgb &colour)
{
    frameFarbe16Bit->moveBars(colour);
    frameFarbe256->showColour(frameFarbe16Bit->barColour());
}
