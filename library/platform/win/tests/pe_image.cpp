#include "pe_image.h"

#include <cstring>

namespace qzwin {

namespace {

constexpr std::uint16_t kPe32Magic = 0x10b;
constexpr std::uint16_t kPe32PlusMagic = 0x20b;

class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool has(std::uint64_t offset, std::uint64_t size) const {
        return offset <= bytes_.size() && size <= bytes_.size() - offset;
    }

    template <typename T>
    std::optional<T> at(std::uint64_t offset) const {
        if (!has(offset, sizeof(T))) return std::nullopt;
        T value{};
        std::memcpy(&value, bytes_.data() + offset, sizeof(T));
        return value;  // the file is little-endian, like every host we build on
    }

    std::optional<std::string> textAt(std::uint64_t offset) const {
        if (!has(offset, 1)) return std::nullopt;
        const auto end = bytes_.find('\0', offset);
        if (end == std::string_view::npos) return std::nullopt;
        return std::string(bytes_.substr(offset, end - offset));
    }

  private:
    std::string_view bytes_;
};

struct Section {
    std::uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
};

// File offset of a relative virtual address, through the section holding it.
std::optional<std::uint64_t> fileOffset(const std::vector<Section> &sections, std::uint32_t rva) {
    for (const auto &s : sections) {
        const std::uint32_t span = s.virtualSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && rva - s.virtualAddress < span &&
            rva - s.virtualAddress < s.rawSize)
            return std::uint64_t{s.rawOffset} + (rva - s.virtualAddress);
    }
    return std::nullopt;
}

bool readExports(const Reader &r, const std::vector<Section> &sections, std::uint32_t rva,
                 PeImage &image) {
    const auto dir = fileOffset(sections, rva);
    if (!dir) return false;
    const auto nameRva = r.at<std::uint32_t>(*dir + 12);
    const auto base = r.at<std::uint32_t>(*dir + 16);
    const auto functions = r.at<std::uint32_t>(*dir + 20);
    const auto names = r.at<std::uint32_t>(*dir + 24);
    const auto namePointers = r.at<std::uint32_t>(*dir + 32);
    const auto ordinals = r.at<std::uint32_t>(*dir + 36);
    if (!nameRva || !base || !functions || !names || !namePointers || !ordinals) return false;
    const auto moduleName = fileOffset(sections, *nameRva);
    if (!moduleName) return false;
    image.exportedModuleName = r.textAt(*moduleName).value_or("");
    image.ordinalBase = *base;
    image.exportedFunctions = *functions;
    if (*names == 0) return true;
    const auto pointerTable = fileOffset(sections, *namePointers);
    const auto ordinalTable = fileOffset(sections, *ordinals);
    if (!pointerTable || !ordinalTable) return false;
    for (std::uint32_t i = 0; i < *names; ++i) {
        const auto entryRva = r.at<std::uint32_t>(*pointerTable + 4ull * i);
        const auto index = r.at<std::uint16_t>(*ordinalTable + 2ull * i);
        if (!entryRva || !index) return false;
        const auto entry = fileOffset(sections, *entryRva);
        const auto name = entry ? r.textAt(*entry) : std::nullopt;
        if (!name) return false;
        image.namedExports[*name] = *base + *index;
    }
    return true;
}

// The functions imported from one DLL by name; those imported by ordinal alone
// have no name to list.
bool readImportNames(const Reader &r, const std::vector<Section> &sections, std::uint32_t rva,
                     bool wide, std::vector<std::string> &names) {
    auto entry = fileOffset(sections, rva);
    if (!entry) return false;
    const unsigned step = wide ? 8 : 4;
    for (;; *entry += step) {
        std::uint64_t value = 0;
        if (wide) {
            const auto v = r.at<std::uint64_t>(*entry);
            if (!v) return false;
            value = *v;
        } else {
            const auto v = r.at<std::uint32_t>(*entry);
            if (!v) return false;
            value = *v;
        }
        if (value == 0) return true;
        const std::uint64_t byOrdinal = wide ? 1ull << 63 : 1ull << 31;
        if (value & byOrdinal) continue;
        const auto hint = fileOffset(sections, static_cast<std::uint32_t>(value));
        const auto name = hint ? r.textAt(*hint + 2) : std::nullopt;
        if (!name) return false;
        names.push_back(*name);
    }
}

