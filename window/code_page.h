// Bytes the library writes as 8-bit text, read as characters of the
// Western code page (Windows-1252): Latin-1 except 0x80 to 0x9F, which hold
// the euro sign, typographic quotes, dashes and a few letters.
#pragma once

#include <QChar>

namespace talvex {

QChar westernCharacter(unsigned char byte);

}  // namespace talvex
