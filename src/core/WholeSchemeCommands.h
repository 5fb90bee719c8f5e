#pragma once

#include "ColourScheme.h"
#include "SchemeChange.h"
#include "Text.h"

#include <QString>

#include <array>

// The commands that replace the whole scheme at once, each once as a row: what
// it is called in the window and the history, the cause the history records,
// and what it makes of a scheme where that depends on the scheme alone. The
// window's context menus, the history's labels and the command line read them
// from here; a command whose result is proposed before it is applied (Fix all,
// a derived scheme) or that needs more than the scheme (a built-in scheme, a
// time gone back to) keeps only that special part where it is done.
class WholeSchemeCommands
{
public:
    enum class Id : quint8 { FixAll, DeriveFromColour, DeriveFromPicture, Invert, ResetToBuiltIn, GoBack };

    // What a command may depend on besides the scheme: the contrast a pair
    // must reach and whether colour-blind eyes must tell it too.
    struct Options
    {
        double level = 0;
        bool colourBlind = false;
    };
    using Function = ColourScheme (*)(const ColourScheme &scheme, const Options &options);

    struct Row
    {
        Id id;
        const char *objectName;  // its item in the context menus, or nullptr where it has none there
        Text caption;            // the item's caption, with its access key
        Text historyLabel;       // its entry in the history; "%1" is the change's detail where detailed
        bool detailed;           // the label names the change's detail
        Text how;                // the history's column of how it came
        ChangeCause cause;       // what the history records; rows of one cause (a derived scheme) share its label
        Function apply;          // the next scheme, where the scheme alone decides it; else nullptr
        bool waitsUnderPanel;    // held back while a panel covers the editor
        const char *commandLine; // the command line's option for it (--fix, --derive), or nullptr
    };

    static constexpr std::size_t kCount = 6;
    static const std::array<Row, kCount> &table();
    static const Row &row(Id id);
    // The row that records this cause, or nullptr for a change of one colour,
    // one check mark or a file opened.
    static const Row *byCause(ChangeCause cause);

    // Every colour r,g,b becomes 255-r,255-g,255-b; brightness, name and check
    // marks stay.
    static ColourScheme inverted(const ColourScheme &scheme, const Options &options);
    // Every pair brought to its level (ReadableFix::fixAll).
    static ColourScheme fixedAll(const ColourScheme &scheme, const Options &options);
};
