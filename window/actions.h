// The window's five actions: the four buttons and a click on Label16. Each
// calls the library afresh and writes what it gets into captions of Form1;
// nothing else is kept between actions.
#pragma once

#include <QObject>
#include <cstddef>

#include "form.h"
#include "library_binding.h"

namespace talvex {

class Actions : public QObject {
    Q_OBJECT

  public:
    // The scratch array read after each processor string call: 255 bytes.
    static constexpr std::size_t kScratchBytes = 255;
    // What is lent to the library: it writes n + 2 bytes for a value of n
    // bytes, n at most 255, so 257 bytes hold whatever it may write.
    static constexpr std::size_t kLentBytes = kScratchBytes + 2;

    // Connects the actions to the form's buttons and Label16.
    Actions(Form &form, LibraryBinding &library, QObject *parent = nullptr);

    void memoryFigures();         // Command1, "Get Memory Size"
    void timeRepaint();           // Command2, "Test High timer"
    void systemTimes();           // Command3, "Check System time "
    void processorDescription();  // Command5, "Get CPU information"
    void speedIntoLabel();        // Label16

  private:
    void setCaption(const char *label, const QString &caption);

    Form &form_;
    LibraryBinding &library_;
};

}  // namespace talvex
