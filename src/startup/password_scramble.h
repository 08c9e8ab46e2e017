#pragma once

#include <QString>

namespace zrk {

// The scrambled form of a password as the login registry entry keeps it: each character's code
// in the ANSI code page in upper-case hex, emitted from both ends inwards, applied twice.
QString scramblePassword(const QString& text);

// One pass of the scrambling.
QString scramblePass(const QString& text);

} // namespace zrk
