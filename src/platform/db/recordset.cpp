#include "platform/db/recordset.h"

#include "platform/db/db_errors.h"
#include "platform/db/engine.h"
#include "platform/db/filter_expression.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace zrk::db {

namespace {

const QString kSource = QStringLiteral("zrk.Recordset");

[[noreturn]] void raise(int number, const QString& text) {
    throw Error(number, kSource, text);
}

} // namespace

QString Field::name() const {
    return recordset_->fieldName(index_);
}
FieldKind Field::kind() const {
    return recordset_->fieldKind(index_);
}
Variant Field::value() const {
    return recordset_->value(index_);
}
void Field::setValue(const Variant& value) {
    recordset_->setValue(index_, value);
}

Recordset::Recordset(RowStore rows, LockType lock, std::weak_ptr<detail::Engine> engine, QString baseTable)
    : rows_(std::move(rows)), lock_(lock), engine_(std::move(engine)), baseTable_(std::move(baseTable)) {
    view_.resize(static_cast<std::size_t>(rows_.rowCount()));
    std::iota(view_.begin(), view_.end(), 0);
}

void Recordset::requireOpen() const {
    if (!open_)
        raise(dberr::ObjectClosed, dberr::kObjectClosed);
}

void Recordset::close() {
    requireOpen();
    open_ = false;
    rows_.clear();
    view_.clear();
    spellings_.clear();
    pending_.clear();
    editing_ = -1;
}

int Recordset::fieldCount() const {
    requireOpen();
    return rows_.columnCount();
}

int Recordset::checkedIndex(int index) const {
    requireOpen();
    if (index < 0 || index >= rows_.columnCount())
        raise(dberr::ItemNotFound,
              QStringLiteral("Item cannot be found in the collection corresponding to the "
                             "requested name or ordinal."));
    return index;
}

QString Recordset::fieldName(int index) const {
    return rows_.columns[checkedIndex(index)].name;
}
FieldKind Recordset::fieldKind(int index) const {
    return rows_.columns[checkedIndex(index)].kind;
}

namespace {

bool sameSpelling(const QString& a, const QString& b) {
    return a.size() == b.size() && (a.constData() == b.constData() ||
                                    std::memcmp(a.constData(), b.constData(),
                                                sizeof(QChar) * static_cast<std::size_t>(a.size())) == 0);
}

} // namespace

int Recordset::fieldIndex(const QString& name) const {
    requireOpen();
    // A caller names a field the same way each time and mostly reads the fields in their order:
    // the field after the one found last is tried first, then the names as the columns spell
    // them; another spelling is found once without regard to case and then by its hash.
    const int n = rows_.columnCount();
    const auto found = [&](int index) {
        nextField_ = index + 1;
        return index;
    };
    if (nextField_ < n && sameSpelling(rows_.columns[nextField_].name, name))
        return found(nextField_);
    for (int i = 0; i < n; ++i)
        if (sameSpelling(rows_.columns[i].name, name))
            return found(i);
    if (const auto it = spellings_.constFind(name); it != spellings_.cend())
        return found(it.value());
    for (int i = 0; i < n; ++i)
        if (rows_.columns[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            if (spellings_.size() < kSpellingLimit)
                spellings_.insert(name, i);
            return found(i);
        }
    return -1;
}

int Recordset::requiredIndex(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0)
        raise(dberr::ItemNotFound,
              QStringLiteral("Item cannot be found in the collection corresponding to the "
                             "requested name or ordinal. (%1)")
                  .arg(name));
    return index;
}

Field Recordset::fields(const QString& name) {
    return Field(this, requiredIndex(name));
}

Field Recordset::fields(int index) {
    return Field(this, checkedIndex(index));
}

int Recordset::currentRow() const {
    requireOpen();
    if (position_ < 0 || position_ >= static_cast<int>(view_.size()))
        raise(dberr::NoCurrentRecord, dberr::kNoCurrentRecord);
    return view_[static_cast<std::size_t>(position_)];
}

Variant Recordset::value(const QString& name) const {
    const int index = requiredIndex(name); // a missing field is the error, before a missing record
    return rows_.value(currentRow(), index);
}

Variant Recordset::value(int index) const {
    checkedIndex(index);
    return rows_.value(currentRow(), index);
}

void Recordset::setValue(const QString& name, const Variant& value) {
    setValue(requiredIndex(name), value);
}

void Recordset::setValue(int index, const Variant& value) {
    checkedIndex(index);
    if (lock_ == LockType::ReadOnly)
        raise(dberr::UpdateNotSupported,
              QStringLiteral("Current Recordset does not support updating. This may be "
                             "a limitation of the provider, or of the selected locktype."));
    if (value.isObject())
        raise(dberr::ArgumentsWrongType,
              QStringLiteral("Arguments are of the wrong type, are out of acceptable "
                             "range, or are in conflict with one another."));
    const int row = currentRow();
    auto it = std::find_if(pending_.begin(), pending_.end(), [&](const Pending& p) { return p.row == row; });
    if (it == pending_.end())
        raise(dberr::UpdateNotSupported,
              QStringLiteral("Current Recordset does not support updating existing "
                             "rows: change them with an UPDATE statement."));
    rows_.setValue(row, index, value);
    it->assigned[static_cast<std::size_t>(index)] = true;
}

