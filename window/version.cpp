#include "version.h"

namespace talvex {
namespace {

// NUL-separated "key=value" strings in a section of their own, so that
// standard tools read them from the program file without running it.
#define QZ_VERSION_ENTRY(key, value) key "=" value "\0"
[[gnu::used, gnu::section(".talvexview.version")]] constexpr char kVersionRecord[] =
    QZ_VERSION_ENTRY("FileVersion", "1.0.0.0")      //
    QZ_VERSION_ENTRY("ProductVersion", "1.0.0.0")   //
    QZ_VERSION_ENTRY("FileVersionText", "1.00")     //
    QZ_VERSION_ENTRY("ProductVersionText", "1.00")  //
    QZ_VERSION_ENTRY("InternalName", "talvexview")  //
    QZ_VERSION_ENTRY("OriginalFilename", "talvexview");
#undef QZ_VERSION_ENTRY

}  // namespace

void applyVersion(QCoreApplication &application) {
    application.setApplicationName(QString::fromLatin1(kInternalName));
    application.setApplicationVersion(QString::fromLatin1(kFileVersion));
}

}  // namespace talvex
