#include <cstdio>
#include <cstring>

#include "fake_platform.h"

namespace {

// Handles the fake hands out: recognisable in the call lines, never real.
const auto kModule = reinterpret_cast<HMODULE>(std::uintptr_t{0x75a00000});
const auto kProcess = reinterpret_cast<HANDLE>(std::uintptr_t{0x1c4});

template <typename... Args>
void record(const char *format, Args... args) {
    char line[160];
    std::snprintf(line, sizeof line, format, args...);
    fake::priority.calls.emplace_back(line);
}

void *show(const void *pointer) {
    return const_cast<void *>(pointer);
}

DWORD WINAPI windowRoutine(HWND window, LPDWORD processId) {
    record("GetWindowThreadProcessId window=%p", show(window));
    if (!fake::priority.routineStores) return 0;
    *processId = fake::priority.windowPid;
    return 1;
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR name) {
    record("LoadLibraryA %s", name);
    return kModule;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    record("GetProcAddress module=%p %s", show(module), name);
    if (module != kModule || !fake::priority.routineFound) return nullptr;
    if (std::strcmp(name, "GetWindowThreadProcessId") != 0) return nullptr;
    return reinterpret_cast<FARPROC>(&windowRoutine);
}

BOOL FreeLibrary(HMODULE module) {
    record("FreeLibrary module=%p", show(module));
    return module == kModule;
}

HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId) {
    record("OpenProcess access=0x%x inherit=%d pid=%u", access, inheritHandle, processId);
    return processId == 0 ? nullptr : kProcess;
}

BOOL SetPriorityClass(HANDLE process, DWORD priorityClass) {
    record("SetPriorityClass process=%p class=0x%x", show(process), priorityClass);
    return process == kProcess ? fake::priority.setResult : FALSE;
}

BOOL CloseHandle(HANDLE object) {
    record("CloseHandle process=%p", show(object));
    return object == kProcess;
}

int ShowCursor(BOOL show) {
    fake::cursor.flags.push_back(show);
    return show ? ++fake::cursor.count : --fake::cursor.count;
}
