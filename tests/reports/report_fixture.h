#pragma once

// A small hand-made account set for the report components, and a console whose session reads it.

#include "core/roles/report_roles.h"
#include "support/test_console.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zrk::test {

// The tables of the demo account set holding the documents of report_fixture.cpp, whose
// answers the report tests computed by hand.
class ReportFixture {
public:
    // How the console reaches the account set: the embedded engine, or QODBC over SQLite's own
    // ODBC driver on the same file.
    enum class Path { Embedded, Odbc };
    static bool odbcDriverInstalled();

    explicit ReportFixture(Path path = Path::Embedded);
    // The reports on an account set that exists already (the demo's).
    explicit ReportFixture(const QString& accountSetFile);

    // Runs one statement on the account set (to take a table away, say).
    void exec(const QString& sql);
    QString file() const { return file_; }
    // The property string naming the account set.
    QString propsString() const;

    TestConsole console;

    // A numbered report driven as the console drives it.
    db::RecordsetPtr numbered(const QString& progId, std::int16_t reportId, const DictionaryPtr& params);
    db::RecordsetPtr receivables(const DictionaryPtr& params);
    db::RecordsetPtr payables(const DictionaryPtr& params);

private:
    void connect();
    QString connectionString() const;

    QTemporaryDir dir_;
    QString file_;
    Path path_ = Path::Embedded;
};

// The rows of a recordset's view, each field as text: numbers with two decimals.
std::vector<QStringList> rowsOf(db::Recordset& rs, const QStringList& fields);

} // namespace zrk::test
