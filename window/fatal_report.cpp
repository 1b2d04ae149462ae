#include "fatal_report.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

namespace talvex {

void reportAndExit(const QString &message) {
    std::fprintf(stderr, "talvexview: %s\n", qUtf8Printable(message));
    std::fflush(stderr);
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("talvexview"), message);
    // The report is called from inside an action with the event loop and
    // the window still running; nothing is left to save, so the process
    // ends here without unwinding through the toolkit.
    std::fflush(stdout);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace talvex
