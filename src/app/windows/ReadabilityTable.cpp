#include "ReadabilityTable.h"

#include "ColourScience.h"
#include "ElementCatalogue.h"
#include "ReadabilityModel.h"
#include "SchemeModel.h"
#include "Texts.h"

#include <QIcon>
#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace {

QString ratioText(double ratio)
{
    return Readability::ratioText(ratio) + QStringLiteral(":1");
}

// "Ab" in the text's colour on the background's, both as the phone shows them,
// painted straight into the row. Not a pixmap icon: Qt keeps every pixmap icon
// it paints in its pixmap cache under the pixmap's own key, and a sample is
// made each time a row is painted, so the cache would take a pixmap a paint
// until it reaches its limit.
class SampleEngine : public QIconEngine
{
public:
    SampleEngine(const Rgb &text, const Rgb &background)
        : m_text(toQColor(ColourScience::phoneColour(text)))
        , m_background(toQColor(ColourScience::phoneColour(background)))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->fillRect(rect, m_background);
        painter->setPen(m_text);
        painter->drawText(rect, Qt::AlignCenter, QStringLiteral("Ab"));
        painter->restore();
    }
    QIconEngine *clone() const override { return new SampleEngine(*this); }

private:
    QColor m_text;
    QColor m_background;
};

Text ratingOf(const Readability::Verdict &verdict)
{
    if (!verdict.checked)
        return Text::MarkNotChecked;
    if (verdict.ratio < 3)
        return Text::MarkPoor;
    if (verdict.ratio < verdict.level)
        return Text::MarkBelowLevel;
    if (verdict.ratio < 7)
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
            return QIcon(new SampleEngine(m_readability.scheme().colour(verdict.pair.text),
                                          m_readability.scheme().colour(verdict.pair.background)));
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Contrast || index.column() == Level)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DisplayRole:
        switch (index.column()) {
        case TextName:
            return ElementCatalogue::name(language, verdict.pair.text).trimmed();
        case BackgroundName:
            return ElementCatalogue::name(language, verdict.pair.background).trimmed();
        case Contrast:
            return verdict.checked ? ratioText(verdict.ratio) : QString();
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
    static constexpr Text kCaptions[ColumnCount] = {Text::ColumnSample, Text::ColumnForeground,
                                                   Text::ColumnBackground, Text::ColumnContrast,
                                                   Text::ColumnLevel, Text::ColumnRating};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return {};
    return Texts::get(kCaptions[section], Languages::current());
}
