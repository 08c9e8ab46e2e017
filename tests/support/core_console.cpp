#include "support/core_console.h"

namespace zrk::test {

std::optional<unsigned long> FakeWindowFinder::findTopLevel(const QString& title) {
    const auto it = windows.find(title);
    if (it == windows.end())
        return std::nullopt;
    return it->second;
}

std::vector<unsigned long> FakeWindowFinder::findTopLevelContaining(const QString& text) {
    std::vector<unsigned long> found;
    for (const auto& [title, handle] : windows)
        if (title.left(256).contains(text, Qt::CaseInsensitive))
            found.push_back(handle);
    return found;
}

bool FakeWindowFinder::postClose(unsigned long window) {
    ++posts;
    closed.push_back(window);
    if (failingPosts > 0) {
        --failingPosts;
        return false;
    }
    return true;
}

CoreConsole::CoreConsole() : settings(SettingsStore::portable(dir.path())), ctx(settings, prompts, windows) {}

} // namespace zrk::test
