#include "actions.h"

#include <array>
#include <cstdint>

#include "code_page.h"
#include "number_text.h"
#include "whole_repaint.h"

namespace talvex {
namespace {

// Unit arguments: kilobytes for the memory figures, minutes for the times.
constexpr std::int32_t kKilobytes = 1;
constexpr std::int32_t kMinutes = 1;

struct MemoryRow {
    const char *label;
    const char *text;
};
// By selector, 1 to 7. Every text is 12 characters.
constexpr std::array<MemoryRow, 7> kMemoryRows = {{
    {"Label1", "Memory %   :"},
    {"Label2", "Memory Ph  :"},
    {"Label3", "Memory AvPh:"},
    {"Label4", "Memory Virt:"},
    {"Label5", "Memory AvVr:"},
    {"Label6", "Memory Page:"},
    {"Label7", "Memory AvPg:"},
}};

QString text(const char *latin1) {
    return QString::fromLatin1(latin1);
}

}  // namespace

Actions::Actions(Form &form, LibraryBinding &library, QObject *parent)
    : QObject(parent), form_(form), library_(library) {
    connect(form.button("Command1"), &QPushButton::clicked, this, &Actions::memoryFigures);
    connect(form.button("Command2"), &QPushButton::clicked, this, &Actions::timeRepaint);
    connect(form.button("Command3"), &QPushButton::clicked, this, &Actions::systemTimes);
    connect(form.button("Command5"), &QPushButton::clicked, this, &Actions::processorDescription);
    connect(form.label("Label16"), &CaptionLabel::clicked, this, &Actions::speedIntoLabel);
}

void Actions::setCaption(const char *label, const QString &caption) {
    form_.label(label)->setCaption(caption);
}

void Actions::memoryFigures() {
    for (std::int32_t selector = 1; selector <= 7; ++selector) {
        const MemoryRow &row = kMemoryRows[std::size_t(selector - 1)];
        setCaption(row.label,
                   text(row.text) + numberText(library_.getMemorySize(selector, kKilobytes)));
    }
}

void Actions::timeRepaint() {
    const std::int32_t frequency = library_.frequencyCounter();
    library_.highCounterStart();
    repaintWhole(form_);
    const std::int32_t ticks = library_.highCounterEnd();
    // A counter without a frequency gives no time; the window says so
    // instead of dividing by zero.
    const QString seconds =
        frequency == 0 ? QStringLiteral(" unavailable")
                       : numberText(double(ticks) / double(frequency)) + QStringLiteral(" seconds");
    setCaption("Label12", QStringLiteral("Time to refresh form is:") + seconds);
}

void Actions::systemTimes() {
    setCaption("Label28", QStringLiteral("Idle:") + numberText(library_.getIdleTime(kMinutes)));
    setCaption("Label29", QStringLiteral("Kernel:") + numberText(library_.getKernelTime(kMinutes)));
    setCaption("Label30", QStringLiteral("User:") + numberText(library_.getUserTime(kMinutes)));
}

void Actions::processorDescription() {
    using Reading = std::int32_t (LibraryBinding::*)(unsigned char *);
    struct Row {
        Reading reading;
        const char *start;
        const char *label;
    };
    static constexpr std::array<Row, 3> kRows = {{
        {&LibraryBinding::processorName, "Name:", "Label23"},
        {&LibraryBinding::processorVendor, "Vendor:", "Label22"},
        {&LibraryBinding::processorIdentifier, "Identifier:", "Label21"},
    }};
    // Byte 1 of the scratch array is scratch[0]; the array lives for this
    // click only.
    std::array<unsigned char, kLentBytes> scratch;
    for (const Row &row : kRows) {
        scratch.fill(0);
        (library_.*row.reading)(scratch.data());
        QString caption = text(row.start);
        // Every non-zero byte of the 255 counts: a zero is skipped, not
        // taken as the end of the string.
        for (std::size_t i = 0; i < kScratchBytes; ++i) {
            if (scratch[i] != 0) caption += westernCharacter(scratch[i]);
        }
        setCaption(row.label, caption);
    }
    setCaption("Label11", QStringLiteral("Speed in MHZ:") + numberText(library_.procSpeed()));
    setCaption("Label25", QStringLiteral("Tick counter per one seccond:") +
                              numberText(library_.frequencyCounter()));
}

void Actions::speedIntoLabel() {
    setCaption("Label16", numberText(library_.procSpeed()));
}

}  // namespace talvex
