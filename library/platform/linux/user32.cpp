// GetWindowThreadProcessId: the process that owns an X11 window.
//
// Window handles here are X window ids. The owner is the process that the
// window's _NET_WM_PID property names, as toolkits set it on their top-level
// windows; it is read over a connection of our own, opened and closed for
// the call. Without the X libraries, without a display, for an unknown
// window or one without the property, nothing is stored and 0 returned.
// On success the result is the process id again: it names the process's
// main thread, the closest this system has to the window's owning thread.

#include <X11/Xatom.h>

#include <cstdint>
#include <mutex>

#include "platform.h"
#include "x_client.h"

namespace {

// Xlib reports protocol errors through one process-wide handler, and its
// default ends the program. While we ask about a window that may not exist,
// our handler takes the errors of our own connection and passes every
// other connection's to whatever handler was there before.
std::mutex probeMutex;
Display *probeDisplay = nullptr;
XErrorHandler previousHandler = nullptr;
bool probeFailed = false;

int noteProbeError(Display *display, XErrorEvent *error) {
    if (display == probeDisplay) {
        probeFailed = true;
        return 0;
    }
    return previousHandler ? previousHandler(display, error) : 0;
}

// The _NET_WM_PID of window, or 0.
DWORD windowPid(const qz::os::x11::Xlib &x, Display *display, Window window) {
    const Atom netWmPid = x.internAtom(display, "_NET_WM_PID", True);
    if (netWmPid == None) return 0;  // no client on this server ever set one

    Atom type = None;
    int format = 0;
    unsigned long items = 0, bytesAfter = 0;
    unsigned char *data = nullptr;
    const int status = x.getWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL,
                                           &type, &format, &items, &bytesAfter, &data);
    x.sync(display, False);
    DWORD pid = 0;
    if (status == Success && !probeFailed && data && type == XA_CARDINAL && format == 32 &&
        items == 1) {
        // Format-32 items come back as longs, whatever the wire width.
        const unsigned long value = *reinterpret_cast<const unsigned long *>(data);
        if (value > 0 && value <= UINT32_MAX) pid = static_cast<DWORD>(value);
    }
    if (data) x.free(data);
    return pid;
}

}  // namespace

DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId) {
    // X window ids are 29-bit values; the handle carries one in its low bits.
    const auto id = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
    if (id == 0) return 0;
    const qz::os::x11::Xlib *x = qz::os::x11::xlib();
    if (!x) return 0;
    Display *display = qz::os::x11::openDisplay();
    if (!display) return 0;

    DWORD pid = 0;
    {
        std::lock_guard lock(probeMutex);
        probeDisplay = display;
        probeFailed = false;
        previousHandler = x->setErrorHandler(noteProbeError);
        pid = windowPid(*x, display, id);
        x->setErrorHandler(previousHandler);
        probeDisplay = nullptr;
    }
    x->closeDisplay(display);

    if (pid == 0) return 0;
    if (processId) *processId = pid;
    return pid;
}
