#pragma once

#include <QByteArray>
#include <QString>

// Text as it may reach a terminal. Everything the command line prints that it
// did not write itself (file names, scheme names, what was typed) goes through
// here, so that no file can move the cursor or recolour the terminal.
namespace TerminalText {

// Control characters (C0, DEL and C1) are shown as \xNN, the marks that turn
// the direction of a line as \uNNNN, a backslash as \\, so that what is shown
// reads back as one text.
QString safe(const QString &text);

// Bytes that are no text (an argument the system's encoding cannot decode):
// ASCII as safe() shows it, every other byte as \xNN.
QString safeBytes(const QByteArray &bytes);

} // namespace TerminalText
