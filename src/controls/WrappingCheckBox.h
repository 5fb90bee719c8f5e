#pragma once

#include <QCheckBox>

// A check box whose caption wraps onto further lines when it is wider than the
// box, so that a long caption keeps its exact text in every language.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;

private:
    QRect indicatorRect() const;
    QRect textRect() const;
};
