#include "support/core_console.h"

namespace zrk::test {

std::optional<unsigned long> FakeWindowFinder::findTopLevel(const QString& title) {
    const auto it = windows.find(title);
    if (it == windows.end())
        return std::nullopt;
    return it->second;
}

bool FakeWindowFinder::postClose(unsigned long) {
    ++posts;
    if (failingPosts > 0) {
        --failingPosts;
        return false;
    }
    return true;
}

CoreConsole::CoreConsole() : settings(SettingsStore::portable(dir.path())), ctx(settings, prompts, windows) {}

} // namespace zrk::test
