#pragma once

#include "Readability.h"

#include <QAbstractTableModel>

#include <vector>

class ReadabilityModel;

// The readability pairs as rows for a view: a sample of the text on its
// background as the phone shows them, both element names, the contrast, the
// level and a rating, worst first. It follows the readability model; a pair
// that moves keeps its row's selection and focus, since the view's indexes move
// with it.
class ReadabilityTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Sample, TextName, BackgroundName, Contrast, ColourBlind, Level, Rating, ColumnCount };

    explicit ReadabilityTable(const ReadabilityModel &readability, QObject *parent = nullptr);

    // The pairs as the rows hold them, top to bottom.
    const std::vector<Readability::Verdict> &verdicts() const { return m_verdicts; }
    // Names, ratings and captions anew in the interface language.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void follow();

    const ReadabilityModel &m_readability;
    std::vector<Readability::Verdict> m_verdicts;
};
