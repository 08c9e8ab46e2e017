#pragma once

#include "platform/db/connection.h"

#include <QString>

namespace zrk {

class ConsoleContext;

// Creates the five board tables that the company database lacks and fills each empty one from
// its table in the seed file. The seed file is looked at first: a seed table that will be copied
// (its board table is missing or empty) and cannot be read or holds no rows stops everything
// before a table is created; the seed tables of board tables that have rows are not looked at. The tables are
// created in one transaction, so a batch that fails half-way leaves none of them behind; it shows
// "初始化老板报表环境失败！". Each seed table is then copied in a transaction of its own
// (copySeedTable); the first failure ends the seeding. True when the tables are there and seeded.
bool ensureConsoleTables(ConsoleContext& ctx, db::Connection& company, db::Connection& seed);

// Copies every row of a seed table into an empty board table, columns matched by name, a Null
// leaving the target's default. A target that already has rows is left alone (true). An empty
// seed table gives false without a message. Any failure rolls the copy back, so the target stays
// empty, and shows "老板报表数据表初始化失败(<target>)！".
bool copySeedTable(ConsoleContext& ctx, db::Connection& company, db::Connection& seed,
                   const QString& seedTable, const QString& target);

// Creates the owner-report list where missing and brings it in step with the report catalogue
// (reopening the company connection when it was closed). Errors pass on unchanged.
void syncOwnerReportList(ConsoleContext& ctx, db::Connection& company);

} // namespace zrk
