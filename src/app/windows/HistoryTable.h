#pragma once

#include <QAbstractTableModel>

class SchemeHistory;

// The history's entries as rows for a view, newest first: the time, what
// changed (an element with its colour before and after as two swatches, a
// check mark, the name, or the whole scheme) and how.
class HistoryTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Time, Change, How, ColumnCount };

    explicit HistoryTable(const SchemeHistory &history, QObject *parent = nullptr);

    // The history's entry a row shows.
    int entryOf(int row) const { return m_rows - 1 - row; }
    // Descriptions and captions anew in the interface language.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void follow(bool merged, bool droppedOldest);
    QString description(int entry) const;

    const SchemeHistory &m_history;
    int m_rows = 0; // the entries the view knows of
};
