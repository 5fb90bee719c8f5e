#include "RgbEditor.h"

#include "ColourSwatch.h"
#include "EditSession.h"
#include "LanguageFollower.h"
#include "Texts.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QScrollBar *makeBar(const QString &name, int y, QWidget *parent)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setGeometry(24, y, 145, 17);
    bar->setRange(0, 255);
    bar->setSingleStep(1);
    bar->setPageStep(1); // a click on the track moves by one, too
    bar->setTracking(false); // report a drag when the thumb is released
    return bar;
}

QLineEdit *makeBox(const QString &name, int y, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(176, y, 41, 19);
    return box;
}

} // namespace

RgbEditor::RgbEditor(EditSession &session, QWidget *parent)
    : QGroupBox(parent), m_session(session)
{
    setObjectName(QStringLiteral("frameFarbe16Bit"));
    const char *labels[4] = {"R", "G", "B", "H"};
    for (int row = 0; row < 4; ++row) {
        auto *label = new QLabel(QString::fromLatin1(labels[row]), this);
        label->setGeometry(8, 16 + 24 * row, 16, 17);
    }

    // Only digits reach a channel box, typed or pasted; the length is free, larger
    // numbers become 255.
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int channel = 0; channel < 3; ++channel) {
        const int y = 16 + 24 * channel;
        m_scrollRGB[channel] = makeBar(QStringLiteral("scrollRGB%1").arg(channel), y, this);
        m_txtRGB[channel] = makeBox(QStringLiteral("txtRGB%1").arg(channel), y, this);
        m_txtRGB[channel]->setValidator(digits);
        m_txtRGB[channel]->setText(QStringLiteral("0"));
        m_txtRGB[channel]->installEventFilter(this);
        connect(m_txtRGB[channel], &QLineEdit::textChanged, this, [this, channel] { channelChanged(channel); });
        connect(m_scrollRGB[channel], &QScrollBar::valueChanged, this, [this, channel] { barChanged(channel); });
    }

    // Brightness is only shown.
    m_hScroll1 = makeBar(QStringLiteral("HScroll1"), 88, this);
    m_hScroll1->setValue(100);
    m_hScroll1->setEnabled(false);
    m_txtHelligkeit = makeBox(QStringLiteral("txtHelligkeit"), 88, this);
    m_txtHelligkeit->setText(QStringLiteral("100"));
    m_txtHelligkeit->setEnabled(false);

    m_chkLock = new QCheckBox(this);
    m_chkLock->setObjectName(QStringLiteral("chkLock"));
    m_chkLock->setGeometry(8, 112, 41, 17);
    m_chkLock->hide();

    // Index 0 black, 1 white, 2 mid grey; laid out from dark to light.
    const struct { int index; int value; int x; } setAllButtons[3] = {{0, 0, 96}, {2, 127, 136}, {1, 255, 176}};
    for (const auto &b : setAllButtons) {
        auto *button = new QPushButton(QString::number(b.value), this);
        button->setObjectName(QStringLiteral("cmdSetAll%1").arg(b.index));
        button->setGeometry(b.x, 112, 33, 17);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, [this, value = b.value] { setAll(value); });
    }

    m_picColor = new ColourSwatch(this);
    m_picColor->setObjectName(QStringLiteral("picColor"));
    m_picColor->setGeometry(8, 136, 209, 33);
    retranslate();
    new LanguageFollower(this, [this] { retranslate(); });
}

// In a channel box the undo and redo keys are the program's, as the menu says:
// the box's own text history would take back a keystroke that only looks like
// the program's step (and after a set-all button, whose text assignment cleared
// that history, nothing at all). The box neither claims the keys before the
// menu's shortcuts nor handles them itself when the menu does not offer them.
bool RgbEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return true;
        if (event->type() == QEvent::KeyPress && stepChannel(watched, *key))
            return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

