// The library as a Windows program meets it: "qztalvex" loaded by its name
// alone, each function bound at run time.
#pragma once

#include <windows.h>

#include "qztalvex.h"

namespace qzwin {

// Loaded on first use and kept for the rest of the run.
HMODULE library();

template <typename Fn>
Fn bind(const char *name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void *>(GetProcAddress(library(), name)));
}

}  // namespace qzwin

// The export `fn`, bound by name with the header's own signature.
#define QZ_BIND(fn) qzwin::bind<decltype(&fn)>(#fn)
