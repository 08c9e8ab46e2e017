#pragma once

#include "platform/db/row_store.h"
#include "platform/object.h"
#include "platform/variant.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace zrk::db {

namespace detail {
class Engine;
}

class Recordset;

// One field of the current record: a short-lived handle that is valid while its recordset lives.
class Field {
public:
    Field(Recordset* recordset, int index) : recordset_(recordset), index_(index) {}

    QString name() const;
    FieldKind kind() const;
    Variant value() const;
    bool isNull() const { return value().isNull(); }
    void setValue(const Variant& value);

private:
    Recordset* recordset_;
    int index_;
};

enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };

// A set of rows held on the client: every row is fetched when it is opened. Fields are found
// by name without regard to letter case; Null stays Null. A filter and a sort change the view of
// the rows (recordCount counts the view) without going back to the database.
//
// An updatable recordset (opened with an optimistic lock on one table) takes new rows: addNew,
// field assignments, update; with LockType::BatchOptimistic the rows are sent by updateBatch in
// one go, inside the caller's transaction when one is open. Existing rows are changed with SQL.
class Recordset : public Object {
public:
    explicit Recordset(RowStore rows, LockType lock = LockType::ReadOnly,
                       std::weak_ptr<detail::Engine> engine = {}, QString baseTable = {});

    int state() const { return open_ ? 1 : 0; }
    void close();

    int fieldCount() const;
    QString fieldName(int index) const;
    FieldKind fieldKind(int index) const;
    // The index of a field, -1 when there is none of that name.
    int fieldIndex(const QString& name) const;
    // A field by name or position; a missing one raises error 3265.
    Field fields(const QString& name);
    Field fields(int index);

    // The current record's value; at BOF or EOF raises error 3021.
    Variant value(const QString& name) const;
    Variant value(int index) const;
    void setValue(const QString& name, const Variant& value);
    void setValue(int index, const Variant& value);

    bool eof() const;
    bool bof() const;
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    // The number of records in the view.
    int recordCount() const;
    // The 1-based position of the current record in the view, or -3 at BOF/EOF.
    int absolutePosition() const;

    QString filter() const { return filterText_; }
    // An empty text shows every row again. The current record becomes the view's first.
    void setFilter(const QString& filter);
    QString sort() const { return sortText_; }
    void setSort(const QString& sort);

    LockType lockType() const { return lock_; }
    void addNew();
    void update();
    void cancelUpdate();
    void updateBatch();
    // New rows not yet sent to the database.
    int pendingCount() const { return static_cast<int>(pending_.size()); }

    // The rows as fetched (and added), in fetch order.
    const RowStore& rows() const { return rows_; }

private:
    void requireOpen() const;
    int currentRow() const;
    int checkedIndex(int index) const;
    // The index of a field by name; a name the recordset lacks raises "item not found".
    int requiredIndex(const QString& name) const;
    void rebuildView();
    // Sets the filter or the sort text and rebuilds the view.
    void changeView(QString& setting, const QString& value);
    void send(const std::vector<int>& rowIndexes);

    RowStore rows_;
    LockType lock_;
    std::weak_ptr<detail::Engine> engine_;
    QString baseTable_;
    bool open_ = true;
    std::vector<int> view_;
    int position_ = 0; // index into view_; -1 is BOF, view_.size() is EOF
    QString filterText_;
    QString sortText_;
    struct Pending {
        int row;
        std::vector<bool> assigned;
    };
    std::vector<Pending> pending_;
    int editing_ = -1; // the row being added, until update
    // Field names found without regard to case, as the callers spelled them.
    static constexpr qsizetype kSpellingLimit = 256;
    mutable QHash<QString, int> spellings_;
    mutable int nextField_ = 0; // the field after the one fieldIndex found last
};

using RecordsetPtr = std::shared_ptr<Recordset>;

} // namespace zrk::db
