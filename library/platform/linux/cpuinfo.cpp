#include "cpuinfo.h"

#include "text.h"

namespace qz::os {
namespace {

bool isX86_64(std::string_view machine) {
    return machine == "x86_64" || machine == "amd64";
}

bool isX86_32(std::string_view machine) {
    return machine == "x86" || (machine.size() == 4 && machine[0] == 'i' && machine[1] >= '3' &&
                                machine[1] <= '6' && machine.substr(2) == "86");
}

bool isArm64(std::string_view machine) {
    return machine == "aarch64" || machine == "aarch64_be" || machine == "arm64";
}

bool isArm(std::string_view machine) {
    return isArm64(machine) || machine.starts_with("arm");
}

// A whole field value that is an unsigned decimal number, nothing else.
std::optional<std::uint64_t> wholeDecimal(std::string_view text) {
    const auto value = takeDecimal(text);
    if (!value || !text.empty()) return std::nullopt;
    return value;
}

// "0x41" or "0xd46": the whole value as a hexadecimal number.
std::optional<std::uint32_t> wholeHex(std::string_view text) {
    if (!text.starts_with("0x") && !text.starts_with("0X")) return std::nullopt;
    text.remove_prefix(2);
    if (text.empty() || text.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        std::uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        else
            return std::nullopt;
        value = value << 4 | digit;
    }
    return value;
}

// "2095.990" in thousandths (2095990); digits after the third are dropped.
std::optional<std::uint64_t> wholeThousandths(std::string_view text) {
    const auto whole = takeDecimal(text);
    if (!whole || *whole > UINT64_MAX / 1000 - 1) return std::nullopt;
    std::uint64_t value = *whole * 1000;
    if (text.starts_with('.')) {
        text.remove_prefix(1);
        std::uint64_t scale = 100;
        std::size_t digits = 0;
        for (; digits < text.size() && text[digits] >= '0' && text[digits] <= '9'; ++digits) {
            value += static_cast<std::uint64_t>(text[digits] - '0') * scale;
            scale /= 10;
        }
        if (digits == 0) return std::nullopt;
        text.remove_prefix(digits);
    }
    if (!text.empty()) return std::nullopt;
    return value;
}

// A clock figure worth recording: above 0 and within 32 bits.
std::optional<std::uint32_t> clock(std::uint64_t mhz) {
    if (mhz == 0 || mhz > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(mhz);
}

// flag as a whole word of the flags line. The line runs to hundreds of
// characters, so it is searched rather than split.
bool hasFlag(std::string_view flags, std::string_view flag) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    for (auto at = flags.find(flag); at != std::string_view::npos; at = flags.find(flag, at + 1)) {
        const auto end = at + flag.size();
        if ((at == 0 || isBlank(flags[at - 1])) && (end == flags.size() || isBlank(flags[end])))
            return true;
    }
    return false;
}

// The fields of the block that the values are made from; each is the value
// of the first line with that key.
struct Fields {
    std::optional<std::string_view> modelName, vendorId, family, model, stepping, flags, bogomips,
        cpuMhz, implementer, architecture, part, revision;

    void take(const Field &field) {
        const auto set = [&](std::optional<std::string_view> &slot) {
            if (!slot) slot = field.value;
        };
        const auto key = field.key;
        if (key == "model name")
            set(modelName);
        else if (key == "vendor_id")
            set(vendorId);
        else if (key == "cpu family")
            set(family);
        else if (key == "model")
            set(model);
        else if (key == "stepping")
            set(stepping);
        else if (key == "flags")
            set(flags);
        else if (key == "bogomips")
            set(bogomips);
        else if (key == "cpu MHz")
            set(cpuMhz);
        else if (key == "CPU implementer")
            set(implementer);
        else if (key == "CPU architecture")
            set(architecture);
        else if (key == "CPU part")
            set(part);
        else if (key == "CPU revision")
            set(revision);
    }
};

// Builds a short value piece by piece; fails, rather than cut it short,
// when the value would not fit.
class Writer {
  public:
    Writer &text(std::string_view piece) {
        if (piece.size() > sizeof out_.bytes - 1 - size_) {
            ok_ = false;
            return *this;
        }
        for (const char c : piece) out_.bytes[size_++] = c;
        return *this;
    }
    // number in the given base (upper-case digits), right-aligned in width.
    Writer &number(std::uint64_t value, unsigned base = 10, std::size_t width = 0) {
        char digits[24];
        std::size_t count = 0;
        do {
            digits[count++] = "0123456789ABCDEF"[value % base];
            value /= base;
        } while (value != 0);
        while (count < width && count < sizeof digits) digits[count++] = ' ';
        char ordered[24];
        for (std::size_t i = 0; i < count; ++i) ordered[i] = digits[count - 1 - i];
        return text({ordered, count});
    }
    std::optional<ShortText> done() const {
        if (!ok_) return std::nullopt;
        ShortText result = out_;
        result.size = static_cast<std::uint8_t>(size_);
        return result;
    }

