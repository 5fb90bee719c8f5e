#pragma once

#include "Rgb.h"

#include <QFrame>

// A field that shows one colour.
class ColourSwatch : public QFrame
{
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget *parent = nullptr);

    Rgb colour() const { return m_colour; }
    void setColour(const Rgb &colour);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Rgb m_colour;
};
