#include "PaletteFrame.h"

#include "ColourSwatch.h"
#include "EditSession.h"
#include "PaletteView.h"

#include <QLabel>
#include <QLineEdit>

PaletteFrame::PaletteFrame(EditSession &session, QWidget *parent)
    : QGroupBox(QStringLiteral("S55 Farbpalette"), parent), m_session(session)
{
    setObjectName(QStringLiteral("frameFarbe256"));

    m_picS55Palette = new PaletteView(this);
    m_picS55Palette->setObjectName(QStringLiteral("picS55Palette"));
    m_picS55Palette->setGeometry(16, 16, 130, 130);
    connect(m_picS55Palette, &PaletteView::hovered, this, &PaletteFrame::showColour);
    connect(m_picS55Palette, &PaletteView::clicked, this, &PaletteFrame::give);

    m_picColor2 = new ColourSwatch(this);
    m_picColor2->setObjectName(QStringLiteral("picColor2"));
    m_picColor2->setGeometry(152, 16, 57, 129);

    const char *captions[3] = {"R:", "G:", "B:"};
    for (int channel = 0; channel < 3; ++channel) {
        auto *label = new QLabel(QString::fromLatin1(captions[channel]), this);
        label->setObjectName(QStringLiteral("Label8%1").arg(channel));
        label->setGeometry(16 + 56 * channel, 152, 17, 17);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);

        auto *box = new QLineEdit(QStringLiteral("0"), this);
        box->setObjectName(QStringLiteral("txtS55PaletteRGB%1").arg(channel));
        box->setGeometry(32 + 56 * channel, 152, 33, 19);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setBackgroundRole(QPalette::Button);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        box->setPalette(palette);
        m_txtS55PaletteRGB[channel] = box;
    }
}

void PaletteFrame::showColour(const Rgb &colour)
{
    showSwatch(colour);
    m_txtS55PaletteRGB[0]->setText(QString::number(colour.red));
    m_txtS55PaletteRGB[1]->setText(QString::number(colour.green));
    m_txtS55PaletteRGB[2]->setText(QString::number(colour.blue));
}

void PaletteFrame::showSwatch(const Rgb &colour)
{
    m_picColor2->setColour(colour);
}

// The colour given is the one the swatch shows: the colour under the pointer at
// the last move, or the element's own colour when the pointer has not moved over
// the palette since the element was chosen.
void PaletteFrame::give()
{
    const auto element = m_session.currentElement();
    if (!element)
        return;
    m_session.rememberUndo();
    m_session.scheme().setColour(*element, m_picColor2->colour());
    emit colourGiven();
}
