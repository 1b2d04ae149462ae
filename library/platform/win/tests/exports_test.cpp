// Every export reachable by its plain name and by its ordinal, both giving
// the same function.
#include "exports.h"

#include <gtest/gtest.h>

#include <cstring>

#include "bound_library.h"

namespace {

TEST(Exports, LibraryFoundByItsNameAlone) {
    ASSERT_NE(qzwin::library(), nullptr) << "LoadLibraryA(\"qztalvex\") failed: " << GetLastError();
    char path[MAX_PATH] = {};
    ASSERT_NE(GetModuleFileNameA(qzwin::library(), path, MAX_PATH), 0u);
    const std::size_t length = std::strlen(path);
    ASSERT_GE(length, 12u);
    EXPECT_STRCASEEQ(path + length - 12, "qztalvex.dll") << path;
}

TEST(Exports, EachNameAndItsOrdinalBindTheSameFunction) {
    ASSERT_NE(qzwin::library(), nullptr);
    for (const auto &e : qzwin::kExports) {
        const FARPROC byName = GetProcAddress(qzwin::library(), e.name);
        const FARPROC byOrdinal = GetProcAddress(qzwin::library(), MAKEINTRESOURCEA(e.ordinal));
        EXPECT_NE(byName, nullptr) << e.name;
        EXPECT_EQ(byName, byOrdinal) << e.name << " is not ordinal " << e.ordinal;
    }
}

TEST(Exports, NothingBeyondTheTable) {
    ASSERT_NE(qzwin::library(), nullptr);
    for (const char *name :
         {"qzGetMemorySize@8", "_qzGetMemorySize@8", "_qzGetMemorySize", "DllMain", "qzShowcursor"})
        EXPECT_EQ(GetProcAddress(qzwin::library(), name), nullptr) << name;
    EXPECT_EQ(GetProcAddress(qzwin::library(), MAKEINTRESOURCEA(17)), nullptr);
}

}  // namespace
