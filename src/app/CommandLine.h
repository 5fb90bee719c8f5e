#pragma once

#include "PreviewPanes.h"
#include "Readability.h"

#include <QStringList>

class QTextStream;

// The program's command line: the editor without arguments, and the modes that
// need no display (--check, --render, --contrast, --help, --version).
class CommandLine
{
public:
    // What the process settles before anything else runs: main() calls it first.
    static void prepareProcess();
    // Refuses an argument whose bytes are no text in the system's encoding, as it
    // would name another file once decoded.
    static int run(int argc, char **argv);

    // Exit codes of the command-line modes.
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kUsageError = 2;
    static constexpr int kMaximumScale = 16;

    // Reads every file as the open command does and reports one line per file.
    static int check(const QStringList &files, QTextStream &out);

    // Draws the six preview screens in a scheme's colours into a picture file. The
    // scheme is a file read as the open command reads it, or a built-in one.
    struct RenderRequest
    {
        QString schemeFile;
        QString standardScheme; // used when schemeFile is empty
        QString output;
        QByteArray format = "png"; // the picture format, as the output's suffix names it
        int scale = 1;
        PreviewPanes::View view; // applied before the picture is enlarged
    };
    static int render(const RenderRequest &request, QTextStream &err);

    // Reports, per scheme, every pair of colours (Readability) that the phone
    // shows with less contrast than the pair needs, worst first, then how many
    // pairs were checked, fell short and were not checked. The schemes are files
    // read as the open command reads them, or one built-in scheme.
    struct ContrastRequest
    {
        QStringList files;
        QString standardScheme; // used when files is empty
        double textLevel = Readability::kTextLevel;
    };
    static int contrast(const ContrastRequest &request, QTextStream &out);

    // What the arguments ask for, decided without touching a file or a display.
    enum class Mode { Editor, Help, Version, Check, Render, Contrast, UsageError };
    struct Invocation
    {
        Mode mode = Mode::Editor;
        QString text;              // the help or version text, or the usage error
        QStringList files;         // Check: the files to read; Editor: the scheme to open, if any
        RenderRequest render;      // Render: what to draw where
        ContrastRequest contrast;  // Contrast: which schemes, at which level
        bool platformChosen = false; // Editor: the toolkit was told where to show it
    };
    static Invocation parse(const QStringList &arguments);

    // Text as it may reach a terminal: control characters (which could move the
    // cursor or recolour the terminal) are shown as \xNN, a backslash as \\.
    static QString terminalSafe(const QString &text);

private:
    static int runEditor(int argc, char **argv, const QString &schemeFile);
};
