// ShowCursor: the cursor display count, and the pointer hidden on the X
// display while the count is below zero.
//
// The count starts at 0 and moves by one per call. Where a display can be
// reached, the pointer is hidden with the XFIXES extension when the count
// goes negative and shown again when it climbs back to 0. The server undoes
// a client's hide when its connection closes, so the connection that hid
// the pointer is kept open for as long as it stays hidden. XFIXES hides the
// pointer on the whole screen of the display, which takes in the program's
// windows. Without the X libraries or a display only the count moves.

#include <atomic>
#include <mutex>

#include "platform.h"
#include "x_client.h"

namespace {

std::atomic<int> displayCount{0};

std::mutex pointerMutex;
Display *hidingDisplay = nullptr;  // open while we keep the pointer hidden

bool hidePointer() {
    const auto *x = qz::os::x11::xlib();
    const auto *fixes = qz::os::x11::xfixes();
    if (!x || !fixes) return false;
    Display *display = qz::os::x11::openDisplay();
    if (!display) return false;
    int eventBase = 0, errorBase = 0;
    if (!fixes->queryExtension(display, &eventBase, &errorBase)) {
        x->closeDisplay(display);
        return false;
    }
    fixes->hideCursor(display, x->defaultRootWindow(display));
    x->flush(display);
    hidingDisplay = display;
    return true;
}

void showPointer() {
    const auto *x = qz::os::x11::xlib();
    const auto *fixes = qz::os::x11::xfixes();
    fixes->showCursor(hidingDisplay, x->defaultRootWindow(hidingDisplay));
    x->closeDisplay(hidingDisplay);  // flushes the request first
    hidingDisplay = nullptr;
}

// Brings the pointer in line with the count as it now stands; the last
// caller to get here sees the final count, whatever order calls raced in.
void followCount() {
    std::lock_guard lock(pointerMutex);
    const bool hide = displayCount.load(std::memory_order_relaxed) < 0;
    if (hide && !hidingDisplay)
        hidePointer();
    else if (!hide && hidingDisplay)
        showPointer();
}

}  // namespace

int ShowCursor(BOOL show) {
    const int count = show ? displayCount.fetch_add(1, std::memory_order_relaxed) + 1
                           : displayCount.fetch_sub(1, std::memory_order_relaxed) - 1;
    followCount();
    return count;
}
