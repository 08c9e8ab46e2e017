#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

namespace zrk::fuzz {

// Splits the fuzzer's bytes into text fields at NUL bytes; missing fields are empty.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    QString next() {
        std::size_t end = pos_;
        while (end < size_ && data_[end] != 0)
            ++end;
        const QString field = QString::fromUtf8(reinterpret_cast<const char*>(data_ + pos_),
                                                static_cast<qsizetype>(end - pos_));
        pos_ = end < size_ ? end + 1 : end;
        return field;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

} // namespace zrk::fuzz
