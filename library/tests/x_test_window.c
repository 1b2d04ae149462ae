/* A client of the X server the tests start: maps a top-level window whose
 * _NET_WM_PID names this process, as toolkits do, and one without it. It
 * prints "<window> <bare window> <root window>" on one line and stays
 * connected until its standard input closes. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <unistd.h>

int main(void) {
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fputs("x_test_window: no display\n", stderr);
        return 2;
    }
    Window root = DefaultRootWindow(display);
    Window window = XCreateSimpleWindow(display, root, 10, 10, 64, 64, 0, 0, 0);
    Window bare = XCreateSimpleWindow(display, root, 90, 10, 64, 64, 0, 0, 0);

    /* Format-32 property data is handed to Xlib as longs. */
    unsigned long pid = (unsigned long)getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, (unsigned char *)&pid, 1);
    XMapWindow(display, window);
    XMapWindow(display, bare);
    XSync(display, False);

    printf("%lu %lu %lu\n", window, bare, root);
    fflush(stdout);

    char byte;
    while (read(0, &byte, 1) > 0) {
    }
    XCloseDisplay(display);
    return 0;
}
