#include "support/test_console.h"

namespace zrk::test {

TestConsole::TestConsole() : settings(SettingsStore::portable(dir.path())), ctx(settings, prompts, windows) {
    suite::registerSuiteComponents(ctx.components(),
                                   {settings, dir.path() + QStringLiteral("/log"), QStringLiteral("zh_CN"),
                                    &prompts, kTestPasswordIterations});
}

} // namespace zrk::test
