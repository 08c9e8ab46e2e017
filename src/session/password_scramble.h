#pragma once

#include <QString>
#include <optional>

namespace zrk {

// The scrambled form of a password as the login registry entry keeps it: each character's code
// in the ANSI code page in upper-case hex, emitted from both ends inwards, applied twice.
QString scramblePassword(const QString& text);

// One pass of the scrambling.
QString scramblePass(const QString& text);

// The password back from its scrambled form, for the login that reads the entry; none when
// the text is no scrambled password.
std::optional<QString> unscramblePassword(const QString& scrambled);

} // namespace zrk
