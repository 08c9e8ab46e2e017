#pragma once

#include "platform/os_facts.h"

#include <QString>
#include <memory>

struct _XDisplay;

namespace zrk {

// Finds top-level windows of other programs on an X11 display by their title and asks them to
// close, the way a window manager's close button does (WM_DELETE_WINDOW).
class X11WindowFinder : public WindowFinder {
public:
    // Connects to the named display, or to $DISPLAY when the name is "".
    explicit X11WindowFinder(const QString& displayName = QString());
    ~X11WindowFinder() override;
    X11WindowFinder(const X11WindowFinder&) = delete;
    X11WindowFinder& operator=(const X11WindowFinder&) = delete;

    bool connected() const { return display_ != nullptr; }

    std::optional<unsigned long> findTopLevel(const QString& title) override;
    std::vector<unsigned long> findTopLevelContaining(const QString& text) override;
    bool postClose(unsigned long window) override;

private:
    ::_XDisplay* display_ = nullptr;
};

// The window finder for the platform the console runs on: X11 when it shows its windows on an X11
// display, none elsewhere (offscreen, Wayland, a terminal).
std::unique_ptr<WindowFinder> makeWindowFinder(const QString& platformName);

} // namespace zrk
