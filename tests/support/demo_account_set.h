#pragma once

#include "support/test_console.h"

#include <QString>

namespace zrk::test {

// The small demo account set, built once per test program into a temporary folder; each
// console that uses it records that installation in its own settings.
class DemoInstallation {
public:
    // The installation folder (with Common/ and AccountSets/).
    static QString folder();
    // Makes the console's machine settings point at the demo installation.
    static void install(TestConsole& console);
    static QString databaseFile();
};

} // namespace zrk::test
