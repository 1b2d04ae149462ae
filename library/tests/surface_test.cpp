// The built library as its users meet it: found by its name alone, with
// every export there, and nothing else exported.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <string>

namespace {

const std::set<std::string> kExports = {
    "qzFrequencyCounter", "qzGetIdleTime",      "qzGetKernelTime",       "qzGetMemorySize",
    "qzGetUserTime",      "qzHighCounterEnd",   "qzHighCounterStart",    "qzProcSpeed",
    "qzProcessorIdentifier", "qzProcessorName", "qzProcessorVendor",     "qzSetPriorityHigh",
    "qzSetPriorityIdle",  "qzSetPriorityNormal", "qzSetPriorityReal",    "qzShowCursor",
};

std::set<std::string> dynamicSymbols(const std::string &file) {
    std::set<std::string> names;
    FILE *nm = popen(("nm -D --defined-only --format=posix '" + file + "'").c_str(), "r");
    if (!nm) return names;
    std::array<char, 512> line{};
    while (fgets(line.data(), line.size(), nm)) {
        std::string text = line.data();
        names.insert(text.substr(0, text.find(' ')));
    }
    pclose(nm);
    return names;
}

TEST(Surface, ExportsOnlyItsOwnNames) {
    const auto names = dynamicSymbols(QZ_LIBRARY_FILE);
    ASSERT_FALSE(names.empty());
    for (const auto &name : names) EXPECT_TRUE(kExports.count(name)) << "leaked: " << name;
}

TEST(Surface, FoundByNameWithEveryExport) {
    // The way the window finds it: "qztalvex", the platform's prefix and
    // suffix added, searched along the loader's path.
    void *library = dlopen("libqztalvex.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    for (const auto &name : kExports) EXPECT_NE(dlsym(library, name.c_str()), nullptr) << name;
    using MemoryFn = int (*)(int, int);
    auto memory = reinterpret_cast<MemoryFn>(dlsym(library, "qzGetMemorySize"));
    ASSERT_NE(memory, nullptr);
    EXPECT_GT(memory(2, 1), 0);
    dlclose(library);
}

TEST(Surface, SonameCarriesTheMajorVersion) {
    FILE *readelf = popen(("readelf -d '" + std::string(QZ_LIBRARY_FILE) + "'").c_str(), "r");
    ASSERT_NE(readelf, nullptr);
    std::string all;
    std::array<char, 512> line{};
    while (fgets(line.data(), line.size(), readelf)) all += line.data();
    pclose(readelf);
    EXPECT_NE(all.find("[libqztalvex.so.1]"), std::string::npos) << all;
}

}  // namespace
