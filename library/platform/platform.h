// The operating-system services the library's logic is written against.
//
// The logic speaks Win32: its records, constants and calls. On Windows this
// header is simply the system's own; elsewhere the layer in linux/ provides
// the same names, implemented from the kernel's interfaces. Tests link a
// scripted stand-in in place of either.
#pragma once

#if defined(_WIN32)

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#else

#include <cstdint>

#define WINAPI

using BOOL = int;
using BYTE = std::uint8_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LONGLONG = std::int64_t;
using DWORDLONG = std::uint64_t;
using REGSAM = DWORD;
using LPBYTE = BYTE *;
using LPDWORD = DWORD *;
using LPCSTR = const char *;

struct HKEY__;
struct HINSTANCE__;
struct HWND__;
using HKEY = HKEY__ *;
using PHKEY = HKEY *;
using HMODULE = HINSTANCE__ *;
using HWND = HWND__ *;
using HANDLE = void *;
using FARPROC = void (*)();

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;

// Predefined registry roots are small tagged values, never real pointers.
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))
constexpr REGSAM KEY_READ = 0x20019;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

constexpr DWORD PROCESS_SET_INFORMATION = 0x0200;
constexpr DWORD PROCESS_QUERY_INFORMATION = 0x0400;
constexpr DWORD PROCESS_QUERY_LIMITED_INFORMATION = 0x1000;

constexpr DWORD NORMAL_PRIORITY_CLASS = 0x20;
constexpr DWORD IDLE_PRIORITY_CLASS = 0x40;
constexpr DWORD HIGH_PRIORITY_CLASS = 0x80;
constexpr DWORD REALTIME_PRIORITY_CLASS = 0x100;
constexpr DWORD BELOW_NORMAL_PRIORITY_CLASS = 0x4000;
constexpr DWORD ABOVE_NORMAL_PRIORITY_CLASS = 0x8000;

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

union LARGE_INTEGER {
    LONGLONG QuadPart;
};

struct MEMORYSTATUSEX {
    DWORD dwLength;
    DWORD dwMemoryLoad;
    DWORDLONG ullTotalPhys;
    DWORDLONG ullAvailPhys;
    DWORDLONG ullTotalPageFile;
    DWORDLONG ullAvailPageFile;
    DWORDLONG ullTotalVirtual;
    DWORDLONG ullAvailVirtual;
    DWORDLONG ullAvailExtendedVirtual;
};

// Memory, time and counter services.
BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX *status);
BOOL GetSystemTimes(FILETIME *idle, FILETIME *kernel, FILETIME *user);
BOOL QueryPerformanceCounter(LARGE_INTEGER *count);
BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency);

// Registry, read only.
LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result);
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
LONG RegCloseKey(HKEY key);

// Modules and processes.
HMODULE LoadLibraryA(LPCSTR name);
FARPROC GetProcAddress(HMODULE module, LPCSTR name);
BOOL FreeLibrary(HMODULE module);
HANDLE OpenProcess(DWORD access, BOOL inheritHandle, DWORD processId);
BOOL SetPriorityClass(HANDLE process, DWORD priorityClass);
BOOL CloseHandle(HANDLE object);

// Windowing ("user32"); reached through GetProcAddress, never bound directly.
DWORD GetWindowThreadProcessId(HWND window, LPDWORD processId);

// Cursor.
int ShowCursor(BOOL show);

#endif
