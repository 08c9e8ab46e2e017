#include "desktop/x11_window_finder.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <vector>

namespace zrk {

namespace {

// A window may vanish between listing it and reading it; such errors must not end the process.
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

class ErrorGuard {
public:
    ErrorGuard() : previous_(XSetErrorHandler(ignoreXError)) {}
    ~ErrorGuard() { XSetErrorHandler(previous_); }
    ErrorGuard(const ErrorGuard&) = delete;
    ErrorGuard& operator=(const ErrorGuard&) = delete;

private:
    int (*previous_)(Display*, XErrorEvent*);
};

QString windowTitle(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, netWmName, 0, 4096, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data) {
        const QString title =
            QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
        XFree(data);
        if (type == utf8)
            return title;
    }
    XTextProperty property{};
    if (!XGetWMName(display, window, &property) || !property.value)
        return {};
    QString title;
    char** list = nullptr;
    int items = 0;
    if (Xutf8TextPropertyToTextList(display, &property, &list, &items) >= Success && list && items > 0)
        title = QString::fromUtf8(list[0]);
    if (list)
        XFreeStringList(list);
    XFree(property.value);
    return title;
}

// The managed client windows when a window manager lists them, else the root's children and,
// for reparenting managers, their children.
std::vector<Window> topLevelWindows(Display* display) {
    std::vector<Window> windows;
    const Window root = DefaultRootWindow(display);
    const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", True);
    if (clientList != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, root, clientList, 0, 65536, False, XA_WINDOW, &type, &format, &count,
                               &after, &data) == Success &&
            data) {
            const auto* ids = reinterpret_cast<const Window*>(data);
            windows.assign(ids, ids + count);
            XFree(data);
        }
    }
    auto children = [display](Window parent) {
        std::vector<Window> result;
        Window rootReturn = 0;
        Window parentReturn = 0;
        Window* list = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display, parent, &rootReturn, &parentReturn, &list, &count) && list) {
            result.assign(list, list + count);
            XFree(list);
        }
        return result;
    };
    for (const Window child : children(root)) {
        windows.push_back(child);
        for (const Window grandchild : children(child))
            windows.push_back(grandchild);
    }
    return windows;
}

bool supportsDelete(Display* display, Window window, Atom deleteWindow) {
    Atom* protocols = nullptr;
    int count = 0;
    bool found = false;
    if (XGetWMProtocols(display, window, &protocols, &count) && protocols) {
        for (int i = 0; i < count; ++i)
            found = found || protocols[i] == deleteWindow;
        XFree(protocols);
    }
    return found;
}

} // namespace

X11WindowFinder::X11WindowFinder(const QString& displayName)
    : display_(XOpenDisplay(displayName.isEmpty() ? nullptr : displayName.toLocal8Bit().constData())) {}

X11WindowFinder::~X11WindowFinder() {
    if (display_)
        XCloseDisplay(display_);
}

std::optional<unsigned long> X11WindowFinder::findTopLevel(const QString& title) {
    if (!display_)
        return std::nullopt;
    ErrorGuard guard;
    for (const Window window : topLevelWindows(display_))
        if (windowTitle(display_, window) == title)
            return static_cast<unsigned long>(window);
    return std::nullopt;
}

std::vector<unsigned long> X11WindowFinder::findTopLevelContaining(const QString& text) {
    std::vector<unsigned long> found;
    if (!display_)
        return found;
    ErrorGuard guard;
    for (const Window window : topLevelWindows(display_))
        if (windowTitle(display_, window).left(256).contains(text, Qt::CaseInsensitive) &&
            std::find(found.begin(), found.end(), window) == found.end())
            found.push_back(static_cast<unsigned long>(window));
    return found;
}

bool X11WindowFinder::postClose(unsigned long window) {
    if (!display_)
        return false;
    ErrorGuard guard;
    const Atom protocols = XInternAtom(display_, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.format = 32;
    Window target = window;
    long mask = NoEventMask;
    if (supportsDelete(display_, window, deleteWindow)) {
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.data.l[0] = static_cast<long>(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
    } else {
        // Ask the window manager to close it, where there is one.
        const Atom closeWindow = XInternAtom(display_, "_NET_CLOSE_WINDOW", True);
        if (closeWindow == None)
            return false;
        event.xclient.window = window;
        event.xclient.message_type = closeWindow;
        event.xclient.data.l[0] = CurrentTime;
        event.xclient.data.l[1] = 2; // a request from a pager or tool, not the application
        target = DefaultRootWindow(display_);
        mask = SubstructureRedirectMask | SubstructureNotifyMask;
    }
    const Status sent = XSendEvent(display_, target, False, mask, &event);
    XSync(display_, False);
    return sent != 0;
}

std::unique_ptr<WindowFinder> makeWindowFinder(const QString& platformName) {
    if (platformName == QLatin1String("xcb")) {
        auto finder = std::make_unique<X11WindowFinder>();
        if (finder->connected())
            return finder;
    }
    return std::make_unique<NoWindowFinder>();
}

} // namespace zrk
