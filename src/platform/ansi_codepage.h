#pragma once

#include <QByteArray>
#include <QString>

namespace zrk {

// The system's ANSI code page as a Simplified Chinese installation has it (GBK, code page 936).

// The bytes of one character: one byte for ASCII, two for a Chinese character; "?" for a
// character the code page lacks.
QByteArray ansiBytesOf(char32_t codePoint);

// Text stored in the code page (a scheme file written on such a system) read back; invalid
// sequences become U+FFFD.
QString fromAnsi(const QByteArray& bytes);

// Text from a file that may be UTF-8 (with or without a byte-order mark), UTF-16 with a mark,
// or the ANSI code page.
QString decodeTextFile(const QByteArray& bytes);

} // namespace zrk
