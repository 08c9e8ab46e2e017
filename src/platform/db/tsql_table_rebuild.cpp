// The definition of a table with constraints added to it: SQLite cannot add a default or a
// primary key to an existing table, so the engine creates the table anew from this text.
#include "platform/db/tsql_dialect.h"
#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_sqlite_text.h"
#include "platform/db/tsql_token_range.h"
#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

// The items of a CREATE TABLE's parentheses, as the stored text has them.
class TableItems {
public:
    TableItems(const QString& createSql, const AddConstraints& c);

    void addDefault(const DefaultConstraint& d);
    void addPrimaryKey(const PrimaryKeyConstraint& pk);
    QString createTable(const QString& newName) const;

private:
    int columnIndex(const QString& column) const;

    const QString& createSql_;
    const AddConstraints& constraints_;
    Tokens t_;
    int close_ = kNoToken; // the parenthesis that closes the items
    std::vector<Range> ranges_;
    QStringList items_;
    bool hasPrimaryKey_ = false;
};

TableItems::TableItems(const QString& createSql, const AddConstraints& c)
    : createSql_(createSql), constraints_(c), t_(tokenize(createSql)) {
    const int open = firstParen(t_, allOf(t_));
    close_ = open == kNoToken ? kNoToken : closingParen(t_, allOf(t_).from(open));
    if (close_ == kNoToken)
        commandFailed(QStringLiteral("Cannot read the definition of table '%1'.").arg(c.table));
    ranges_ = splitCommas(t_, {open + 1, close_});
    for (const Range& r : ranges_) {
        const qsizetype start = t_[r.begin].offset;
        const qsizetype end = t_[r.end].offset; // the comma or the closing parenthesis
        items_ << createSql.mid(start, end - start).trimmed();
        if (findTopLevelWord(t_, r, "PRIMARY") != kNoToken)
            hasPrimaryKey_ = true;
    }
}

int TableItems::columnIndex(const QString& column) const {
    for (std::size_t i = 0; i < ranges_.size(); ++i) {
        const Token& first = t_[ranges_[i].begin];
        const QString name = first.isName() ? first.text : QString();
        if (!startsTableConstraint(first) && name.compare(column, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    commandFailed(QStringLiteral("Column name '%1' does not exist in the target table or view.").arg(column));
}

void TableItems::addDefault(const DefaultConstraint& d) {
    const int i = columnIndex(d.column);
    if (findTopLevelWord(t_, ranges_[i], "DEFAULT") != kNoToken ||
        items_[i].contains(QLatin1String(" DEFAULT ")))
        commandFailed(QStringLiteral("Column already has a DEFAULT bound to it."));
    const QString clause = d.name.isEmpty() ? QString() : QStringLiteral(" CONSTRAINT ") + quoteName(d.name);
    items_[i] += clause + QStringLiteral(" DEFAULT (") + d.expression + QLatin1Char(')');
}

void TableItems::addPrimaryKey(const PrimaryKeyConstraint& pk) {
    if (hasPrimaryKey_)
        commandFailed(
            QStringLiteral("Table '%1' already has a primary key defined on it.").arg(constraints_.table));
    QStringList columns;
    for (const QString& column : pk.columns) {
        columnIndex(column);
        columns << quoteName(column);
    }
    items_ << (pk.name.isEmpty() ? QString()
                                 : QStringLiteral("CONSTRAINT ") + quoteName(pk.name) + QLatin1Char(' ')) +
                  QStringLiteral("PRIMARY KEY (") + columns.join(QStringLiteral(", ")) + QLatin1Char(')');
}

QString TableItems::createTable(const QString& newName) const {
    const QString tail = createSql_.mid(t_[close_].offset + 1).trimmed();
    return QStringLiteral("CREATE TABLE ") + quoteName(newName) + QStringLiteral(" (") +
           items_.join(QStringLiteral(", ")) + QLatin1Char(')') +
           (tail.isEmpty() ? QString() : QLatin1Char(' ') + tail);
}

} // namespace

QString tableWithConstraints(const QString& createSql, const AddConstraints& c, const QString& newName) {
    TableItems items(createSql, c);
    for (const DefaultConstraint& d : c.defaults)
        items.addDefault(d);
    if (c.primaryKey)
        items.addPrimaryKey(*c.primaryKey);
    return items.createTable(newName);
}

} // namespace zrk::db::tsql
