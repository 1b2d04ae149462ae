/* qztalvex: what the machine is, asked afresh on every call.
 *
 * Sixteen plain functions. Every scalar argument and every result is a
 * signed 32-bit integer; the three processor string functions also fill a
 * byte buffer that the caller lends for the length of the call. No function
 * allocates anything the caller must free, raises or logs: failure shows
 * only in the result.
 */
#ifndef QZTALVEX_H
#define QZTALVEX_H

#include <stdint.h>

#if defined(_WIN32)
#define QZ_CALL __stdcall
#if defined(QZTALVEX_BUILDING)
#define QZ_API __declspec(dllexport)
#else
#define QZ_API __declspec(dllimport)
#endif
#else
#define QZ_CALL
#if defined(QZTALVEX_BUILDING)
#define QZ_API __attribute__((visibility("default")))
#else
#define QZ_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Memory. selector: 1 load in percent (never scaled), 2 total physical,
 * 3 available physical, 4 total virtual, 5 available virtual, 6 total page
 * file, 7 available page file; any other selector gives 0.
 * unit: 1 kilobytes, 2 megabytes, anything else bytes. Figures too large
 * for the result come back as 2147483647. */
QZ_API int32_t QZ_CALL qzGetMemorySize(int32_t selector, int32_t unit);

/* System-wide CPU time since boot. unit 1: whole minutes, anything else:
 * whole seconds. 0 when the system cannot say. Kernel time includes idle
 * time, as the platform counts it. */
QZ_API int32_t QZ_CALL qzGetIdleTime(int32_t unit);
QZ_API int32_t QZ_CALL qzGetKernelTime(int32_t unit);
QZ_API int32_t QZ_CALL qzGetUserTime(int32_t unit);

/* Interval counter. Start remembers the counter (non-zero on success); End
 * returns the ticks since the last Start, saturating at 2147483647;
 * Frequency gives ticks per second, 0 if unknown. */
QZ_API int32_t QZ_CALL qzHighCounterStart(void);
QZ_API int32_t QZ_CALL qzHighCounterEnd(void);
QZ_API int32_t QZ_CALL qzFrequencyCounter(void);

/* First processor as the hardware description records it. qzProcSpeed:
 * MHz; 0 if the description cannot be opened, 260 if it holds no speed.
 * The string functions copy the value into buffer, which must hold at least
 * 257 bytes, and return its byte count (terminating zero included) plus
 * one; on failure they return the registry status (2 missing, 234 too long,
 * 87 null buffer) and leave buffer untouched. */
QZ_API int32_t QZ_CALL qzProcSpeed(void);
QZ_API int32_t QZ_CALL qzProcessorName(unsigned char *buffer);
QZ_API int32_t QZ_CALL qzProcessorIdentifier(unsigned char *buffer);
QZ_API int32_t QZ_CALL qzProcessorVendor(unsigned char *buffer);

/* Scheduling priority class of the process that owns a window: non-zero on
 * success, 0 on any failure. */
QZ_API int32_t QZ_CALL qzSetPriorityReal(int32_t window);
QZ_API int32_t QZ_CALL qzSetPriorityHigh(int32_t window);
QZ_API int32_t QZ_CALL qzSetPriorityNormal(int32_t window);
QZ_API int32_t QZ_CALL qzSetPriorityIdle(int32_t window);

/* Cursor display count: show non-zero raises it, zero lowers it; the
 * pointer is visible while the count is 0 or more. Returns the new count. */
QZ_API int32_t QZ_CALL qzShowCursor(int32_t show);

#ifdef __cplusplus
}
#endif

#endif /* QZTALVEX_H */
