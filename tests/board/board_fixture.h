#pragma once

// The board on a copy of the demo account set: the console tables seeded from the built seed
// file, the owner-report list synchronised, the functions' plug-in (the report viewer) loaded,
// and a launcher that records what the board asks it to start.

#include "core/roles/component_roles.h"
#include "db/connections.h"
#include "db/console_tables.h"
#include "platform/db/connection.h"
#include "session/session_component_host.h"
#include "support/demo_account_set.h"

#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace zrk::test {

// What the board handed the launcher, one entry per start.
struct RecordedStart {
    QString how;  // "service" (doCallFunc) or "direct" (startBoardFunction)
    QString what; // the ProgID or the launch text
    DictionaryPtr params;
};

class RecordingLauncher : public IFunctionLauncher {
public:
    void doCallFunc(const QString& progId, const DictionaryPtr& params) override {
        starts.push_back({QStringLiteral("service"), progId, params});
    }
    void startBoardFunction(const QString& launchText, IPointerTarget& label) override {
        label.showBusyPointer();
        starts.push_back({QStringLiteral("direct"), launchText, nullptr});
        label.showCustomPointer();
    }
    void startMenuFunction(const QString&, std::int32_t) override {}
    std::vector<RecordedStart> starts;
};

struct RecordingPointer : IPointerTarget {
    void showBusyPointer() override { log << QStringLiteral("hourglass"); }
    void showCustomPointer() override { log << QStringLiteral("hand"); }
    QStringList log;
};

class BoardOnDemo : public ::testing::Test {
protected:
    void SetUp() override {
        database = console.folder() + QStringLiteral("/company.db");
        ASSERT_TRUE(QFile::copy(DemoInstallation::databaseFile(), database));
        QFile(database).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        // The suite's components publish and read the session under this process's id.
        const auto pid = static_cast<std::int32_t>(getpid());
        console.ctx.session().processId = pid;
        const QString props = QStringLiteral("UserName=boss;ConnectString={Provider=SQLite;Data Source=") +
                              database + QStringLiteral("};AcctID=1;SubID=;");
        queryInterface<IPropStore>(console.ctx.components().create(QStringLiteral("SharedProps.PropStore")))
            ->addProperty(pid, QStringLiteral("PropsString"), props);
        conn = std::make_shared<db::Connection>();
        conn->open(QStringLiteral("Provider=SQLite;Data Source=") + database);
        console.ctx.session().companyConnection = conn;
        ASSERT_TRUE(
            ensureConsoleTables(console.ctx, *conn, *openSeedFile(QStringLiteral(ZRK_BUILT_SEED_FILE))));
        syncOwnerReportList(console.ctx, *conn);
    }

    // The report viewer from the functions' plug-in; without it the board has no report lists.
    void loadReportViewer() {
        console.ctx.components().addPluginFolder(QStringLiteral(ZRK_FUNCTIONS_PLUGIN_DIR), host);
    }

    void run(const QString& sql) { conn->execute(sql); }
    QStringList messageTexts() const {
        QStringList out;
        for (const auto& m : console.prompts.messages())
            out << m.text;
        return out;
    }

    TestConsole console;
    SessionComponentHost host{console.ctx};
    QString database;
    db::ConnectionPtr conn;
    RecordingLauncher launcher;
};

} // namespace zrk::test
