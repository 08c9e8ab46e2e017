#include "platform/ansi_codepage.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace zrk {

namespace {

constexpr const char* kCodePage = "GBK";

class Iconv {
public:
    Iconv(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
    ~Iconv() {
        if (valid())
            iconv_close(handle_);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

} // namespace

QByteArray ansiBytesOf(char32_t codePoint) {
    if (codePoint < 0x80)
        return QByteArray(1, static_cast<char>(codePoint));
    const QByteArray utf8 = QString::fromUcs4(&codePoint, 1).toUtf8();
    Iconv converter(kCodePage, "UTF-8");
    if (!converter.valid())
        return QByteArrayLiteral("?");
    char out[8] = {};
    char* in = const_cast<char*>(utf8.constData());
    size_t inLeft = static_cast<size_t>(utf8.size());
    char* outPtr = out;
    size_t outLeft = sizeof out;
    if (iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return QByteArrayLiteral("?");
    return QByteArray(out, static_cast<qsizetype>(sizeof out - outLeft));
}

QString fromAnsi(const QByteArray& bytes) {
    Iconv converter("UTF-8", kCodePage);
    if (!converter.valid())
        return QString::fromLatin1(bytes);
    QByteArray result;
    char* in = const_cast<char*>(bytes.constData());
    size_t inLeft = static_cast<size_t>(bytes.size());
    char buffer[1024];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(converter.get(), &in, &inLeft, &outPtr, &outLeft);
        result.append(buffer, static_cast<qsizetype>(sizeof buffer - outLeft));
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or truncated sequence: mark it and go on after its first byte.
            result.append("\xEF\xBF\xBD");
            ++in;
            --inLeft;
        }
    }
    return QString::fromUtf8(result);
}

QString decodeTextFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        auto decoder = QStringDecoder(QStringDecoder::Utf16, QStringDecoder::Flag::ConvertInitialBom);
        return decoder(bytes);
    }
    auto utf8 = QStringDecoder(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromAnsi(bytes);
}

} // namespace zrk
