#include "Rgb.h"

#include <QColor>

QColor toQColor(const Rgb &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

Rgb fromQColor(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return {quint8(rgb.red()), quint8(rgb.green()), quint8(rgb.blue())};
}
