// Feeds arbitrary bytes to the ini reader, as a file's contents in any encoding.
#include "fuzz_input.h"
#include "platform/ansi_codepage.h"
#include "platform/private_profile.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        zrk::decodeTextFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    zrk::profileStringFromText(text, QStringLiteral("Version"), QStringLiteral("AppType"),
                               QStringLiteral("0"));
    zrk::profileStringFromText(text, QStringLiteral("industry"), QStringLiteral("industryName"), QString());
    zrk::fuzz::FuzzInput input(data, size);
    const QString section = input.next();
    const QString key = input.next();
    zrk::profileStringFromText(text, section, key, QStringLiteral("d"));
    return 0;
}
