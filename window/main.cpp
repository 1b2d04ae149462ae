// talvexview: shows Form1 and runs until it is closed. The program reads no
// command line, settings or files of its own; closing the window ends it
// with status 0. The library is loaded by the first action that calls it;
// if it or one of its functions is missing, the program reports it and
// ends with status 1.
#include <QApplication>

#include "actions.h"
#include "form.h"
#include "library_binding.h"
#include "version.h"

int main(int, char *argv[]) {
    // Only the program's own name goes to the toolkit: no option on the
    // command line changes what the program does.
    int argc = 1;
    QApplication application(argc, argv);
    talvex::applyVersion(application);
    talvex::LibraryBinding library;
    talvex::Form form;
    talvex::Actions actions(form, library);
    form.show();
    return application.exec();
}
