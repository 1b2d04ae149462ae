// LoadLibraryA, GetProcAddress, FreeLibrary: the modules the layer offers.
//
// There is one, "user32", the layer's windowing module, built in: loading
// it counts a reference, freeing it gives one back, and its routines can be
// looked up while it is loaded. Any other name fails to load. The library
// asks for nothing else, and loading arbitrary shared objects by a platform
// name here would run their initialisers for no caller of ours.

#include <strings.h>

#include <atomic>
#include <cstring>

#include "platform.h"

namespace {

struct Routine {
    const char *name;
    FARPROC address;
};

struct BuiltinModule {
    const char *name;
    const Routine *routines;
    std::size_t routineCount;
    std::atomic<int> references{0};
};

// Through void(*)(), the type every routine's address converts to and back.
const Routine kUser32Routines[] = {
    {"GetWindowThreadProcessId", reinterpret_cast<FARPROC>(&GetWindowThreadProcessId)},
    {"ShowCursor", reinterpret_cast<FARPROC>(&ShowCursor)},
};

BuiltinModule user32{"user32", kUser32Routines, std::size(kUser32Routines)};

// The module's own name, in any case, with or without ".dll".
bool namesModule(const char *name, const BuiltinModule &module) {
    const std::size_t length = std::strlen(module.name);
    if (strncasecmp(name, module.name, length) != 0) return false;
    const char *rest = name + length;
    return *rest == '\0' || strcasecmp(rest, ".dll") == 0;
}

// The module behind a handle, compared by address and never dereferenced.
BuiltinModule *moduleOf(HMODULE handle) {
    return reinterpret_cast<BuiltinModule *>(handle) == &user32 ? &user32 : nullptr;
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR name) {
    if (!name || !namesModule(name, user32)) return nullptr;
    user32.references.fetch_add(1, std::memory_order_relaxed);
    return reinterpret_cast<HMODULE>(&user32);
}

FARPROC GetProcAddress(HMODULE handle, LPCSTR name) {
    const BuiltinModule *module = moduleOf(handle);
    if (!module || !name || module->references.load(std::memory_order_relaxed) <= 0) return nullptr;
    for (std::size_t i = 0; i < module->routineCount; ++i)
        if (std::strcmp(module->routines[i].name, name) == 0) return module->routines[i].address;
    return nullptr;
}

BOOL FreeLibrary(HMODULE handle) {
    BuiltinModule *module = moduleOf(handle);
    if (!module) return FALSE;
    int count = module->references.load(std::memory_order_relaxed);
    do {
        if (count <= 0) return FALSE;  // freed more often than loaded
    } while (
        !module->references.compare_exchange_weak(count, count - 1, std::memory_order_relaxed));
    return TRUE;
}