bool readImports(const Reader &r, const std::vector<Section> &sections, std::uint32_t rva,
                 bool wide, PeImage &image) {
    auto descriptor = fileOffset(sections, rva);
    if (!descriptor) return false;
    // 20-byte descriptors, ended by one that is all zeros.
    for (;; *descriptor += 20) {
        const auto lookup = r.at<std::uint32_t>(*descriptor);
        const auto nameRva = r.at<std::uint32_t>(*descriptor + 12);
        const auto thunks = r.at<std::uint32_t>(*descriptor + 16);
        if (!lookup || !nameRva || !thunks) return false;
        if (*lookup == 0 && *nameRva == 0 && *thunks == 0) return true;
        const auto name = fileOffset(sections, *nameRva);
        const auto text = name ? r.textAt(*name) : std::nullopt;
        if (!text) return false;
        image.importedDlls.push_back(*text);
        if (!readImportNames(r, sections, *lookup ? *lookup : *thunks, wide,
                             image.importedNames[*text]))
            return false;
    }
}

}  // namespace

std::optional<PeImage> readPeImage(std::string_view file) {
    const Reader r(file);
    if (r.at<std::uint16_t>(0) != std::uint16_t{0x5a4d}) return std::nullopt;  // "MZ"
    const auto peOffset = r.at<std::uint32_t>(0x3c);
    if (!peOffset || r.at<std::uint32_t>(*peOffset) != std::uint32_t{0x4550}) return std::nullopt;

    PeImage image;
    const std::uint64_t coff = *peOffset + 4;
    const auto machine = r.at<std::uint16_t>(coff);
    const auto sectionCount = r.at<std::uint16_t>(coff + 2);
    const auto optionalSize = r.at<std::uint16_t>(coff + 16);
    const auto characteristics = r.at<std::uint16_t>(coff + 18);
    if (!machine || !sectionCount || !optionalSize || !characteristics) return std::nullopt;
    image.machine = *machine;
    image.characteristics = *characteristics;

    const std::uint64_t optional = coff + 20;
    const auto magic = r.at<std::uint16_t>(optional);
    if (magic != kPe32Magic && magic != kPe32PlusMagic) return std::nullopt;
    const std::uint64_t directories = optional + (magic == kPe32Magic ? 96 : 112);
    const auto directoryCount = r.at<std::uint32_t>(directories - 4);
    if (!directoryCount) return std::nullopt;

    std::vector<Section> sections;
    const std::uint64_t sectionTable = optional + *optionalSize;
    for (std::uint16_t i = 0; i < *sectionCount; ++i) {
        const std::uint64_t s = sectionTable + 40ull * i;
        const auto virtualSize = r.at<std::uint32_t>(s + 8);
        const auto virtualAddress = r.at<std::uint32_t>(s + 12);
        const auto rawSize = r.at<std::uint32_t>(s + 16);
        const auto rawOffset = r.at<std::uint32_t>(s + 20);
        if (!virtualSize || !virtualAddress || !rawSize || !rawOffset) return std::nullopt;
        sections.push_back({*virtualAddress, *virtualSize, *rawOffset, *rawSize});
    }

    // Directory 0 is the export table, directory 1 the import table.
    for (std::uint32_t d = 0; d < 2 && d < *directoryCount; ++d) {
        const auto rva = r.at<std::uint32_t>(directories + 8ull * d);
        const auto size = r.at<std::uint32_t>(directories + 8ull * d + 4);
        if (!rva || !size) return std::nullopt;
        if (*rva == 0 || *size == 0) continue;
        const bool ok = d == 0 ? readExports(r, sections, *rva, image)
                               : readImports(r, sections, *rva, magic == kPe32PlusMagic, image);
        if (!ok) return std::nullopt;
    }
    return image;
}

}  // namespace qzwin
