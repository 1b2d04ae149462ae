// The library as its users reach it: loaded by name, each export bound by name.
#pragma once

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace bench {

inline void *library() {
    static void *handle = [] {
        void *h = dlopen("libqztalvex.so", RTLD_NOW);
        if (!h) {
            std::fprintf(stderr, "qztalvex: %s\n", dlerror());
            std::exit(1);
        }
        return h;
    }();
    return handle;
}

template <typename Fn>
Fn bind(const char *name) {
    void *symbol = dlsym(library(), name);
    if (!symbol) std::fprintf(stderr, "%s: %s (not measured)\n", name, dlerror());
    return reinterpret_cast<Fn>(symbol);
}

using NoArg = std::int32_t (*)();
using OneArg = std::int32_t (*)(std::int32_t);
using TwoArgs = std::int32_t (*)(std::int32_t, std::int32_t);
using Buffer = std::int32_t (*)(unsigned char *);

}  // namespace bench
