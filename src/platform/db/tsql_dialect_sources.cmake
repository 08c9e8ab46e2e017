# The sources of the T-SQL dialect layer (lexer, batch splitter, translator, table rebuild), in
# one list for the zrk_db library and for the fuzz target that compiles them instrumented.
set(ZRK_TSQL_DIALECT_SOURCES)
foreach(source IN ITEMS
    tsql_alter_table.cpp
    tsql_batch_split.cpp
    tsql_blocks.cpp
    tsql_catalogue.cpp
    tsql_column_definition.cpp
    tsql_conversions.cpp
    tsql_create_table.cpp
    tsql_date_comparison.cpp
    tsql_date_functions.cpp
    tsql_date_literal.cpp
    tsql_dialect.cpp
    tsql_dml.cpp
    tsql_errors.cpp
    tsql_expression.cpp
    tsql_expression_types.cpp
    tsql_function_calls.cpp
    tsql_lexer.cpp
    tsql_nesting.cpp
    tsql_object_name.cpp
    tsql_operands.cpp
    tsql_sqlite_text.cpp
    tsql_statement.cpp
    tsql_system_objects.cpp
    tsql_table_rebuild.cpp
    tsql_table_sources.cpp
    tsql_token_range.cpp
    tsql_update.cpp
    tsql_value_types.cpp
    tsql_word_classes.cpp)
  list(APPEND ZRK_TSQL_DIALECT_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${source})
endforeach()
