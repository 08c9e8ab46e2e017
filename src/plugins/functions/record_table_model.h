#pragma once

#include "plugins/functions/table_data.h"

#include <QAbstractTableModel>
#include <functional>
#include <vector>

namespace zrk::functions {

// A read-only table over the rows of one query: the visible columns of its description, a
// search over every shown text, and sorting by a column, without a copy of the rows. The view
// keeps the order and the selection of the rows; the rows themselves stay where the query put
// them.
class RecordTableModel : public QAbstractTableModel {
public:
    using Translator = std::function<QString(const QString&)>;
    explicit RecordTableModel(Translator translate, QObject* parent = nullptr);

    void setTable(TableData table);
    const TableData& table() const { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Shows only the rows in which a shown value contains the text (letter case ignored); an
    // empty text shows every row. The sort order is kept.
    void setSearchText(const QString& text);
    QString searchText() const { return search_; }

    // Every row of the table, whether shown or not.
    int totalRows() const { return table_.rowCount(); }
    // The table's row behind a shown row.
    int storeRow(int viewRow) const { return view_[static_cast<std::size_t>(viewRow)]; }
    // The text shown for a row of the table in a visible column.
    QString cellText(int storeRow, int visibleColumn) const;
    // "共 N 行", or "显示 n / 共 N 行" while a search hides rows, translated.
    QString statusText() const;

private:
    const ListColumn& columnAt(int visibleColumn) const;
    int storeColumn(int visibleColumn) const;
    bool rowMatches(int storeRow, const QString& text) const;
    void rebuildView();

    Translator translate_;
    TableData table_;
    std::vector<int> visible_;       // the list column of every visible column
    std::vector<int> storeColumnOf_; // the store column of every list column
    std::vector<int> order_;         // every row of the table, in the sort order
    std::vector<int> view_;          // the shown rows, in the sort order
    QString search_;
};

// The text of one cell as a column of the kind shows it.
QString cellDisplayText(const db::RowStore& rows, int row, int column, ColumnKind kind);

} // namespace zrk::functions
