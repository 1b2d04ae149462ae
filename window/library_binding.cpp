#include "library_binding.h"

#include <cstdlib>

#include "fatal_report.h"
#include "library_location.h"

namespace talvex {
namespace {

using NoArgument = std::int32_t (*)();
using OneArgument = std::int32_t (*)(std::int32_t);
using TwoArguments = std::int32_t (*)(std::int32_t, std::int32_t);
using Buffer = std::int32_t (*)(unsigned char *);

QString quoted(const QString &text) {
    return u'"' + text + u'"';
}

}  // namespace

const char *exportName(LibraryFunction function) {
    switch (function) {
        case LibraryFunction::GetMemorySize:
            return "qzGetMemorySize";
        case LibraryFunction::GetIdleTime:
            return "qzGetIdleTime";
        case LibraryFunction::GetKernelTime:
            return "qzGetKernelTime";
        case LibraryFunction::GetUserTime:
            return "qzGetUserTime";
        case LibraryFunction::FrequencyCounter:
            return "qzFrequencyCounter";
        case LibraryFunction::HighCounterStart:
            return "qzHighCounterStart";
        case LibraryFunction::HighCounterEnd:
            return "qzHighCounterEnd";
        case LibraryFunction::ProcessorName:
            return "qzProcessorName";
        case LibraryFunction::ProcessorVendor:
            return "qzProcessorVendor";
        case LibraryFunction::ProcessorIdentifier:
            return "qzProcessorIdentifier";
        case LibraryFunction::ProcSpeed:
            return "qzProcSpeed";
    }
    return "";
}

LibraryBinding::LibraryBinding(FailureHandler onFailure)
    : onFailure_(onFailure ? std::move(onFailure) : FailureHandler(reportAndExit)) {}

bool LibraryBinding::isBound(LibraryFunction function) const {
    return functions_[std::size_t(function)] != nullptr;
}

void LibraryBinding::fail(const QString &message) {
    onFailure_(message);
    // A handler that comes back would leave the action calling nothing.
    std::abort();
}

void LibraryBinding::load() {
    const QString name = QString::fromLatin1(kLibraryName);
    // The file name the loader is asked for, as QLibrary maps the name.
    const QString file = QStringLiteral("lib%1.so.%2").arg(name).arg(kLibraryMajorVersion);
    const QStringList directories = loaderSearchDirectories();
    const QString directory = firstDirectoryHolding(file, directories);
    // Found in the program's search path: load it from there. Otherwise the
    // bare name goes to the loader, whose cache may still know it, and whose
    // reason is reported if it does not.
    library_.setFileNameAndVersion(directory.isEmpty() ? name : directory + u'/' + name,
                                   kLibraryMajorVersion);
    if (!library_.load()) {
        fail(QStringLiteral("The library %1 (%2) could not be loaded.\n\n%3\n\nSearched: %4")
                 .arg(quoted(name), file, library_.errorString(),
                      directories.join(QStringLiteral(", "))));
    }
}

QFunctionPointer LibraryBinding::resolve(LibraryFunction function) {
    QFunctionPointer &slot = functions_[std::size_t(function)];
    if (slot) return slot;
    if (!library_.isLoaded()) load();
    slot = library_.resolve(exportName(function));
    if (!slot) {
        fail(QStringLiteral("The function %1 was not found in the library %2 (%3).\n\n%4")
                 .arg(quoted(QString::fromLatin1(exportName(function))),
                      quoted(QString::fromLatin1(kLibraryName)), library_.fileName(),
                      library_.errorString()));
    }
    return slot;
}

template <typename Fn>
Fn LibraryBinding::bound(LibraryFunction function) {
    return reinterpret_cast<Fn>(resolve(function));
}

std::int32_t LibraryBinding::getMemorySize(std::int32_t selector, std::int32_t unit) {
    return bound<TwoArguments>(LibraryFunction::GetMemorySize)(selector, unit);
}
std::int32_t LibraryBinding::getIdleTime(std::int32_t unit) {
    return bound<OneArgument>(LibraryFunction::GetIdleTime)(unit);
}
std::int32_t LibraryBinding::getKernelTime(std::int32_t unit) {
    return bound<OneArgument>(LibraryFunction::GetKernelTime)(unit);
}
std::int32_t LibraryBinding::getUserTime(std::int32_t unit) {
    return bound<OneArgument>(LibraryFunction::GetUserTime)(unit);
}
std::int32_t LibraryBinding::frequencyCounter() {
    return bound<NoArgument>(LibraryFunction::FrequencyCounter)();
}
std::int32_t LibraryBinding::highCounterStart() {
    return bound<NoArgument>(LibraryFunction::HighCounterStart)();
}
std::int32_t LibraryBinding::highCounterEnd() {
    return bound<NoArgument>(LibraryFunction::HighCounterEnd)();
}
std::int32_t LibraryBinding::processorName(unsigned char *buffer) {
    return bound<Buffer>(LibraryFunction::ProcessorName)(buffer);
}
std::int32_t LibraryBinding::processorVendor(unsigned char *buffer) {
    return bound<Buffer>(LibraryFunction::ProcessorVendor)(buffer);
}
std::int32_t LibraryBinding::processorIdentifier(unsigned char *buffer) {
    return bound<Buffer>(LibraryFunction::ProcessorIdentifier)(buffer);
}
std::int32_t LibraryBinding::procSpeed() {
    return bound<NoArgument>(LibraryFunction::ProcSpeed)();
}

}  // namespace talvex
