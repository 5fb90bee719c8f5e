#include "SupportPanel.h"

#include "PanelTexts.h"
#include "Place.h"

#include <QLabel>
#include <QPushButton>

SupportPanel::SupportPanel(QWidget *parent) : InfoPanel(Text::SupportTitle, parent)
{
    // The panel's own places: only the key sequence runs the panel's whole width.
    const std::array<QRect, 7> places = {{{16, 32, 297, 65},  {16, 104, 297, 17}, {16, 120, 297, 17},
                                          {16, 136, 297, 17}, {16, 152, 473, 33}, {16, 192, 297, 49},
                                          {16, 240, 321, 41}}};
    for (std::size_t i = 0; i < txtSupport.size(); ++i) {
        QLabel *label = place<QLabel>(this, QStringLiteral("txtSupport%1").arg(i), places[i]);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        addCaption(Text(int(Text::Support0) + int(i)), [label](const QString &text) { label->setText(text); });
        txtSupport[i] = label;
    }
    lblLink1 = linkLabel(1, {280, 288, 50, 13}, PanelTexts::kAuthorName, PanelTexts::authorMailLink());
    cmdCloseSupport = button(QStringLiteral("cmdCloseSupport"), {368, 360, 121, 33}, Text::ClosePanel);
    connect(cmdCloseSupport, &QPushButton::clicked, this, &SupportPanel::closed);
}
