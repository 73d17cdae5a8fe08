#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

// One column of a record list: its header, its width in twips, and how a record shows in it.
// Sorting on a column compares these texts, so a list's sort key is a column of its own; a width
// of 0 hides such a column.
template <typename Record> struct TableColumn {
    const char* header;
    int twips;
    std::function<QString(const Record&)> text;
};

// A list of records shown as a table, one row per record, the cells drawn by a column schema.
// The rows are the records themselves: edits replace a record, and nothing is read back from the
// shown text. Sorting is stable, compares the column's texts as plain text (as the lists always
// have) and carries the selection with its row.
template <typename Record> class RecordTable : public QAbstractTableModel {
public:
    using Columns = std::vector<TableColumn<Record>>;

    explicit RecordTable(Columns columns, QObject* parent = nullptr)
        : QAbstractTableModel(parent), columns_(std::move(columns)) {}

    const Columns& columns() const { return columns_; }
    const std::vector<Record>& records() const { return records_; }
    const Record& record(int row) const { return records_[static_cast<size_t>(row)]; }
    int count() const { return static_cast<int>(records_.size()); }
    QString text(int row, int column) const {
        return columns_[static_cast<size_t>(column)].text(record(row));
    }

    void setRecords(std::vector<Record> records) {
        beginResetModel();
        records_ = std::move(records);
        endResetModel();
    }

    void setRecord(int row, Record record) {
        records_[static_cast<size_t>(row)] = std::move(record);
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : count();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(columns_.size());
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (!index.isValid() || role != Qt::DisplayRole)
            return {};
        return text(index.row(), index.column());
    }

    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return QString::fromUtf8(columns_[static_cast<size_t>(section)].header);
    }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override {
        emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
        const std::vector<int> oldRows = sortedRows(column, order);
        std::vector<Record> sorted;
        std::vector<int> newRow(oldRows.size());
        for (size_t i = 0; i < oldRows.size(); ++i) {
            sorted.push_back(std::move(records_[static_cast<size_t>(oldRows[i])]));
            newRow[static_cast<size_t>(oldRows[i])] = static_cast<int>(i);
        }
        records_ = std::move(sorted);
        const QModelIndexList from = persistentIndexList();
        QModelIndexList to;
        for (const QModelIndex& i : from)
            to << index(newRow[static_cast<size_t>(i.row())], i.column());
        changePersistentIndexList(from, to);
        emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    }

private:
    // The present rows in their sorted order.
    std::vector<int> sortedRows(int column, Qt::SortOrder order) const {
        std::vector<QString> keys;
        for (const Record& r : records_)
            keys.push_back(columns_[static_cast<size_t>(column)].text(r));
        std::vector<int> rows(records_.size());
        std::iota(rows.begin(), rows.end(), 0);
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            const QString& ka = keys[static_cast<size_t>(a)];
            const QString& kb = keys[static_cast<size_t>(b)];
            return order == Qt::AscendingOrder ? ka < kb : kb < ka;
        });
        return rows;
    }

    Columns columns_;
    std::vector<Record> records_;
};
