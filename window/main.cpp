// talvexview: shows Form1 and runs until it is closed. The program reads no
// command line, settings or files of its own; closing the window ends it
// with status 0.
#include <QApplication>

#include "form.h"
#include "version.h"

int main(int, char *argv[]) {
    // Only the program's own name goes to the toolkit: no option on the
    // command line changes what the program does.
    int argc = 1;
    QApplication application(argc, argv);
    talvex::applyVersion(application);
    talvex::Form form;
    form.show();
    return application.exec();
}