// Up and Down step a channel by one, Page Up and Page Down by sixteen, within
// 0..255; each press is one change, as a typed keystroke is.
bool RgbEditor::stepChannel(QObject *box, const QKeyEvent &key)
{
    const auto found = std::find(m_txtRGB.begin(), m_txtRGB.end(), box);
    if (found == m_txtRGB.end() || (key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    int step = 0;
    switch (key.key()) {
    case Qt::Key_Up: step = 1; break;
    case Qt::Key_Down: step = -1; break;
    case Qt::Key_PageUp: step = 16; break;
    case Qt::Key_PageDown: step = -16; break;
    default: return false;
    }
    const int channel = int(found - m_txtRGB.begin());
    // An emptied box still stands for the channel's last value, which its bar keeps.
    const int value = qBound(0, m_scrollRGB[channel]->value() + step, 255);
    assignText(channel, QString::number(value));
    return true;
}

void RgbEditor::retranslate()
{
    const Language language = Languages::current();
    setTitle(Texts::get(Text::RgbFrameCaption, language));
    m_chkLock->setText(Texts::get(Text::LockCaption, language));
}

Rgb RgbEditor::shownColour() const
{
    const auto value = [this](int channel) { return quint8(qBound(0, m_txtRGB[channel]->text().toInt(), 255)); };
    return {value(0), value(1), value(2)};
}

Rgb RgbEditor::barColour() const
{
    return {quint8(m_scrollRGB[0]->value()), quint8(m_scrollRGB[1]->value()), quint8(m_scrollRGB[2]->value())};
}

void RgbEditor::showEntry(const ColourEntry &entry)
{
    assignTexts(entry.rgb());
    m_txtHelligkeit->setText(QString::number(entry.brightness));
    m_picColor->setColour(shownColour());
}

void RgbEditor::assignColour(const Rgb &colour)
{
    assignTexts(colour);
    m_picColor->setColour(colour);
}

void RgbEditor::moveBars(const Rgb &colour)
{
    m_scrollRGB[0]->setValue(colour.red);
    m_scrollRGB[1]->setValue(colour.green);
    m_scrollRGB[2]->setValue(colour.blue);
}

void RgbEditor::display(const ColourEntry &entry)
{
    const Rgb colour = entry.rgb();
    const int values[3] = {colour.red, colour.green, colour.blue};
    for (int channel = 0; channel < 3; ++channel) {
        const QSignalBlocker quietBox(m_txtRGB[channel]);
        const QSignalBlocker quietBar(m_scrollRGB[channel]);
        m_txtRGB[channel]->setText(QString::number(values[channel]));
        m_scrollRGB[channel]->setValue(values[channel]);
    }
    m_txtHelligkeit->setText(QString::number(entry.brightness));
    m_picColor->setColour(colour);
}

void RgbEditor::assignTexts(const Rgb &colour)
{
    assignText(0, QString::number(colour.red));
    assignText(1, QString::number(colour.green));
    assignText(2, QString::number(colour.blue));
}

void RgbEditor::assignText(int channel, const QString &text)
{
    m_txtRGB[channel]->setText(text);
}

void RgbEditor::channelChanged(int channel)
{
    if (!m_session.currentElement())
        return;
    m_session.rememberUndo();
    const QString text = m_txtRGB[channel]->text();
    if (text.isEmpty())
        return; // the channel keeps its value until digits are typed again

    bool fits = false;
    int value = text.toInt(&fits);
    if (!fits || value > 255) {
        // Runs this handling once more with "255", nested, before going on.
        assignText(channel, QStringLiteral("255"));
        value = 255;
    }
    m_scrollRGB[channel]->setValue(value);
    m_session.writeChannel(channel, quint8(value));
    m_picColor->setColour(barColour());
}

void RgbEditor::barChanged(int channel)
{
    if (!m_session.currentElement())
        return;
    m_session.rememberUndo();
    assignText(channel, QString::number(m_scrollRGB[channel]->value()));
}

void RgbEditor::setAll(int value)
{
    assignTexts({quint8(value), quint8(value), quint8(value)});
}
