#pragma once

#include <QImage>

// The six preview screens of the editor, each 101 x 80 pixels. A picture is at the
// same time its own mask: pixels in element codes show where the scheme's colours go,
// every other pixel keeps its colour.
namespace Panes {

constexpr int kCount = 6;

// 0 file list, 1 standby screen, 2 options pop-up over the file list, 3 main menu,
// 4 phone book entry, 5 its second page.
QImage draw(int pane);

} // namespace Panes
