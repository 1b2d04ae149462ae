#include "fake_platform.h"

BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX *status) {
    ++fake::memory.calls;
    if (!fake::memory.ok) return FALSE;
    const DWORD length = status->dwLength;
    *status = fake::memory.status;
    status->dwLength = length;
    return TRUE;
}

BOOL GetSystemTimes(FILETIME *idle, FILETIME *kernel, FILETIME *user) {
    ++fake::times.calls;
    if (!fake::times.ok) return FALSE;
    const auto put = [](FILETIME *to, std::uint64_t value) {
        *to = FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
    };
    put(idle, fake::times.idle);
    put(kernel, fake::times.kernel);
    put(user, fake::times.user);
    return TRUE;
}

BOOL QueryPerformanceCounter(LARGE_INTEGER *count) {
    count->QuadPart = fake::counter.counter;
    return fake::counter.counterOk;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency) {
    if (!fake::counter.frequencyOk) return FALSE;
    frequency->QuadPart = fake::counter.frequency;
    return TRUE;
}
