// The read-only registry's rules, apart from its handles and the machine:
// which key and value names it knows, and how a value is handed over.
#pragma once

#include <optional>

#include "cpuinfo.h"
#include "platform.h"

namespace qz::os {

// The one key there is, under HKEY_LOCAL_MACHINE.
inline constexpr const char *kProcessorKeyPath =
    "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

enum class ProcessorValue { Name, Vendor, Identifier, Mhz };

// Key paths and value names match without regard to case, as in the
// registry. A null name matches nothing.
bool isProcessorKeyPath(LPCSTR path);
std::optional<ProcessorValue> processorValueNamed(LPCSTR name);

// RegQueryValueExA's answer for one value of the key: ERROR_FILE_NOT_FOUND
// if it is missing; with data null, its size in *size and success; with
// room for it, the bytes copied, their count in *size and success; without
// room, its size in *size, nothing copied and ERROR_MORE_DATA. Strings go
// with their terminating zero, "~MHz" as a 4-byte number. The type goes in
// *type whenever the value exists and type is not null. size may be null
// only when data is.
LONG queryProcessorValue(const ProcessorValues &values, ProcessorValue which, LPDWORD type,
                         LPBYTE data, LPDWORD size);

}  // namespace qz::os
