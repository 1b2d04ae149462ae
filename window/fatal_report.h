// The program's one way of ending on an error: a critical message box that
// says what went wrong, the same text on standard error, then exit status 1.
#pragma once

#include <QString>

namespace talvex {

[[noreturn]] void reportAndExit(const QString &message);

}  // namespace talvex
