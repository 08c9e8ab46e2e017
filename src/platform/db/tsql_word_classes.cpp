#include "platform/db/tsql_word_classes.h"

#include <QSet>

namespace zrk::db::tsql {

bool isOneOf(const QString& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == QLatin1String(n))
            return true;
    return false;
}

bool isStatementKeyword(const QString& upper) {
    static const QSet<QString> words = {
        QStringLiteral("SELECT"),    QStringLiteral("INSERT"),   QStringLiteral("UPDATE"),
        QStringLiteral("DELETE"),    QStringLiteral("CREATE"),   QStringLiteral("ALTER"),
        QStringLiteral("DROP"),      QStringLiteral("TRUNCATE"), QStringLiteral("IF"),
        QStringLiteral("BEGIN"),     QStringLiteral("END"),      QStringLiteral("ELSE"),
        QStringLiteral("EXEC"),      QStringLiteral("EXECUTE"),  QStringLiteral("SET"),
        QStringLiteral("DECLARE"),   QStringLiteral("PRINT"),    QStringLiteral("WHILE"),
        QStringLiteral("RETURN"),    QStringLiteral("GO"),       QStringLiteral("COMMIT"),
        QStringLiteral("ROLLBACK"),  QStringLiteral("WITH"),     QStringLiteral("USE"),
        QStringLiteral("GRANT"),     QStringLiteral("REVOKE"),   QStringLiteral("DENY"),
        QStringLiteral("RAISERROR"), QStringLiteral("MERGE"),    QStringLiteral("BREAK"),
        QStringLiteral("CONTINUE"),  QStringLiteral("WAITFOR"),  QStringLiteral("SAVE")};
    return words.contains(upper);
}

bool isClauseWord(const Token& k) {
    static const QSet<QString> words = {
        QStringLiteral("WHERE"),  QStringLiteral("INNER"),     QStringLiteral("LEFT"),
        QStringLiteral("RIGHT"),  QStringLiteral("FULL"),      QStringLiteral("CROSS"),
        QStringLiteral("JOIN"),   QStringLiteral("ON"),        QStringLiteral("GROUP"),
        QStringLiteral("ORDER"),  QStringLiteral("HAVING"),    QStringLiteral("UNION"),
        QStringLiteral("WITH"),   QStringLiteral("SET"),       QStringLiteral("OUTER"),
        QStringLiteral("SELECT"), QStringLiteral("INTO"),      QStringLiteral("VALUES"),
        QStringLiteral("EXCEPT"), QStringLiteral("INTERSECT"), QStringLiteral("FROM"),
        QStringLiteral("AND"),    QStringLiteral("OR"),        QStringLiteral("NOT"),
        QStringLiteral("WHEN"),   QStringLiteral("THEN"),      QStringLiteral("ELSE"),
        QStringLiteral("END"),    QStringLiteral("OPTION"),    QStringLiteral("DEFAULT"),
        QStringLiteral("IN"),     QStringLiteral("EXISTS"),    QStringLiteral("AS"),
        QStringLiteral("BY"),     QStringLiteral("CASE"),      QStringLiteral("BETWEEN"),
        QStringLiteral("LIKE"),   QStringLiteral("IS"),        QStringLiteral("DISTINCT"),
        QStringLiteral("TOP"),    QStringLiteral("RETURN"),    QStringLiteral("ALL"),
        QStringLiteral("IF"),     QStringLiteral("WHILE"),     QStringLiteral("PRIMARY")};
    return k.kind == Token::Kind::Word && words.contains(k.text.toUpper());
}

bool isArithmetic(const Token& k) {
    return isNumericOperator(k) || k.isSymbol("||") || k.isSymbol("&") || k.isSymbol("|") ||
           k.isSymbol("^") || k.isSymbol("~") || k.isSymbol(".");
}

bool isNumericOperator(const Token& k) {
    return isSign(k) || isMultiplicative(k);
}

bool isMultiplicative(const Token& k) {
    return k.isSymbol("*") || k.isSymbol("/") || k.isSymbol("%");
}

bool isSign(const Token& k) {
    return k.isSymbol("+") || k.isSymbol("-");
}

bool isComparison(const Token& k) {
    static const QSet<QString> comparisons = {
        QStringLiteral("="),  QStringLiteral("<>"), QStringLiteral("!="),
        QStringLiteral("<"),  QStringLiteral(">"),  QStringLiteral("<="),
        QStringLiteral(">="), QStringLiteral("!<"), QStringLiteral("!>")};
    return k.kind == Token::Kind::Symbol && comparisons.contains(k.text);
}

bool startsTableConstraint(const Token& k) {
    return k.isWord("CONSTRAINT") || k.isWord("PRIMARY") || k.isWord("UNIQUE") || k.isWord("CHECK") ||
           k.isWord("FOREIGN");
}

} // namespace zrk::db::tsql
