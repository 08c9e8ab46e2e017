// A bare X11 window for the window-finder tests: shows a window with the title given as its
// argument, prints "ready", and exits 0 when asked to close (WM_DELETE_WINDOW), 3 after a minute.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2)
        return 2;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 200, 100, 0, 0, 0);
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    XChangeProperty(display, window, netWmName, utf8, 8, PropModeReplace,
                    reinterpret_cast<unsigned char*>(argv[1]), static_cast<int>(std::strlen(argv[1])));
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);
    const std::time_t deadline = std::time(nullptr) + 60;
    while (std::time(nullptr) < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
                XCloseDisplay(display);
                return 0;
            }
        }
        usleep(10000);
    }
    return 3;
}
