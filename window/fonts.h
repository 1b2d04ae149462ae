// The window's fonts. The layout was drawn for "MS Sans Serif", a narrow
// dialog face that Linux lacks; Liberation Sans (Arial's metrics, Debian's
// fonts-liberation) stands in for it, in bold for the captions that carry a
// font of their own and at a small regular size for everything else.
#pragma once

#include <QFont>

namespace talvex {

inline constexpr const char *kFontFace = "Liberation Sans";

// The window's default font, which every control without a font of its own
// uses: small enough that the 8-point design's captions wrap and fit as
// the layout intends.
inline constexpr double kDialogFontPoints = 7.5;

QFont dialogFont();

// The bold font of a control that has a size of its own (12, 13.5, 18 pt).
QFont captionFont(double points);

}  // namespace talvex
