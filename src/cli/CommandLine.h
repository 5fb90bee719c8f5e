#pragma once

#include "Reports.h"

#include <QStringList>

// The program's command line: what the arguments ask for, and the modes that
// need no display (--help, --version, and the reports --check, --render,
// --contrast, --fix, --derive and --thumbnail, which Reports writes). The
// editor, which needs the toolkit's window, is started by the application.
class CommandLine
{
public:
    // What the process settles before anything else runs: main() calls it first.
    static void prepareProcess();

    // The largest enlargement --render --scale takes.
    static constexpr int kMaximumScale = 16;

    // What the arguments ask for, decided without touching a file or a display.
    enum class Mode { Editor, Help, Version, Check, Render, Contrast, Fix, Derive, Thumbnail, UsageError };
    struct Invocation
    {
        Mode mode = Mode::Editor;
        QString text;                      // the help or version text, or the usage error
        QStringList files;                 // Check: the files to read; Editor: the scheme to open, if any
        Reports::RenderRequest render;     // Render: what to draw where
        Reports::ContrastRequest contrast; // Contrast: which schemes, at which level
        Reports::FixRequest fix;           // Fix: which scheme, written where
        Reports::DeriveRequest derive;     // Derive: from what, written where
        Reports::ThumbnailRequest thumbnail; // Thumbnail: of which scheme, how large, where
        bool platformChosen = false;       // Editor: the toolkit was told where to show it
    };
    static Invocation parse(const QStringList &arguments);
    // The arguments as main() receives them. An argument whose bytes are no text
    // in the system's encoding is a usage error, as it would name another file
    // once decoded.
    static Invocation read(int argc, char **argv);

    // Runs the mode asked for and gives the exit status: a usage error, a text
    // or a report. The editor is no mode this runs (it needs the toolkit's
    // window); given it, nothing runs and the status is a failure.
    static int run(const Invocation &invocation);
};
