// The X client libraries, reached at call time.
//
// The library links nothing of X: libX11 and libXfixes are opened with
// dlopen the first time a windowing service needs them and stay loaded from
// then on (unloading libX11 under a live connection is not safe). On a
// machine without them the services below answer "not available" and the
// callers carry on without a display.
#pragma once

#include <X11/Xlib.h>

namespace qz::os::x11 {

// The few libX11 entry points the layer uses.
struct Xlib {
    Display *(*openDisplay)(const char *name);
    int (*closeDisplay)(Display *display);
    int (*sync)(Display *display, Bool discard);
    int (*flush)(Display *display);
    Atom (*internAtom)(Display *display, const char *name, Bool onlyIfExists);
    int (*getWindowProperty)(Display *display, Window window, Atom property, long offset,
                             long length, Bool remove, Atom requestedType, Atom *actualType,
                             int *actualFormat, unsigned long *items, unsigned long *bytesAfter,
                             unsigned char **data);
    int (*free)(void *data);
    Window (*defaultRootWindow)(Display *display);
    XErrorHandler (*setErrorHandler)(XErrorHandler handler);
    // Missing before libX11 1.7; without it a lost server ends the program
    // the way it ends every Xlib client.
    void (*setIOErrorExitHandler)(Display *display, XIOErrorExitHandler handler, void *data);
};

// The cursor requests of the XFIXES extension.
struct Xfixes {
    Bool (*queryExtension)(Display *display, int *eventBase, int *errorBase);
    void (*hideCursor)(Display *display, Window window);
    void (*showCursor)(Display *display, Window window);
};

// nullptr when the library cannot be loaded or lacks an entry point.
const Xlib *xlib();
const Xfixes *xfixes();

// A connection of our own to the display that $DISPLAY names, or nullptr.
// Should the server go away under it, the program is not ended: the
// connection just fails from then on.
Display *openDisplay();

}  // namespace qz::os::x11
