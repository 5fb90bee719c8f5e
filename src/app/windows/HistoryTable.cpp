#include "HistoryTable.h"

#include "ColourIcons.h"
#include "ColourText.h"
#include "ElementCatalogue.h"
#include "Problem.h"
#include "SchemeHistory.h"
#include "Texts.h"
#include "WholeSchemeCommands.h"

namespace {

// The whole-scheme commands say it in their row of the table.
Text howOf(ChangeCause cause)
{
    switch (cause) {
    case ChangeCause::Typed:
        return Text::HowTyped;
    case ChangeCause::Palette:
        return Text::HowPalette;
    case ChangeCause::Paste:
        return Text::HowPaste;
    case ChangeCause::Entered:
        return Text::HowEntered;
    case ChangeCause::Reset:
        return Text::HowReset;
    case ChangeCause::Fix:
        return Text::HowFix;
    case ChangeCause::Pick:
        return Text::HowPick;
    case ChangeCause::Undo:
        return Text::HowUndo;
    case ChangeCause::Redo:
        return Text::HowRedo;
    case ChangeCause::CheckMark:
        return Text::HowCheckMark;
    case ChangeCause::Opened:
        return Text::HowOpened;
    case ChangeCause::New:
    case ChangeCause::WentBack:
    case ChangeCause::FixAll:
    case ChangeCause::Derived:
    case ChangeCause::Inverted:
        break;
    }
    return WholeSchemeCommands::byCause(cause)->how;
}

// A built-in scheme as the Reset menu names it, without its access key.
QString builtInName(const QString &name, Language language)
{
    const std::optional<StandardScheme> scheme = StandardSchemes::fromName(name);
    if (!scheme)
        return name;
    const Text text = *scheme == StandardScheme::Blue    ? Text::ResetBlue
                      : *scheme == StandardScheme::Green ? Text::ResetGreen
                                                         : Text::ResetRed;
    return Texts::get(text, language).remove(QLatin1Char('&'));
}

} // namespace

HistoryTable::HistoryTable(const SchemeHistory &history, QObject *parent)
    : QAbstractTableModel(parent)
    , m_history(history)
    , m_rows(history.count())
{
    connect(&history, &SchemeHistory::recorded, this, &HistoryTable::follow);
    connect(&history, &SchemeHistory::cleared, this, [this] {
        beginResetModel();
        m_rows = 0;
        endResetModel();
    });
}

// The newest entry is the top row; the oldest, when it goes, the bottom one.
void HistoryTable::follow(bool merged, bool droppedOldest)
{
    if (merged) {
        emit dataChanged(index(0, 0), index(0, ColumnCount - 1));
        return;
    }
    if (droppedOldest) {
        beginRemoveRows({}, m_rows - 1, m_rows - 1);
        --m_rows;
        endRemoveRows();
    }
    beginInsertRows({}, 0, 0);
    ++m_rows;
    endInsertRows();
}

void HistoryTable::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1), {Qt::DisplayRole});
}

int HistoryTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int HistoryTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString HistoryTable::description(int entry) const
{
    const Language language = Languages::current();
    const SchemeChange &change = m_history.entry(entry).change;
    switch (change.kind) {
    case SchemeChange::Kind::Colour:
        return ElementCatalogue::numberedName(language, change.element);
    case SchemeChange::Kind::Mark:
        return Texts::get(change.markAfter ? Text::HistoryMarkOn : Text::HistoryMarkOff, language)
            .arg(ElementCatalogue::numberedName(language, change.element));
    case SchemeChange::Kind::Name:
        return Texts::get(Text::HistoryName, language).arg(Problem::quoted(change.whole->nameAfter));
    case SchemeChange::Kind::Scheme:
        break;
    }
    const QString &detail = change.whole->detail;
    switch (change.cause) {
    case ChangeCause::Opened:
        return Texts::get(Text::HistoryOpened, language).arg(detail);
    // The whole-scheme commands, labelled by their row of the table.
    case ChangeCause::New:
    case ChangeCause::WentBack:
    case ChangeCause::FixAll:
    case ChangeCause::Derived:
    case ChangeCause::Inverted:
        break;
    // Causes of single colours and check marks, which replace no whole scheme.
    case ChangeCause::Typed:
    case ChangeCause::Palette:
    case ChangeCause::Paste:
    case ChangeCause::Entered:
    case ChangeCause::Reset:
    case ChangeCause::Fix:
    case ChangeCause::Pick:
    case ChangeCause::Undo:
    case ChangeCause::Redo:
    case ChangeCause::CheckMark:
        break;
    }
    const WholeSchemeCommands::Row *command = WholeSchemeCommands::byCause(change.cause);
    if (!command)
        command = &WholeSchemeCommands::row(WholeSchemeCommands::Id::ResetToBuiltIn);
    const QString label = Texts::get(command->historyLabel, language);
    if (!command->detailed)
        return label;
    // A built-in scheme is named as the Reset menu names it.
    return label.arg(command->id == WholeSchemeCommands::Id::ResetToBuiltIn ? builtInName(detail, language) : detail);
}

QVariant HistoryTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int entry = entryOf(index.row());
    const SchemeChange &change = m_history.entry(entry).change;
    const bool colour = change.kind == SchemeChange::Kind::Colour;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case Time:
            return SchemeHistory::timeText(m_history.entry(entry).time);
        case Change:
            return description(entry);
        default:
            return Texts::get(howOf(change.cause), Languages::current());
        }
    case Qt::DecorationRole:
        if (colour && index.column() == Change)
            return ColourIcons::beforeAndAfter(toQColor(change.before.rgb()), toQColor(change.after.rgb()));
        return {};
    case Qt::ToolTipRole:
        if (colour && index.column() == Change)
            return ColourText::hex(change.before.rgb()) + QStringLiteral(" \u2192 ") + ColourText::hex(change.after.rgb());
        return {};
    default:
        return {};
    }
}

QVariant HistoryTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    static constexpr Text kCaptions[ColumnCount] = {Text::HistoryColumnTime, Text::HistoryColumnChange,
                                                   Text::HistoryColumnHow};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return Texts::get(kCaptions[section], Languages::current());
}
