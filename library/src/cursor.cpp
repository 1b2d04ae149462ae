// qzShowCursor: the platform's cursor display count, raised for a non-zero
// flag and lowered for zero; its new value is the result.

#include <cstdint>

#include "platform.h"
#include "qztalvex.h"

extern "C" QZ_API std::int32_t QZ_CALL qzShowCursor(std::int32_t show) {
    return ShowCursor(show);
}
