// Where the platform's loader looks for a library that this program loads
// by name: the program's own DT_RPATH, LD_LIBRARY_PATH, the program's
// DT_RUNPATH with $ORIGIN expanded, then the system's directories, in the
// order the loader itself reports for the program (glibc's dlinfo
// RTLD_DI_SERINFO).
//
// This matters because QLibrary hands a bare name to dlopen from inside
// QtCore, and the loader then searches QtCore's run path, not the
// program's: the $ORIGIN/../lib that finds the library beside an installed
// or built program would be skipped.
#pragma once

#include <QString>
#include <QStringList>

namespace talvex {

QStringList loaderSearchDirectories();

// The first directory of the list that holds fileName, or an empty string.
QString firstDirectoryHolding(const QString &fileName, const QStringList &directories);

}  // namespace talvex
