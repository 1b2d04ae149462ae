// The built library needs nothing of the system beyond the C and C++
// runtimes: the X libraries it uses are opened at call time.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <set>
#include <string>

namespace {

TEST(Linkage, NeedsOnlyTheLanguageRuntimes) {
    const std::set<std::string> allowed = {"libc.so.6",      "libm.so.6",
                                           "libdl.so.2",     "libstdc++.so.6",
                                           "libgcc_s.so.1",  "ld-linux-x86-64.so.2",
                                           "libpthread.so.0"};
    FILE *readelf = popen(("readelf -d '" + std::string(QZ_LIBRARY_FILE) + "'").c_str(), "r");
    ASSERT_NE(readelf, nullptr);
    std::array<char, 512> line{};
    int needed = 0;
    while (fgets(line.data(), line.size(), readelf)) {
        const std::string text = line.data();
        if (text.find("(NEEDED)") == std::string::npos) continue;
        const auto open = text.find('['), close = text.find(']');
        ASSERT_NE(open, std::string::npos) << text;
        const std::string name = text.substr(open + 1, close - open - 1);
        // A sanitizer build brings its own runtime along.
        const bool sanitizer = name.rfind("libasan", 0) == 0 || name.rfind("libubsan", 0) == 0 ||
                               name.rfind("libtsan", 0) == 0;
        EXPECT_TRUE(allowed.count(name) || sanitizer) << "needs " << name;
        ++needed;
    }
    EXPECT_EQ(pclose(readelf), 0);
    EXPECT_GT(needed, 0);  // readelf ran and read the file
}

}  // namespace
