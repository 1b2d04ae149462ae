// qzSetPriorityReal, qzSetPriorityHigh, qzSetPriorityNormal,
// qzSetPriorityIdle: the scheduling priority class of the process that owns a
// window.
//
// One body, four class values. The windowing module is loaded and the
// window-to-process routine looked up on every call, so the library loads
// where no windowing is available at all. Nothing survives the call: the
// process handle is closed and the module released before it returns.

#include <cstdint>

#include "platform.h"
#include "qztalvex.h"

namespace {

// Stores the owning process's id in its second argument; the result, the
// owning thread's id, is of no use here.
using WindowProcessRoutine = DWORD(WINAPI *)(HWND, LPDWORD);

// Window handles cross as 32-bit values; widened the way the platform widens
// them (sign extension) before they become a handle again.
HWND windowHandle(std::int32_t window) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
}

std::int32_t setOwnerPriority(std::int32_t window, DWORD priorityClass) {
    HMODULE user32 = LoadLibraryA("user32");
    const FARPROC found = GetProcAddress(user32, "GetWindowThreadProcessId");
    if (!found) {
        FreeLibrary(user32);
        return 0;
    }
    // Through void(*)(), the one function type every other converts to
    // without complaint; the routine's real type is the one above.
    const auto windowProcess =
        reinterpret_cast<WindowProcessRoutine>(reinterpret_cast<void (*)()>(found));

    // A routine that stores nothing leaves 0, which names no process that
    // can be opened: the open fails and so does the change.
    DWORD processId = 0;
    windowProcess(windowHandle(window), &processId);

    HANDLE process = OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId);
    const BOOL changed = SetPriorityClass(process, priorityClass);
    CloseHandle(process);
    FreeLibrary(user32);
    return changed;
}

}  // namespace

extern "C" QZ_API std::int32_t QZ_CALL qzSetPriorityReal(std::int32_t window) {
    return setOwnerPriority(window, REALTIME_PRIORITY_CLASS);
}

extern "C" QZ_API std::int32_t QZ_CALL qzSetPriorityHigh(std::int32_t window) {
    return setOwnerPriority(window, HIGH_PRIORITY_CLASS);
}

extern "C" QZ_API std::int32_t QZ_CALL qzSetPriorityNormal(std::int32_t window) {
    return setOwnerPriority(window, NORMAL_PRIORITY_CLASS);
}

extern "C" QZ_API std::int32_t QZ_CALL qzSetPriorityIdle(std::int32_t window) {
    return setOwnerPriority(window, IDLE_PRIORITY_CLASS);
}
