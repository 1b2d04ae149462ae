// Numbers as the window writes them into captions: one space before a
// number that is not negative, its minus sign before one that is, no
// grouping, and a period as the decimal separator whatever the locale.
#pragma once

#include <QString>
#include <cstdint>

namespace talvex {

QString numberText(std::int32_t value);

// A fraction with up to six significant digits in plain decimal form
// (0.00123, 12.5, 3), trailing zeros dropped; exponent form only for
// magnitudes below 1e-9 or from 1e15 up, where plain digits would be
// unreadable. Not-a-number and infinities keep their usual names.
QString numberText(double value);

}  // namespace talvex
