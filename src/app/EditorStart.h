#pragma once

#include <QString>

// The start of the editor window, once the command line has asked for it:
// what of the program's start needs the toolkit's application and a window.
class EditorStart
{
public:
    // Opens the editor, with `schemeFile` loaded if one is named, and gives its
    // exit status. Without a display, unless the toolkit was told where to show
    // the window (`platformChosen`), it says how to run the program instead.
    static int run(int argc, char **argv, const QString &schemeFile, bool platformChosen);

private:
    static int runEditor(int argc, char **argv, const QString &schemeFile);
};
