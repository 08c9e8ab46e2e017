#pragma once

#include "platform/db/connection.h"
#include "session/session_properties.h"
#include "support/query_text.h"
#include "support/test_console.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Readable failure messages for the toolkit's text types.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < l.size(); ++i)
        *os << (i ? ", " : "") << '"' << l[i].toStdString() << '"';
    *os << '}';
}
QT_END_NAMESPACE

namespace zrk::test {

// A console whose session points at a fresh company database in its own folder; conn is a
// connection of the test's own to that database.
class ConsoleWithCompany : public ::testing::Test {
protected:
    void SetUp() override {
        companyFile = console.folder() + QStringLiteral("/company.db");
        connectString = QStringLiteral("Provider=SQLite;Data Source=") + companyFile;
        conn = std::make_shared<db::Connection>();
        conn->open(connectString, db::MissingDatabase::Create);
        publishSession(connectString);
    }

    void publishSession(const QString& connect) {
        publishFromDictionary(console.ctx, Dictionary{{QStringLiteral("PropsString"),
                                                       QStringLiteral("UserName=boss;ConnectString={") +
                                                           connect + QStringLiteral("};AcctID=1;")}});
    }

    QString propsString() { return getSessionPropsString(console.ctx); }

    QString scalar(const QString& sql) { return scalarText(*conn, sql); }
    QStringList column(const QString& sql, int index = 0) { return columnTexts(*conn, sql, index); }

    QStringList messageTexts() const {
        QStringList out;
        for (const auto& m : console.prompts.messages())
            out << m.text;
        return out;
    }

    test::TestConsole console;
    QString companyFile;
    QString connectString;
    db::ConnectionPtr conn;
};

} // namespace zrk::test
