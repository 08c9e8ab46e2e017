#pragma once

#include "platform/db/tsql_lexer.h"

#include <QString>
#include <initializer_list>

// The parts single words and symbols play in T-SQL, as the translator tells them apart.
namespace zrk::db::tsql {

// Whether name is one of names, compared exactly: for names already in one case.
bool isOneOf(const QString& name, std::initializer_list<const char*> names);

// A keyword that starts a statement (upper-case text): SELECT, IF, BEGIN, EXEC, GO ...
bool isStatementKeyword(const QString& upper);

// A word that ends a table source rather than name its alias, or starts a clause: WHERE, JOIN,
// ON, AS, CASE, END ...
bool isClauseWord(const Token& k);

// An operator that joins two operands into one: + - * / % || & | ^ ~, and the dot of a name.
bool isArithmetic(const Token& k);

// One of the five operators of a numeric expression: + - * / %.
bool isNumericOperator(const Token& k);

// * / or %: an operator that binds before + and -.
bool isMultiplicative(const Token& k);

// + or -, as a sign or as an operator.
bool isSign(const Token& k);

// A comparison operator: = <> != < > <= >= !< !>.
bool isComparison(const Token& k);

// A word that starts a table constraint rather than a column in a table's definition:
// CONSTRAINT, PRIMARY, UNIQUE, CHECK, FOREIGN.
bool startsTableConstraint(const Token& k);

} // namespace zrk::db::tsql
