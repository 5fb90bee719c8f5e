#include "WholeSchemeCommands.h"

#include "ReadableFix.h"

const std::array<WholeSchemeCommands::Row, WholeSchemeCommands::kCount> &WholeSchemeCommands::table()
{
    // The order of the rows is the order of the items in the context menus.
    static const std::array<Row, kCount> kRows{{
        {Id::FixAll, "actFixAll", Text::FixAllCommand, Text::HistoryFixAll, false, Text::HowFix,
         ChangeCause::FixAll, &WholeSchemeCommands::fixedAll, true, "fix"},
        {Id::DeriveFromColour, "actDeriveFromColour", Text::DeriveFromColour, Text::DerivedFrom, true,
         Text::HowDerived, ChangeCause::Derived, nullptr, true, "derive"},
        {Id::DeriveFromPicture, "actDeriveFromPicture", Text::DeriveFromPicture, Text::DerivedFrom, true,
         Text::HowDerived, ChangeCause::Derived, nullptr, true, "derive"},
        {Id::Invert, "actInvert", Text::InvertCommand, Text::HistoryInverted, false, Text::HowInverted,
         ChangeCause::Inverted, &WholeSchemeCommands::inverted, true, nullptr},
        // The main menu's items name each built-in scheme; the command is the
        // colour commands' words for it.
        {Id::ResetToBuiltIn, nullptr, Text::ColourReset, Text::HistoryNew, true, Text::HowNew, ChangeCause::New,
         nullptr, false, nullptr},
        {Id::GoBack, nullptr, Text::HistoryGoBack, Text::HistoryWentBack, true, Text::HowWentBack,
         ChangeCause::WentBack, nullptr, true, nullptr},
    }};
    return kRows;
}

const WholeSchemeCommands::Row &WholeSchemeCommands::row(Id id)
{
    Q_ASSERT(table()[std::size_t(id)].id == id); // the rows are in the order of Id
    return table()[std::size_t(id)];
}

const WholeSchemeCommands::Row *WholeSchemeCommands::byCause(ChangeCause cause)
{
    for (const Row &row : table()) {
        if (row.cause == cause)
            return &row;
    }
    return nullptr;
}

ColourScheme WholeSchemeCommands::inverted(const ColourScheme &scheme, const Options &)
{
    ColourScheme next = scheme;
    ColourTable table = scheme.table();
    for (ColourEntry &entry : table) {
        entry.red = quint8(255 - entry.red);
        entry.green = quint8(255 - entry.green);
        entry.blue = quint8(255 - entry.blue);
    }
    next.setTable(table);
    return next;
}

ColourScheme WholeSchemeCommands::fixedAll(const ColourScheme &scheme, const Options &options)
{
    return ReadableFix::fixAll(scheme, options.level, options.colourBlind).scheme;
}
