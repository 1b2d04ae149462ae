// Fresh text from the kernel's /proc files, read through descriptors that
// are kept open between calls.
//
// Opening a /proc file costs about as much as reading it, so each source is
// opened once and re-read from offset 0 with pread on every call. A kept
// descriptor is close-on-exec. A program may close descriptors it does not
// own and reuse the numbers (a daemon closing everything, then opening a
// socket that lands on the same number): what a read brings back shows
// whether the number is still ours (a file whose first line says nothing of
// the kind is checked with fstat, same device and inode, before each read
// instead), and a number that is not ours is never closed or consumed: we
// just open our own again. After fork the child drops what it inherited,
// since /proc/self in the parent names the parent.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace qz::os {

enum class ProcSource { Meminfo, SelfStatm, Stat, Cpuinfo, Count };

const char *procPath(ProcSource source);

// Reads from offset 0 until buffer is full or the file ends. Returns the
// number of bytes read (capacity means there may be more), or -1 if the
// file cannot be opened or read.
ssize_t readProcFile(ProcSource source, char *buffer, std::size_t capacity);

// Reads more of the same file from offset, for readers that want more than
// their first buffer held.
ssize_t readProcFileAt(ProcSource source, char *buffer, std::size_t capacity, off_t offset);

}  // namespace qz::os
