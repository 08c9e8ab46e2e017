#include "db/console_tables.h"

#include "core/console_context.h"
#include "db/console_schema.h"
#include "db/log_category.h"
#include "platform/caught_error.h"
#include "session/message_boxes.h"
#include "session/texts.h"

namespace zrk {

namespace {

void showSeedFailure(ConsoleContext& ctx, const QString& target) {
    showMessage(ctx, translatePattern(ctx, QStringLiteral("老板报表数据表初始化失败(%1)！"), {target}),
                false);
}

// Whether a board table will receive its seed rows: it is missing (the batch is about to create
// it) or it holds no rows. A table whose state cannot be read counts as one to fill.
bool willBeSeeded(db::Connection& company, const QString& table) {
    try {
        const auto found = company.execute(
            QStringLiteral("Select count(*) From dbo.sysobjects Where id = object_id(N'[dbo].[") + table +
            QStringLiteral("]') And OBJECTPROPERTY(id, N'IsUserTable') = 1"));
        if (!found || found->eof() || found->value(0).toInt32() == 0)
            return true;
        const auto rows = company.execute(QStringLiteral("Select Top 1 * From ") + table);
        return !rows || rows->eof();
    } catch (const Error& e) {
        logCaughtError(lcConsoleDb(), "willBeSeeded: the board table's rows are unknown, it counts as empty",
                       e);
        return true;
    }
}

// The one check of the seed file's contents, before anything is written: every seed table that
// will be copied can be read and holds rows; otherwise the error box names the first board table
// that could not be filled. A seed table whose board table already has rows is not looked at.
bool seedFileServes(ConsoleContext& ctx, db::Connection& company, db::Connection& seed) {
    for (const BoardTable& table : boardTables()) {
        if (!willBeSeeded(company, table.name))
            continue;
        try {
            const auto rows = seed.execute(QStringLiteral("Select Top 1 * From ") + table.seedTable);
            if (rows && !rows->eof())
                continue;
        } catch (const Error& e) {
            logCaughtError(lcConsoleDb(), "seedFileServes: a seed table cannot be read", e);
        }
        showSeedFailure(ctx, table.name);
        return false;
    }
    return true;
}

} // namespace

bool ensureConsoleTables(ConsoleContext& ctx, db::Connection& company, db::Connection& seed) {
    if (!seedFileServes(ctx, company, seed))
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