bool Recordset::eof() const {
    requireOpen();
    return position_ >= static_cast<int>(view_.size());
}

bool Recordset::bof() const {
    requireOpen();
    return position_ < 0 || view_.empty();
}

void Recordset::moveFirst() {
    requireOpen();
    position_ = 0;
}

void Recordset::moveLast() {
    requireOpen();
    position_ = view_.empty() ? 0 : static_cast<int>(view_.size()) - 1;
}

void Recordset::moveNext() {
    requireOpen();
    if (eof())
        raise(dberr::NoCurrentRecord, dberr::kNoCurrentRecord);
    ++position_;
}

void Recordset::movePrevious() {
    requireOpen();
    if (position_ < 0)
        raise(dberr::NoCurrentRecord, dberr::kNoCurrentRecord);
    --position_;
}

int Recordset::recordCount() const {
    requireOpen();
    return static_cast<int>(view_.size());
}

int Recordset::absolutePosition() const {
    requireOpen();
    if (position_ < 0 || position_ >= static_cast<int>(view_.size()))
        return -3;
    return position_ + 1;
}

void Recordset::rebuildView() {
    std::vector<int> view;
    const int n = rows_.rowCount();
    view.reserve(static_cast<std::size_t>(n));
    if (filterText_.trimmed().isEmpty()) {
        for (int r = 0; r < n; ++r)
            view.push_back(r);
    } else {
        const FilterExpression f = FilterExpression::parse(filterText_, rows_.columns);
        for (int r = 0; r < n; ++r)
            if (f.matches(rows_, r))
                view.push_back(r);
    }
    if (!sortText_.trimmed().isEmpty()) {
        const auto keys = parseSort(sortText_, rows_.columns);
        std::stable_sort(view.begin(), view.end(),
                         [&](int a, int b) { return compareRows(rows_, a, b, keys) < 0; });
    }
    view_ = std::move(view);
    position_ = 0;
}

void Recordset::changeView(QString& setting, const QString& value) {
    requireOpen();
    const QString previous = setting;
    setting = value;
    try {
        rebuildView();
    } catch (...) {
        setting = previous; // an expression that does not parse leaves the view as it was
        throw;
    }
}

void Recordset::setFilter(const QString& filter) {
    changeView(filterText_, filter);
}

void Recordset::setSort(const QString& sort) {
    changeView(sortText_, sort);
}

void Recordset::addNew() {
    requireOpen();
    if (lock_ == LockType::ReadOnly || baseTable_.isEmpty())
        raise(dberr::UpdateNotSupported,
              QStringLiteral("Current Recordset does not support updating. This may be "
                             "a limitation of the provider, or of the selected locktype."));
    if (editing_ >= 0)
        update();
    const int row = rows_.rowCount();
    for (int c = 0; c < rows_.columnCount(); ++c)
        rows_.appendNull();
    pending_.push_back({row, std::vector<bool>(static_cast<std::size_t>(rows_.columnCount()), false)});
    view_.push_back(row);
    position_ = static_cast<int>(view_.size()) - 1;
    editing_ = row;
}

void Recordset::update() {
    requireOpen();
    const int row = editing_;
    editing_ = -1;
    if (row >= 0 && lock_ != LockType::BatchOptimistic)
        send({row});
}

void Recordset::cancelUpdate() {
    requireOpen();
    if (editing_ < 0)
        return;
    const int row = editing_;
    editing_ = -1;
    std::erase_if(pending_, [&](const Pending& p) { return p.row == row; });
    std::erase(view_, row);
    // Its cells go too: a view built again (a filter, a sort) must not show the row.
    if (row == rows_.rowCount() - 1)
        rows_.removeLastRow();
    position_ = std::min<int>(position_, static_cast<int>(view_.size()));
}

void Recordset::updateBatch() {
    requireOpen();
    editing_ = -1;
    std::vector<int> rows;
    for (const Pending& p : pending_)
        rows.push_back(p.row);
    send(rows);
}

void Recordset::send(const std::vector<int>& rowIndexes) {
    if (rowIndexes.empty())
        return;
    const auto engine = engine_.lock();
    if (!engine)
        raise(dberr::ObjectClosed, dberr::kObjectClosed);
    std::vector<detail::NewRow> rows;
    for (int row : rowIndexes) {
        const auto it =
            std::find_if(pending_.begin(), pending_.end(), [&](const Pending& p) { return p.row == row; });
        detail::NewRow values;
        for (int c = 0; c < rows_.columnCount(); ++c)
            if (it->assigned[static_cast<std::size_t>(c)])
                values.emplace_back(c, rows_.value(row, c));
        rows.push_back(std::move(values));
    }
    engine->insertRows(baseTable_, rows_.columns, rows);
    std::erase_if(pending_, [&](const Pending& p) {
        return std::find(rowIndexes.begin(), rowIndexes.end(), p.row) != rowIndexes.end();
    });
}

} // namespace zrk::db
