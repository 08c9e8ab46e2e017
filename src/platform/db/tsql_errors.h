#pragma once

#include <QString>

// The errors the dialect layer raises, in the engine's wording, and how deep it lets a text nest
// before refusing it (a limit that keeps a hostile text from exhausting the stack).
namespace zrk::db::tsql {

inline constexpr int kMaxNesting = 64;

// The source the dialect layer's errors name.
QString errorSource();

// A construct the embedded engine cannot run: Error UnsupportedSyntax naming it.
[[noreturn]] void unsupported(const QString& what);

// "Incorrect syntax near 'near'.", as the server words it.
[[noreturn]] void syntaxError(const QString& near);

// Any other refusal of the text, with the server's message.
[[noreturn]] void commandFailed(const QString& message);

} // namespace zrk::db::tsql
