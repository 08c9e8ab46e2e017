#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace zrk::db::tsql {

// A token of a T-SQL text. Comments and blanks are dropped; each token remembers whether blanks
// or a comment stood before it, so a statement can be written out again.
struct Token {
    enum class Kind {
        Word,       // identifier or keyword: SELECT, t_Boss_SubFunction, #TempInventory, @var
        QuotedName, // [name] or "name"; text holds the name without quotes
        String,     // 'text'; text holds the value with quotes undoubled
        Number,     // 12, 1.5, 1e3, 0x1F
        Symbol,     // operators and punctuation: ( ) , . ; = <> <= >= != + - * / % etc.
    };
    Kind kind = Kind::Symbol;
    QString text;
    bool unicode = false; // N'...'
    bool spaceBefore = false;
    qsizetype offset = 0; // position in the source text
    qsizetype length = 0; // extent in the source text

    bool isWord(const char* upper) const;
    bool isSymbol(const char* s) const { return kind == Kind::Symbol && text == QLatin1String(s); }
    bool isName() const { return kind == Kind::Word || kind == Kind::QuotedName; }
};

using Tokens = std::vector<Token>;

// Splits a text into tokens. An unterminated string, name or comment raises Error with the
// engine's wording (for example "Unclosed quotation mark after the character string 'x'.").
Tokens tokenize(QStringView text);

} // namespace zrk::db::tsql
