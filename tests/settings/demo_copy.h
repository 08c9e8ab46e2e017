#pragma once

// A console on a copy of the demo account set with the console tables created and seeded and
// the owner-report list in step with the report catalogue, as the board finds them.

#include "db/connections.h"
#include "db/console_tables.h"
#include "settings/message_texts.h"
#include "support/demo_account_set.h"
#include "support/test_console.h"

#include <QFile>
#include <gtest/gtest.h>

namespace zrk::test {

class DemoCopy : public ::testing::Test {
protected:
    void SetUp() override {
        console.ctx.texts().languageCode = 1;
        file = console.folder() + QStringLiteral("/demo.zrkdb");
        ASSERT_TRUE(QFile::copy(DemoInstallation::databaseFile(), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        connectString = QStringLiteral("Provider=SQLite;Data Source=") + file;
        company = std::make_shared<db::Connection>();
        company->open(connectString);
        const db::ConnectionPtr seed = openSeedFile(QStringLiteral(ZRK_TEST_SEED_FILE));
        ASSERT_TRUE(ensureConsoleTables(console.ctx, *company, *seed));
        syncOwnerReportList(console.ctx, *company);
        console.ctx.session().companyConnection = company;
    }

    QStringList column(const QString& sql) {
        QStringList out;
        for (auto rs = company->openRecordset(sql); !rs->eof(); rs->moveNext())
            out << rs->value(0).toString();
        return out;
    }

    QStringList messageTexts() const { return test::messageTexts(console.prompts); }

    TestConsole console;
    QString file;
    QString connectString;
    db::ConnectionPtr company;
};

} // namespace zrk::test
