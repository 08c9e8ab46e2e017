// The dialect layer's entry points: a batch read into statements, and translated into a
// program. The translation is told by what it translates:
//   the batch and its control flow   tsql_batch_split, tsql_nesting, tsql_blocks, tsql_statement
//   expressions and their types      tsql_expression, tsql_operands, tsql_expression_types,
//                                    tsql_value_types, tsql_table_sources, tsql_function_calls,
//                                    tsql_conversions
//   dates                            tsql_date_literal, tsql_date_comparison, tsql_date_functions
//   tables and the catalogue         tsql_create_table, tsql_alter_table, tsql_column_definition,
//                                    tsql_table_rebuild, tsql_catalogue, tsql_system_objects
//   rows                             tsql_dml, tsql_update
// with what they share: tsql_translation (the state of one batch's translation), tsql_token_range,
// tsql_word_classes, tsql_object_name, tsql_sqlite_text, tsql_steps and tsql_errors.
#include "platform/db/tsql_dialect.h"

#include "platform/db/tsql_batch_split.h"
#include "platform/db/tsql_blocks.h"
#include "platform/db/tsql_nesting.h"
#include "platform/db/tsql_translation.h"

namespace zrk::db::tsql {

QStringList splitBatch(QStringView batch) {
    const Tokens t = tokenize(batch);
    checkNesting(t);
    QStringList out;
    for (const Statement& s : splitStatements(t))
        out << sourceText(batch, t, s.tokens).toString();
    return out;
}

Program translateBatch(QStringView batch, SchemaReader* schema) {
    const Tokens t = tokenize(batch);
    checkNesting(t);
    const std::vector<Statement> statements = splitStatements(t);
    Program program;
    Translation tr(program, schema);
    program.steps = translateStatements(tr, t, statements, batch);
    return program;
}

} // namespace zrk::db::tsql
