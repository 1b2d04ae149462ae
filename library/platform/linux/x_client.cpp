#include "x_client.h"

#include <dlfcn.h>

namespace qz::os::x11 {

namespace {

template <typename Fn>
bool bind(void *library, const char *name, Fn &slot) {
    slot = reinterpret_cast<Fn>(dlsym(library, name));
    return slot != nullptr;
}

// Loaded once, kept for good; a failed load is not retried.
Xlib *loadXlib() {
    static Xlib entries{};
    void *library = dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    const bool complete = bind(library, "XOpenDisplay", entries.openDisplay) &&
                          bind(library, "XCloseDisplay", entries.closeDisplay) &&
                          bind(library, "XSync", entries.sync) &&
                          bind(library, "XFlush", entries.flush) &&
                          bind(library, "XInternAtom", entries.internAtom) &&
                          bind(library, "XGetWindowProperty", entries.getWindowProperty) &&
                          bind(library, "XFree", entries.free) &&
                          bind(library, "XDefaultRootWindow", entries.defaultRootWindow) &&
                          bind(library, "XSetErrorHandler", entries.setErrorHandler);
    if (!complete) return nullptr;  // the handle stays open: dlclose buys nothing here
    bind(library, "XSetIOErrorExitHandler", entries.setIOErrorExitHandler);
    return &entries;
}

Xfixes *loadXfixes() {
    static Xfixes entries{};
    if (!xlib()) return nullptr;
    void *library = dlopen("libXfixes.so.3", RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    const bool complete = bind(library, "XFixesQueryExtension", entries.queryExtension) &&
                          bind(library, "XFixesHideCursor", entries.hideCursor) &&
                          bind(library, "XFixesShowCursor", entries.showCursor);
    return complete ? &entries : nullptr;
}

// Xlib's default ends the program here; returning instead leaves the
// connection marked broken, so later calls on it fail without effect.
void keepRunning(Display *, void *) {}

}  // namespace

const Xlib *xlib() {
    static const Xlib *const loaded = loadXlib();
    return loaded;
}

const Xfixes *xfixes() {
    static const Xfixes *const loaded = loadXfixes();
    return loaded;
}

Display *openDisplay() {
    const Xlib *x = xlib();
    if (!x) return nullptr;
    Display *display = x->openDisplay(nullptr);
    if (display && x->setIOErrorExitHandler)
        x->setIOErrorExitHandler(display, keepRunning, nullptr);
    return display;
}

}  // namespace qz::os::x11
