#pragma once

#include "platform/db/tsql_batch_split.h"
#include "platform/db/tsql_dialect.h"

#include <vector>

// One statement of a batch (neither IF nor a BEGIN ... END block) as the steps it becomes,
// chosen by its leading keyword.
namespace zrk::db::tsql {

class Translation;

std::vector<Step> translateStatement(Translation& tr, const Tokens& t, const Statement& s);

} // namespace zrk::db::tsql
