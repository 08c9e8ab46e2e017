#include "platform/db/tsql_lexer.h"

#include "platform/db/db_errors.h"

namespace zrk::db::tsql {

namespace {

bool isIdentStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('@');
}
bool isIdentPart(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('#') || c == QLatin1Char('@') ||
           c == QLatin1Char('$');
}
// Reads a quoted text from just after its opening mark up to the closing one (a doubled closing
// mark stands for one); false when the text ends first.
bool readQuoted(QStringView s, qsizetype& i, QChar close, QString& text) {
    while (i < s.size()) {
        if (s[i] == close) {
            if (i + 1 < s.size() && s[i + 1] == close) {
                text += close;
                i += 2;
                continue;
            }
            ++i;
            return true;
        }
        text += s[i++];
    }
    return false;
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

[[noreturn]] void raise(const QString& text) {
    throw Error(dberr::CommandFailed, QStringLiteral("zrk.SQLite"), text);
}

} // namespace

bool Token::isWord(const char* upper) const {
    return kind == Kind::Word && text.compare(QLatin1String(upper), Qt::CaseInsensitive) == 0;
}

Tokens tokenize(QStringView s) {
    Tokens tokens;
    const qsizetype n = s.size();
    qsizetype i = 0;
    bool space = false;
    while (i < n) {
        const QChar c = s[i];
        if (c.isSpace()) {
            space = true;
            ++i;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < n && s[i + 1] == QLatin1Char('-')) {
            while (i < n && s[i] != QLatin1Char('\n'))
                ++i;
            space = true;
            continue;
        }
        if (c == QLatin1Char('/') && i + 1 < n && s[i + 1] == QLatin1Char('*')) {
            // Block comments nest in T-SQL.
            int depth = 0;
            while (i < n) {
                if (s[i] == QLatin1Char('/') && i + 1 < n && s[i + 1] == QLatin1Char('*')) {
                    ++depth;
                    i += 2;
                } else if (s[i] == QLatin1Char('*') && i + 1 < n && s[i + 1] == QLatin1Char('/')) {
                    i += 2;
                    if (--depth == 0)
                        break;
                } else {
                    ++i;
                }
            }
            if (depth != 0)
                raise(QStringLiteral("Missing end comment mark '*/'."));
            space = true;
            continue;
        }
        Token t;
        t.offset = i;
        t.spaceBefore = space;
        space = false;
        const bool unicodePrefix =
            (c == QLatin1Char('N') || c == QLatin1Char('n')) && i + 1 < n && s[i + 1] == QLatin1Char('\'');
        if (c == QLatin1Char('\'') || unicodePrefix) {
            t.kind = Token::Kind::String;
            t.unicode = unicodePrefix;
            i += unicodePrefix ? 2 : 1;
            const qsizetype start = i;
            if (!readQuoted(s, i, QLatin1Char('\''), t.text))
                raise(QStringLiteral("Unclosed quotation mark after the character string '%1'.")
                          .arg(s.mid(start, qMin<qsizetype>(n - start, 80)).toString()));
        } else if (c == QLatin1Char('[') || c == QLatin1Char('"')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('"');
            t.kind = Token::Kind::QuotedName;
            ++i;
            if (!readQuoted(s, i, close, t.text))
                raise(QStringLiteral("Unclosed quotation mark after the character string '%1'.")
                          .arg(t.text.left(80)));
        } else if (isDigit(c) || (c == QLatin1Char('.') && i + 1 < n && isDigit(s[i + 1]))) {
            t.kind = Token::Kind::Number;
            const qsizetype start = i;
            if (c == QLatin1Char('0') && i + 1 < n &&
                (s[i + 1] == QLatin1Char('x') || s[i + 1] == QLatin1Char('X'))) {
                i += 2;
                while (i < n && (isDigit(s[i]) ||
                                 (s[i].toLower() >= QLatin1Char('a') && s[i].toLower() <= QLatin1Char('f'))))
                    ++i;
            } else {
                while (i < n && isDigit(s[i]))
                    ++i;
                if (i < n && s[i] == QLatin1Char('.')) {
                    ++i;
                    while (i < n && isDigit(s[i]))
                        ++i;
                }
                if (i < n && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
                    qsizetype j = i + 1;
                    if (j < n && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
                        ++j;
                    if (j < n && isDigit(s[j])) {
                        i = j;
                        while (i < n && isDigit(s[i]))
                            ++i;
                    }
                }
            }
            t.text = s.mid(start, i - start).toString();
        } else if (isIdentStart(c)) {
            t.kind = Token::Kind::Word;
            const qsizetype start = i;
            ++i;
            while (i < n && isIdentPart(s[i]))
                ++i;
            t.text = s.mid(start, i - start).toString();
        } else {
            t.kind = Token::Kind::Symbol;
            static constexpr const char* twoChar[] = {"<>", "<=", ">=", "!=", "!<", "!>",
                                                      "||", "+=", "-=", "*=", "/="};
            t.text = QString(c);
            if (i + 1 < n) {
                const QString pair = s.mid(i, 2).toString();
                for (const char* op : twoChar)
                    if (pair == QLatin1String(op)) {
                        t.text = pair;
                        break;
                    }
            }
            i += t.text.size();
        }
        t.length = i - t.offset;
        tokens.push_back(std::move(t));
    }
    return tokens;
}

} // namespace zrk::db::tsql
