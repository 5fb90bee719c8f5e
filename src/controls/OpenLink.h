#pragma once

class QString;

// Hands a web address or a mailto: link to the desktop, which opens it with the
// user's own browser or mail program, wherever the desktop places it. Nothing
// comes back: a link that cannot be opened fails silently, as there is nothing
// the program could do about it.
void openLink(const QString &link);
