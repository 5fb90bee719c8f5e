#pragma once

#include "ColourScheme.h"
#include "Problem.h"

#include <QString>

#include <optional>

// What reading a .col file found. A Failed read must leave the scheme in memory
// untouched; every other read is applied with applyTo(), and all but a Complete
// one come with a problem worth telling the user.
struct SchemeReadResult
{
    enum class Status {
        Complete,   // a name (if any) and 60 entries of four numbers
        Incomplete, // the file ended before the 60th entry; the rest reads as 0
        TrailingContent, // 60 entries, then more than blank lines, which are ignored
        Failed,     // nothing may be taken from the file
    };

    Status status = Status::Failed;
    std::optional<QString> name; // set only when the file names the scheme
    ColourTable table{};
    int completeEntries = 0;
    int line = 0;   // the line of the problem (for trailing content: where the ignored part starts),
                    // 0 when it concerns the whole file
    Problem reason; // for all but a complete read

    bool isLoadable() const { return status != Status::Failed; }
    // "line 14: "300" is not a colour value (0 to 255)", or the bare reason.
    QString problem(Language language = Language::English) const;
    // Replaces the colour table and, when the file names one, the scheme name.
    // The visible flags are not part of what a file restores.
    void applyTo(ColourScheme &scheme) const;
};
