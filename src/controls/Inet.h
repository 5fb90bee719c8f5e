#pragma once

#include <QString>

class QWidget;

// Hands web addresses and mailto: links to the desktop, which opens them with
// the user's own browser or mail program. Nothing comes back: a link that cannot
// be opened fails silently, as there is nothing the program could do about it.
class Inet
{
public:
    // The window is the one the link was chosen in; the desktop decides where
    // the opened program appears.
    static void openLink(const QString &link, QWidget *window);
};
