#pragma once

#include <QString>

namespace zrk {

// Reads one value of an ini file the way the private-profile functions do: section and key
// names compare without regard to case and blanks around them; the first matching section and
// key count; blanks around the value and one pair of enclosing quotes are dropped; values are
// cut to 254 characters; lines starting with ";" are comments. Lines end at a line feed, so a
// lone carriage return stays inside its value. A missing file, section or key,
// or an unreadable file, gives the default.
QString readProfileString(const QString& filePath, const QString& section, const QString& key,
                          const QString& defaultValue);

// The same on text already in memory.
QString profileStringFromText(const QString& text, const QString& section, const QString& key,
                              const QString& defaultValue);

inline constexpr int kProfileValueLimit = 254;

} // namespace zrk