  private:
    ShortText out_;
    std::size_t size_ = 0;
    bool ok_ = true;
};

std::optional<ShortText> x86Identifier(const Fields &f, std::string_view prefix) {
    if (!f.family || !f.model || !f.stepping) return std::nullopt;
    const auto family = wholeDecimal(*f.family), model = wholeDecimal(*f.model),
               stepping = wholeDecimal(*f.stepping);
    if (!family || !model || !stepping) return std::nullopt;
    return Writer{}
        .text(prefix)
        .text(" Family ")
        .number(*family)
        .text(" Model ")
        .number(*model)
        .text(" Stepping ")
        .number(*stepping)
        .done();
}

// "ARMv8 (64-bit) Family 8 Model D4B Revision   0": the part number in
// hexadecimal, the revision right-aligned in three places.
std::optional<ShortText> arm64Identifier(const Fields &f) {
    if (!f.architecture || !f.part || !f.revision) return std::nullopt;
    const auto architecture = wholeDecimal(*f.architecture);
    const auto part = wholeHex(*f.part);
    const auto revision = wholeDecimal(*f.revision);
    if (!architecture || !part || !revision) return std::nullopt;
    return Writer{}
        .text("ARMv8 (64-bit) Family ")
        .number(*architecture)
        .text(" Model ")
        .number(*part, 16)
        .text(" Revision ")
        .number(*revision, 10, 3)
        .done();
}

std::optional<ShortText> identifier(const Fields &f, std::string_view machine) {
    if (isX86_64(machine))
        return x86Identifier(f, f.vendorId == "GenuineIntel" ? "Intel64" : "AMD64");
    if (isX86_32(machine)) return x86Identifier(f, "x86");
    if (isArm64(machine)) return arm64Identifier(f);
    return std::nullopt;
}

std::optional<std::string_view> vendor(const Fields &f, std::string_view machine) {
    if (f.vendorId) return f.vendorId;
    if (!isArm(machine) || !f.implementer) return std::nullopt;
    const auto code = wholeHex(*f.implementer);
    if (!code) return std::nullopt;
    return armImplementerName(*code);
}

// The rated clock. With a constant-rate time-stamp counter, the kernel's
// bogomips for cpu0 is twice the counter's rate, which is the rated clock;
// "cpu MHz" is a momentary reading and only the next best thing.
std::optional<std::uint32_t> mhz(const Fields &f, std::string_view machine) {
    if ((isX86_64(machine) || isX86_32(machine)) && f.flags && hasFlag(*f.flags, "constant_tsc") &&
        f.bogomips) {
        if (const auto milli = wholeThousandths(*f.bogomips))
            if (const auto rated = clock((*milli + 1000) / 2000)) return rated;
    }
    if (f.cpuMhz)
        if (const auto milli = wholeThousandths(*f.cpuMhz)) return clock((*milli + 500) / 1000);
    return std::nullopt;
}

}  // namespace

Block firstBlock(std::string_view text) {
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        if (at + 1 < text.size() && text[at + 1] == '\n') return {text.substr(0, at + 2), true};
    }
    // A blank line at the very start ends an empty block.
    if (text.starts_with('\n')) return {text.substr(0, 1), true};
    return {text, false};
}

ProcessorValues readProcessorValues(std::string_view block, std::string_view machine) {
    Fields fields;
    while (const auto line = nextLine(block)) {
        if (line->empty()) break;
        if (const auto field = splitField(*line)) fields.take(*field);
    }
    ProcessorValues values;
    values.name = fields.modelName;
    values.vendor = vendor(fields, machine);
    values.identifier = identifier(fields, machine);
    values.mhz = mhz(fields, machine);
    return values;
}

std::optional<std::uint32_t> mhzFromKilohertz(std::string_view text) {
    const auto khz = takeDecimal(text);
    if (!khz || !(text.empty() || text == "\n") || *khz > UINT64_MAX - 500) return std::nullopt;
    return clock((*khz + 500) / 1000);
}

std::optional<std::string_view> armImplementerName(std::uint32_t code) {
    struct Implementer {
        std::uint32_t code;
        std::string_view name;
    };
    // The implementer codes of the main ID register, as Arm assigns them.
    static constexpr Implementer kImplementers[] = {
        {0x41, "ARM"},       {0x42, "Broadcom"},  {0x43, "Cavium"},   {0x44, "DEC"},
        {0x46, "Fujitsu"},   {0x48, "HiSilicon"}, {0x49, "Infineon"}, {0x4d, "Motorola"},
        {0x4e, "NVIDIA"},    {0x50, "APM"},       {0x51, "Qualcomm"}, {0x53, "Samsung"},
        {0x56, "Marvell"},   {0x61, "Apple"},     {0x66, "Faraday"},  {0x69, "Intel"},
        {0x6d, "Microsoft"}, {0x70, "Phytium"},   {0xc0, "Ampere"},
    };
    for (const auto &implementer : kImplementers)
        if (implementer.code == code) return implementer.name;
    return std::nullopt;
}

}  // namespace qz::os
