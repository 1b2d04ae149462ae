#include "number_text.h"

#include <cmath>

namespace talvex {
namespace {

constexpr int kSignificantDigits = 6;

QString withSign(QString digits, bool negative) {
    // The digits come without a sign; a number that is not negative gets
    // the space where a minus would stand.
    return (negative ? QStringLiteral("-") : QStringLiteral(" ")) + digits;
}

// QString::number always writes the C locale: no grouping, '.' as the point.
QString plainDecimal(double magnitude) {
    const int exponent = int(std::floor(std::log10(magnitude)));
    const int decimals = std::max(0, kSignificantDigits - 1 - exponent);
    QString text = QString::number(magnitude, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0')) text.chop(1);
        if (text.endsWith(u'.')) text.chop(1);
    }
    return text;
}

}  // namespace

QString numberText(std::int32_t value) {
    // Widened so that the lowest value has a magnitude too.
    const std::int64_t wide = value;
    return withSign(QString::number(wide < 0 ? -wide : wide), wide < 0);
}

QString numberText(double value) {
    if (std::isnan(value)) return withSign(QStringLiteral("nan"), false);
    const bool negative = std::signbit(value) && value != 0.0;
    const double magnitude = std::fabs(value);
    if (std::isinf(magnitude)) return withSign(QStringLiteral("inf"), negative);
    if (magnitude == 0.0) return withSign(QStringLiteral("0"), false);
    if (magnitude < 1e-9 || magnitude >= 1e15)
        return withSign(QString::number(magnitude, 'g', kSignificantDigits), negative);
    return withSign(plainDecimal(magnitude), negative);
}

}  // namespace talvex
