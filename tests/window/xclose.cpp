// Asks an X window to close the way a window manager does: a WM_DELETE_WINDOW client message.
// Usage: brellon-xclose WINDOW-ID (decimal or 0x hex). Uses $DISPLAY.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (!end || *end != '\0' || id == 0) {
        std::fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = static_cast<Window>(id);
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(dpy, static_cast<Window>(id), False, NoEventMask, &ev);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    if (!sent) {
        std::fprintf(stderr, "%s: the message could not be sent\n", argv[0]);
        return 1;
    }
    return 0;
}
