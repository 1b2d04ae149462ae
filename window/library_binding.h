// The measurement library as the window reaches it: loaded by the name
// "qztalvex" at the first call an action makes, each of the eleven
// functions looked up by name the first time it is called and kept for the
// rest of the run. The library is never unloaded.
//
// On Linux the name maps to the library's run-time file, libqztalvex.so.1
// (the name with its major version, the file its runtime package holds),
// searched for as the loader would for this program (library_location.h).
//
// A library or function that cannot be found is reported through the
// failure handler, which does not return (by default the message box and
// exit of fatal_report.h).
#pragma once

#include <QLibrary>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace talvex {

enum class LibraryFunction {
    GetMemorySize,
    GetIdleTime,
    GetKernelTime,
    GetUserTime,
    FrequencyCounter,
    HighCounterStart,
    HighCounterEnd,
    ProcessorName,
    ProcessorVendor,
    ProcessorIdentifier,
    ProcSpeed,
};
inline constexpr int kLibraryFunctionCount = 11;

const char *exportName(LibraryFunction function);

class LibraryBinding {
  public:
    using FailureHandler = std::function<void(const QString &message)>;

    static constexpr const char *kLibraryName = "qztalvex";
    static constexpr int kLibraryMajorVersion = 1;

    explicit LibraryBinding(FailureHandler onFailure = {});
    LibraryBinding(const LibraryBinding &) = delete;
    LibraryBinding &operator=(const LibraryBinding &) = delete;

    std::int32_t getMemorySize(std::int32_t selector, std::int32_t unit);
    std::int32_t getIdleTime(std::int32_t unit);
    std::int32_t getKernelTime(std::int32_t unit);
    std::int32_t getUserTime(std::int32_t unit);
    std::int32_t frequencyCounter();
    std::int32_t highCounterStart();
    std::int32_t highCounterEnd();
    std::int32_t processorName(unsigned char *buffer);
    std::int32_t processorVendor(unsigned char *buffer);
    std::int32_t processorIdentifier(unsigned char *buffer);
    std::int32_t procSpeed();

    bool isLoaded() const { return library_.isLoaded(); }
    bool isBound(LibraryFunction function) const;
    // The file the library was loaded from, once it is loaded.
    QString fileName() const { return library_.fileName(); }

  private:
    template <typename Fn>
    Fn bound(LibraryFunction function);
    QFunctionPointer resolve(LibraryFunction function);
    void load();
    [[noreturn]] void fail(const QString &message);

    FailureHandler onFailure_;
    QLibrary library_;
    std::array<QFunctionPointer, kLibraryFunctionCount> functions_{};
};

}  // namespace talvex
