#include "WrappingCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

QRect WrappingCheckBox::indicatorRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicator.moveTop((height() - indicator.height()) / 2);
    return indicator;
}

QRect WrappingCheckBox::textRect() const
{
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    return rect().adjusted(indicatorRect().right() + 1 + spacing, 0, 0, 0);
}

QSize WrappingCheckBox::sizeHint() const
{
    const QSize single = QCheckBox::sizeHint();
    const QRect text = fontMetrics().boundingRect(QRect(0, 0, textRect().width(), 1000), kTextFlags, this->text());
    return {single.width(), qMax(single.height(), text.height())};
}

void WrappingCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    QStyleOptionButton indicator = option;
    indicator.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const QRect text = textRect();
    painter.drawItemText(text, kTextFlags, option.palette, isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(text, kTextFlags, this->text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// The whole box reacts to a click, the wrapped lines included.
bool WrappingCheckBox::hitButton(const QPoint &position) const
{
    return rect().contains(position);
}
