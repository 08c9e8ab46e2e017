#include "db/console_tables.h"

#include "core/console_context.h"
#include "db/console_schema.h"
#include "db/log_category.h"
#include "platform/caught_error.h"
#include "session/message_boxes.h"

namespace zrk {

namespace {

void showSeedFailure(ConsoleContext& ctx, const QString& target) {
    showMessage(ctx, QStringLiteral("老板报表数据表初始化失败(") + target + QStringLiteral(")！"), false);
}

// Every seed table can be read and holds rows; otherwise the error box names the first board
// table that could not be filled.
bool seedFileUsable(ConsoleContext& ctx, db::Connection& seed) {
    for (const BoardTable& table : boardTables()) {
        try {
            const auto rows = seed.execute(QStringLiteral("Select Top 1 * From ") + table.seedTable);
            if (rows && !rows->eof())
                continue;
        } catch (const Error& e) {
            logCaughtError(lcConsoleDb(), "seedFileUsable: a seed table cannot be read", e);
        }
        showSeedFailure(ctx, table.name);
        return false;
    }
    return true;
}

} // namespace

bool ensureConsoleTables(ConsoleContext& ctx, db::Connection& company, db::Connection& seed) {
    if (!seedFileUsable(ctx, seed))
        return false;
    bool began = false;
    try {
        // One transaction: a table created without its key and defaults would be kept as it is
        // by every later start, so either all missing tables are made complete or none is.
        company.beginTrans();
        began = true;
        company.execute(consoleTablesBatch());
        company.commitTrans();
    } catch (const Error& e) {
        logCaughtError(lcConsoleDb(), "ensureConsoleTables: the console tables were not created", e);
        if (began && company.inTransaction()) {
            try {
                company.rollbackTrans();
            } catch (const Error& e) {
                logCaughtError(lcConsoleDb(), "ensureConsoleTables: the rollback failed", e);
            }
        }
        showMessage(ctx, QStringLiteral("初始化老板报表环境失败！"), false);
        return false;
    }
    for (const BoardTable& table : boardTables())
        if (!copySeedTable(ctx, company, seed, table.seedTable, table.name))
            return false;
    return true;
}

bool copySeedTable(ConsoleContext& ctx, db::Connection& company, db::Connection& seed,
                   const QString& seedTable, const QString& target) {
    bool began = false;
    try {
        const auto probe = company.execute(QStringLiteral("Select Top 1 * From ") + target);
        if (!probe) {
            showSeedFailure(ctx, target);
            return false;
        }
        if (!probe->eof())
            return true;
        const auto rows = seed.execute(QStringLiteral("Select * From ") + seedTable);
        company.execute(QStringLiteral("Truncate Table ") + target);
        if (!rows || rows->eof())
            return false;
        const auto out =
            company.openRecordset(QStringLiteral("Select * From ") + target + QStringLiteral(" Where 1=2"),
                                  db::LockType::BatchOptimistic);
        company.beginTrans();
        began = true;
        for (; !rows->eof(); rows->moveNext()) {
            out->addNew();
            for (int i = 0; i < rows->fieldCount(); ++i) {
                const Variant value = rows->value(i);
                if (!value.isNull())
                    out->fields(rows->fieldName(i)).setValue(value);
            }
            out->update();
        }
        out->updateBatch();
        out->close();
        company.commitTrans();
        return true;
    } catch (const Error& e) {
        logCaughtError(lcConsoleDb(), "copySeedTable: the seed rows were not copied", e);
        if (began && company.inTransaction()) {
            try {
                company.rollbackTrans();
            } catch (const Error& e) {
                logCaughtError(lcConsoleDb(), "copySeedTable: the rollback failed", e);
            }
        }
        showSeedFailure(ctx, target);
        return false;
    }
}

void syncOwnerReportList(ConsoleContext& /*ctx*/, db::Connection& company) {
    if (company.state() == 0)
        company.open();
    company.execute(ownerReportSyncBatch());
}

} // namespace zrk
