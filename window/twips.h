// Twips (1/1440 inch) to device-independent pixels at the screen's logical
// dots per inch: 15 twips to the pixel at 96 dots per inch.
#pragma once

#include <QtGlobal>

namespace talvex {

inline constexpr int kTwipsPerInch = 1440;

inline int twipsToPixels(int twips, qreal dotsPerInch) {
    return qRound(twips * dotsPerInch / kTwipsPerInch);
}

}  // namespace talvex
