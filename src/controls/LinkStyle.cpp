#include "LinkStyle.h"

#include "ClickableLabel.h"
#include "HandCursor.h"
#include "HoverWatch.h"

#include <QEvent>

namespace {

// Blue on a light background, as links always were. On a dark one (a dark
// desktop palette) pure blue is hardly legible, and the palette's own link
// colour is the one made for it.
void colourLink(QLabel *label)
{
    QPalette palette = label->palette();
    const bool dark = palette.color(label->backgroundRole()).lightness() < 128;
    palette.setColor(label->foregroundRole(), dark ? palette.color(QPalette::Link) : QColor(0, 0, 255));
    label->setPalette(palette); // a palette equal to the label's own changes nothing
}

// A palette that reaches the label later (set on the window, or the desktop's
// switched between light and dark) brings a new background but leaves the text
// colour the label was given: the colour is chosen again at every change.
class LinkColour : public QObject
{
public:
    explicit LinkColour(QLabel *label) : QObject(label) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            colourLink(static_cast<QLabel *>(watched));
        return false;
    }
};

void setUnderlined(QLabel *label, bool underlined)
{
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
}

} // namespace

void LinkStyle::apply(ClickableLabel *label, int hoverInterval)
{
    colourLink(label);
    new LinkColour(label);
    label->setCursor(HandCursor::cursor());
    setUnderlined(label, false);
    QObject::connect(label, &ClickableLabel::pointerMoved, label, [label, hoverInterval] {
        HoverWatch &watch = HoverWatch::instance();
        if (watch.isWatching(label))
            return;
        setUnderlined(label, true);
        watch.watch(label, hoverInterval, [label] { setUnderlined(label, false); });
    });
}
