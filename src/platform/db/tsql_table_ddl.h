#pragma once

#include "platform/db/tsql_dialect.h"
#include "platform/db/tsql_token_range.h"

#include <vector>

// CREATE TABLE and ALTER TABLE, for the statement's tokens in r.
namespace zrk::db::tsql {

class Translation;

// CREATE TABLE name (columns and constraints) [ON filegroup]: the catalogue learns the table's
// columns for the statements after it.
std::vector<Step> createTable(Translation& tr, const Tokens& t, Range r);

// ALTER TABLE name ADD columns, or ADD constraints (which SQLite adds by rebuilding the table).
std::vector<Step> alterTable(Translation& tr, const Tokens& t, Range r);

} // namespace zrk::db::tsql
