#pragma once

#include <QString>

namespace zrk::test {

// Whether the text holds a Chinese character or a full-width punctuation mark (，。：！（）“”「」),
// which an English text never needs.
inline bool containsCjk(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x4e00 && u <= 0x9fff) || (u >= 0x3000 && u <= 0x303f) || (u >= 0xff00 && u <= 0xffef) ||
            u == 0x201c || u == 0x201d)
            return true;
    }
    return false;
}

} // namespace zrk::test
