// Starts a program and prints how long it took until its window named TITLE was
// mapped on the X display, and the program's process id:
//     launch_probe TITLE PROGRAM [ARGS...]   ->   "<pid> <milliseconds>"
// The program keeps running; the caller ends it.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <unistd.h>

static bool named(Display *display, Window window, const char *title)
{
    char *name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool same = std::strcmp(name, title) == 0;
    XFree(name);
    return same;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && named(display, event.xmap.window, argv[1]))
            break;
        if (event.type == CreateNotify)
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask);
        if (event.type == PropertyNotify && named(display, event.xproperty.window, argv[1])) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xproperty.window, &attributes) &&
                attributes.map_state == IsViewable)
                break;
        }
    }
    const double ms = std::chrono::duration<double, std::milli>(
                          std::chrono::steady_clock::now() - start).count();
    std::printf("%d %.1f\n", int(pid), ms);
    XCloseDisplay(display);
    return 0;
}
