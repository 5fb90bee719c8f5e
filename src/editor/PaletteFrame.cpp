#include "PaletteFrame.h"

#include "ColourSwatch.h"
#include "PaletteView.h"

#include <QLabel>
#include <QLineEdit>

PaletteFrame::PaletteFrame(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("frameFarbe256"));

    m_picS55Palette = new PaletteView(this);
    m_picS55Palette->setObjectName(QStringLiteral("picS55Palette"));
    m_picS55Palette->setGeometry(16, 16, 130, 130);
    connect(m_picS55Palette, &PaletteView::hovered, this, &PaletteFrame::showColour);
    connect(m_picS55Palette, &PaletteView::clicked, this, [this] { emit colourChosen(m_picColor2->colour()); });

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
    m_picS55Palette->setShownColour(colour);
}
