#include "SupportPanel.h"

#include "PanelTexts.h"
#include "Place.h"
#include "Texts.h"

#include <QEvent>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

namespace {

// The texts' places and the room below each: only the key sequence runs the
// panel's whole width; a text may reach down to the next one, the last one to
// the mail link.
constexpr int kMailLinkTop = 288;
const std::array<QRect, 7> kRooms = {{{16, 32, 297, 104 - 32},
                                      {16, 104, 297, 120 - 104},
                                      {16, 120, 297, 136 - 120},
                                      {16, 136, 297, 152 - 136},
                                      {16, 152, 473, 192 - 152},
                                      {16, 192, 297, 240 - 192},
                                      {16, 240, 321, kMailLinkTop - 240}}};

// The smallest font the texts are ever given, however little room they have.
constexpr int kSmallestPixelSize = 7;

Text supportText(std::size_t index)
{
    return Text(int(Text::Support0) + int(index));
}

} // namespace

SupportPanel::SupportPanel(QWidget *parent) : InfoPanel(Text::SupportTitle, parent)
{
    for (std::size_t i = 0; i < txtSupport.size(); ++i) {
        QLabel *label = place<QLabel>(this, QStringLiteral("txtSupport%1").arg(i), kRooms[i]);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        txtSupport[i] = label;
        addCaption(supportText(i), [this, i](const QString &text) { showText(i, text); });
    }
    lblLink1 = linkLabel(1, {280, kMailLinkTop, 50, 13}, PanelTexts::kAuthorName, PanelTexts::authorMailLink());
    cmdCloseSupport = button(QStringLiteral("cmdCloseSupport"), {368, 360, 121, 33}, Text::ClosePanel);
    connect(cmdCloseSupport, &QPushButton::clicked, this, &SupportPanel::closed);
    fitFont();
}

// A text takes the height it needs, within its room.
void SupportPanel::showText(std::size_t index, const QString &text)
{
    QLabel *label = txtSupport[index];
    label->setText(text);
    const int needed = neededSize(label->font(), label->width(), text).height();
    label->resize(label->width(), std::min(kRooms[index].height(), needed));
}

// The texts' font: the panel's own, or the largest smaller one at which every
// text of every language fits its room, so that a language switch changes
// nothing but the words.
void SupportPanel::fitFont()
{
    const auto fits = [](const QFont &font) {
        for (Language language : Languages::kAll) {
            for (std::size_t i = 0; i < kRooms.size(); ++i) {
                const QSize needed = neededSize(font, kRooms[i].width(), Texts::get(supportText(i), language));
                if (needed.width() > kRooms[i].width() || needed.height() > kRooms[i].height())
                    return false;
            }
        }
        return true;
    };
    QFont font = this->font();
    if (font.pixelSize() <= 0)
        font.setPixelSize(QFontInfo(font).pixelSize());
    while (!fits(font) && font.pixelSize() > kSmallestPixelSize)
        font.setPixelSize(font.pixelSize() - 1);
    for (std::size_t i = 0; i < txtSupport.size(); ++i) {
        txtSupport[i]->setFont(font);
        showText(i, txtSupport[i]->text());
    }
}

void SupportPanel::changeEvent(QEvent *event)
{
    InfoPanel::changeEvent(event);
    if (event->type() == QEvent::FontChange && txtSupport.back())
        fitFont();
}
