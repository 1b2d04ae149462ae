// The program's version record: file and product version 1.0.0.0, "1.00" in
// the text fields, internal name talvexview. The same record is carried in
// the program file (section .talvexview.version, shown by
// `readelf -p .talvexview.version talvexview`) and given to the application.
#pragma once

#include <QCoreApplication>

namespace talvex {

inline constexpr const char *kInternalName = "talvexview";
inline constexpr const char *kFileVersion = "1.0.0.0";
inline constexpr const char *kVersionText = "1.00";

// Sets the application's name and version from the record.
void applyVersion(QCoreApplication &application);

}  // namespace talvex
