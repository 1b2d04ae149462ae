// What a Windows DLL's file says about itself, read without running it:
// the machine it is built for, its export table and the DLLs it imports.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qzwin {

struct PeImage {
    std::uint16_t machine = 0;          // 0x14c i386, 0x8664 x86-64
    std::uint16_t characteristics = 0;  // 0x2000: the image is a DLL
    std::string exportedModuleName;
    std::uint32_t ordinalBase = 0;
    std::uint32_t exportedFunctions = 0;                // entries of the address table
    std::map<std::string, std::uint32_t> namedExports;  // name -> ordinal
    std::vector<std::string> importedDlls;
    std::map<std::string, std::vector<std::string>> importedNames;  // DLL -> functions by name
};

// The image's record, or nothing when the bytes are not a well-formed PE
// file (every offset is checked against the file's size).
std::optional<PeImage> readPeImage(std::string_view file);

}  // namespace qzwin
