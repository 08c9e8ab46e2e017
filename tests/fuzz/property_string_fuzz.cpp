// Feeds arbitrary text, keys and separators to the property-string readers.
#include "fuzz_input.h"
#include "session/property_string.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zrk::fuzz::FuzzInput input(data, size);
    const QString text = input.next();
    const QString key = input.next();
    const QString separator = input.next();
    zrk::getPropValue(text, key, separator);
    zrk::getItemValue(text, key, separator);
    zrk::getPropValue(text, QStringLiteral("ConnectString"), QStringLiteral(";"));
    zrk::getItemValue(text, QStringLiteral("ConnectString"), QStringLiteral("};"));
    for (int mode = -1; mode <= 3; ++mode)
        zrk::getBraceField(text, mode);
    return 0;
}
