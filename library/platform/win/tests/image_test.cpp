// The cross-built DLLs read as files: built for the right machine, exporting
// the sixteen undecorated names with their ordinals and nothing else, and
// importing nothing but the system's own DLLs. The 32-bit one cannot run
// here, so reading it is all there is.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>

#include "exports.h"
#include "pe_image.h"

namespace {

struct Build {
    const char *dll;
    std::uint16_t machine;
};

// Named by target in the test names, not dumped as bytes.
void PrintTo(const Build &build, std::ostream *out) {
    *out << (build.machine == 0x14c ? "i686" : "x86_64");
}

const Build kI686{QZ_DLL_I686, 0x14c};
const Build kX86_64{QZ_DLL_X86_64, 0x8664};

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// DLLs that every Windows installation carries; the C runtime's own is one.
bool systemDll(const std::string &name) {
    static const std::set<std::string> kSystem = {"kernel32.dll", "advapi32.dll", "user32.dll",
                                                  "msvcrt.dll"};
    const auto n = lower(name);
    return kSystem.count(n) || n.rfind("api-ms-win-crt-", 0) == 0;
}

class Image : public ::testing::TestWithParam<Build> {
  protected:
    void SetUp() override {
        std::ifstream in(GetParam().dll, std::ios::binary | std::ios::ate);
        ASSERT_TRUE(in) << GetParam().dll;
        bytes_.resize(static_cast<std::size_t>(in.tellg()));
        in.seekg(0);
        ASSERT_TRUE(in.read(bytes_.data(), static_cast<std::streamsize>(bytes_.size())));
        auto image = qzwin::readPeImage(bytes_);
        ASSERT_TRUE(image) << GetParam().dll << " is not a well-formed PE file";
        image_ = *image;
    }

    std::string bytes_;
    qzwin::PeImage image_;
};

TEST_P(Image, IsADllForItsMachine) {
    EXPECT_EQ(image_.machine, GetParam().machine);
    EXPECT_NE(image_.characteristics & 0x2000, 0) << "not marked as a DLL";
    EXPECT_EQ(image_.exportedModuleName, "qztalvex.dll");
}

TEST_P(Image, ExportsTheSixteenNamesWithTheirOrdinalsAndNothingElse) {
    std::map<std::string, std::uint32_t> expected;
    for (const auto &e : qzwin::kExports) expected[e.name] = e.ordinal;
    EXPECT_EQ(image_.namedExports, expected);
    EXPECT_EQ(image_.ordinalBase, 1u);
    EXPECT_EQ(image_.exportedFunctions, 16u) << "exports reachable by ordinal alone";
    for (const auto &[name, ordinal] : image_.namedExports)
        EXPECT_EQ(name.find_first_of("@_?"), std::string::npos) << "decorated: " << name;
}

TEST_P(Image, ImportsOnlyTheSystemsOwnDlls) {
    EXPECT_FALSE(image_.importedDlls.empty());
    std::ostringstream all;
    for (const auto &dll : image_.importedDlls) all << dll << ' ';
    for (const auto &dll : image_.importedDlls) EXPECT_TRUE(systemDll(dll)) << all.str();
    // The time, registry and cursor services are bound when the DLL loads.
    std::set<std::string> imported;
    for (const auto &dll : image_.importedDlls) imported.insert(lower(dll));
    EXPECT_TRUE(imported.count("kernel32.dll")) << all.str();
    EXPECT_TRUE(imported.count("advapi32.dll")) << all.str();
    EXPECT_TRUE(imported.count("user32.dll")) << all.str();
}

TEST_P(Image, BindsGetSystemTimesWhenItLoads) {
    // A system without it refuses to load the library at all.
    bool found = false;
    for (const auto &[dll, names] : image_.importedNames)
        if (lower(dll) == "kernel32.dll")
            found = std::find(names.begin(), names.end(), "GetSystemTimes") != names.end();
    EXPECT_TRUE(found);
}

INSTANTIATE_TEST_SUITE_P(I686, Image, ::testing::Values(kI686));
INSTANTIATE_TEST_SUITE_P(X86_64, Image, ::testing::Values(kX86_64));

TEST(PeImage, RejectsWhatIsNotAPeFile) {
    EXPECT_FALSE(qzwin::readPeImage(""));
    EXPECT_FALSE(qzwin::readPeImage("MZ"));
    std::string truncated(0x40, '\0');
    truncated[0] = 'M', truncated[1] = 'Z', truncated[0x3c] = 0x7f;  // header past the end
    EXPECT_FALSE(qzwin::readPeImage(truncated));
}

}  // namespace
