#pragma once

#include "Rgb.h"

#include <QIcon>

// Small pictures of colours for the rows of a list, painted straight into the
// row each time it is drawn. Not pixmap icons: Qt keeps every pixmap icon it
// paints in its pixmap cache under the pixmap's own key, and the rows make a
// new icon each time they are drawn, so the cache would take a pixmap a paint
// until it reached its limit.
namespace ColourIcons {

// "Ab" in the text's colour on the background's.
QIcon textSample(const QColor &text, const QColor &background);
// Two swatches side by side: a colour before and after a change.
QIcon beforeAndAfter(const QColor &before, const QColor &after);

} // namespace ColourIcons
