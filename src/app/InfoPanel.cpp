#include "InfoPanel.h"

#include "ClickableLabel.h"
#include "LinkStyle.h"
#include "OpenLink.h"
#include "Place.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// A read-only text shows no caret, and its usual border looks the same with
// the focus as without: while it has the focus (its arrow and page keys scroll
// it) the border takes the highlight colour instead, as a box being typed in
// does. The border keeps its width, so the text does not move.
class FocusBorder : public QObject
{
public:
    explicit FocusBorder(QFrame *box) : QObject(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            auto *box = static_cast<QFrame *>(watched);
            const bool focused = event->type() == QEvent::FocusIn;
            const int width = box->frameWidth();
            box->setFrameStyle(focused ? QFrame::Box | QFrame::Plain : QFrame::StyledPanel | QFrame::Sunken);
            box->setLineWidth(width);
            box->setForegroundRole(focused ? QPalette::Highlight : QPalette::NoRole);
        }
        return false;
    }
};

} // namespace

InfoPanel::InfoPanel(Text title, QWidget *parent) : QGroupBox(parent)
{
    setAutoFillBackground(true); // it covers what lies below it
    addCaption(title, [this](const QString &text) { setTitle(text); });
}

void InfoPanel::addCaption(Text text, std::function<void(const QString &)> show)
{
    m_captions.emplace_back(text, std::move(show));
}

QPlainTextEdit *InfoPanel::readOnlyText(const QString &name, const QRect &geometry, const QString &text)
{
    auto *box = place<QPlainTextEdit>(this, name, geometry);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setPlainText(text);
    new FocusBorder(box);
    return box;
}

ClickableLabel *InfoPanel::linkLabel(int index, const QRect &geometry, const QString &caption, const QString &link)
{
    auto *label = place<ClickableLabel>(this, QStringLiteral("lblLink%1").arg(index), geometry);
    label->setText(caption);
    LinkStyle::apply(label, kLinkHoverInterval);
    // Tab reaches the link and Return opens it; a click leaves the focus where it was.
    label->setFocusPolicy(Qt::TabFocus);
    connect(label, &ClickableLabel::clicked, this, [link] { openLink(link); });
    return label;
}

QPushButton *InfoPanel::button(const QString &name, const QRect &geometry, Text caption)
{
    auto *button = place<QPushButton>(this, name, geometry);
    // Return presses the focused button, as it does in a dialog; outside one a
    // button would take only Space.
    button->setAutoDefault(true);
    addCaption(caption, [button](const QString &text) { button->setText(text); });
    return button;
}
