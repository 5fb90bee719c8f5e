#pragma once

#include <QStringList>

class QTextStream;

// The program's command line: the editor without arguments, and the modes that
// need no display (--check, --render, --help, --version).
class CommandLine
{
public:
    static int run(int argc, char **argv);

    // Exit codes of the command-line modes.
    static constexpr int kSuccess = 0;
    static constexpr int kFailure = 1;
    static constexpr int kUsageError = 2;

    // Reads every file as the open command does and reports one line per file.
    static int check(const QStringList &files, QTextStream &out);

private:
    static int runEditor(int argc, char **argv);
};
