#pragma once

#include "platform/db/tsql_batch_split.h"
#include "platform/db/tsql_dialect.h"

#include <QStringView>
#include <vector>

// The control flow of a batch: IF ... [ELSE ...] and BEGIN ... END blocks, read from its
// statements into the nested steps the engine runs.
namespace zrk::db::tsql {

class Translation;

// The steps of the statements of a batch read from text as t.
std::vector<Step> translateStatements(Translation& tr, const Tokens& t,
                                      const std::vector<Statement>& statements, QStringView text);

} // namespace zrk::db::tsql
