// The sixteen names answering from the script. Built twice: whole, and with
// QZ_STANDIN_WITHOUT naming one function that it leaves out.
#include "standin.h"

#include <cstring>

#define QZ_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

QzStandinScript script;

void called(const char *function, std::int32_t argument = 0) {
    if (script.onCall) script.onCall(function, argument);
}

std::int32_t write(const QzStandinString &value, unsigned char *buffer) {
    std::memcpy(buffer, value.bytes, std::size_t(value.length));
    return value.length;
}

}  // namespace

QzStandinScript *qzStandinScript() {
    return &script;
}

QZ_EXPORT std::int32_t qzGetMemorySize(std::int32_t selector, std::int32_t unit) {
    called("qzGetMemorySize", selector);
    if (selector < 1 || selector > 7) return 0;
    return unit == 1 ? script.memory[selector] : -1;
}
QZ_EXPORT std::int32_t qzGetIdleTime(std::int32_t unit) {
    called("qzGetIdleTime", unit);
    return script.idle;
}
QZ_EXPORT std::int32_t qzGetKernelTime(std::int32_t unit) {
    called("qzGetKernelTime", unit);
    return script.kernel;
}
QZ_EXPORT std::int32_t qzGetUserTime(std::int32_t unit) {
    called("qzGetUserTime", unit);
    return script.user;
}
QZ_EXPORT std::int32_t qzHighCounterStart() {
    called("qzHighCounterStart");
    return script.start;
}
QZ_EXPORT std::int32_t qzHighCounterEnd() {
    called("qzHighCounterEnd");
    return script.end;
}
QZ_EXPORT std::int32_t qzFrequencyCounter() {
    called("qzFrequencyCounter");
    return script.frequency;
}
QZ_EXPORT std::int32_t qzProcessorName(unsigned char *buffer) {
    called("qzProcessorName");
    return write(script.name, buffer);
}
QZ_EXPORT std::int32_t qzProcessorIdentifier(unsigned char *buffer) {
    called("qzProcessorIdentifier");
    return write(script.identifier, buffer);
}
QZ_EXPORT std::int32_t qzProcessorVendor(unsigned char *buffer) {
    called("qzProcessorVendor");
    return write(script.vendor, buffer);
}
#ifndef QZ_STANDIN_WITHOUT_PROC_SPEED
QZ_EXPORT std::int32_t qzProcSpeed() {
    called("qzProcSpeed");
    return script.speed;
}
#endif
// The window calls none of these five; they are here so that the stand-in
// offers every name the library does.
QZ_EXPORT std::int32_t qzSetPriorityReal(std::int32_t) {
    return 0;
}
QZ_EXPORT std::int32_t qzSetPriorityHigh(std::int32_t) {
    return 0;
}
QZ_EXPORT std::int32_t qzSetPriorityNormal(std::int32_t) {
    return 0;
}
QZ_EXPORT std::int32_t qzSetPriorityIdle(std::int32_t) {
    return 0;
}
QZ_EXPORT std::int32_t qzShowCursor(std::int32_t) {
    return 0;
}
