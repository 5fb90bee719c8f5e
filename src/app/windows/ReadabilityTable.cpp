#include "ReadabilityTable.h"

#include "ColourIcons.h"
#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "ReadabilityModel.h"
#include "SchemeModel.h"
#include "Texts.h"


#include <algorithm>

namespace {

QString ratioText(double ratio)
{
    return Readability::ratioText(ratio) + QStringLiteral(":1");
}

Text ratingOf(const Readability::Verdict &verdict)
{
    if (!verdict.checked)
        return Text::MarkNotChecked;
    if (verdict.worstRatio() < 3)
        return Text::MarkPoor;
    if (verdict.worstRatio() < verdict.level)
        return Text::MarkBelowLevel;
    if (verdict.worstRatio() < 7)
        return Text::MarkAtLevel;
    return Text::MarkExcellent;
}

bool samePair(const Readability::Verdict &a, const Readability::Verdict &b)
{
    return a.pair.text == b.pair.text && a.pair.background == b.pair.background;
}

} // namespace

ReadabilityTable::ReadabilityTable(const ReadabilityModel &readability, QObject *parent)
    : QAbstractTableModel(parent)
    , m_readability(readability)
    , m_verdicts(readability.verdicts())
{
    connect(&readability, &ReadabilityModel::verdictsChanged, this, &ReadabilityTable::follow);
}

// The pairs are the same after every change, in another order: each index a
// view keeps (its current row, its selection) moves to where its pair goes.
void ReadabilityTable::follow()
{
    const std::vector<Readability::Verdict> &verdicts = m_readability.verdicts();
    if (verdicts.size() != m_verdicts.size()) {
        beginResetModel();
        m_verdicts = verdicts;
        endResetModel();
        return;
    }
    emit layoutAboutToBeChanged();
    const QModelIndexList kept = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(kept.size());
    for (const QModelIndex &index : kept) {
        const auto found = std::find_if(verdicts.begin(), verdicts.end(), [&](const Readability::Verdict &verdict) {
            return samePair(verdict, m_verdicts[std::size_t(index.row())]);
        });
        moved << (found == verdicts.end() ? QModelIndex() : this->index(int(found - verdicts.begin()), index.column()));
    }
    m_verdicts = verdicts;
    changePersistentIndexList(kept, moved);
    emit layoutChanged();
    if (!m_verdicts.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void ReadabilityTable::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!m_verdicts.empty())
        emit dataChanged(index(0, TextName), index(rowCount() - 1, Rating), {Qt::DisplayRole});
}

int ReadabilityTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_verdicts.size());
}

int ReadabilityTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReadabilityTable::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Readability::Verdict &verdict = m_verdicts[std::size_t(index.row())];
    const Language language = Languages::current();
    switch (role) {
    case Qt::DecorationRole:
        if (index.column() == Sample)
            return ColourIcons::textSample(
                toQColor(ColourScience::phoneColour(Readability::textColour(m_readability.scheme().scheme(), verdict.pair))),
                toQColor(ColourScience::phoneColour(
                    Readability::backgroundColour(m_readability.scheme().scheme(), verdict.pair))));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Contrast || index.column() == ColourBlind || index.column() == Level)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DisplayRole:
        switch (index.column()) {
        case TextName:
            return Readability::textName(language, verdict.pair, false);
        case BackgroundName:
            return Readability::backgroundName(language, verdict.pair, false);
        case Contrast:
            return verdict.checked ? ratioText(verdict.ratio) : QString();
        case ColourBlind:
            return verdict.checked && verdict.colourBlindRatio ? ratioText(*verdict.colourBlindRatio) : QString();
        case Level:
            return ratioText(verdict.level);
        case Rating:
            return Texts::get(ratingOf(verdict), language);
        default:
            return {};
        }
    default:
        return {};
    }
}

QVariant ReadabilityTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    static constexpr Text kCaptions[ColumnCount] = {Text::ColumnSample,   Text::ColumnForeground,
                                                   Text::ColumnBackground, Text::ColumnContrast,
                                                   Text::ColumnColourBlind, Text::ColumnLevel,
                                                   Text::ColumnRating};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return Texts::get(kCaptions[section], Languages::current());
}
