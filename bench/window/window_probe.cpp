// The window's figures on Qt's offscreen platform, one line each:
//  - time from starting the program to its first painted frame,
//  - its peak resident memory,
//  - the "Time to refresh form" that "Test High timer" shows, median of 20
//    presses.
// The probe starts itself again as the window (the same code talvexview
// runs: form, actions, library bound by name) and times that child from
// before its fork; the child reports its first frame and the pressed
// figures through a pipe.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "actions.h"
#include "form.h"
#include "library_binding.h"

namespace {

constexpr int kPresses = 20;
constexpr const char *kChildFlag = "--window";

void send(int fd, const std::string &line) {
    const std::string text = line + "\n";
    if (write(fd, text.data(), text.size()) != ssize_t(text.size())) std::_Exit(3);
}

// The repaint figure as the window shows it, median of the presses.
double medianRefresh(talvex::Form &form) {
    std::vector<double> seconds;
    const QString prefix = QStringLiteral("Time to refresh form is:");
    for (int i = 0; i < kPresses; ++i) {
        form.button("Command2")->click();
        QString caption = form.label("Label12")->caption().mid(prefix.size());
        caption.chop(QStringLiteral(" seconds").size());
        seconds.push_back(caption.trimmed().toDouble());
    }
    std::sort(seconds.begin(), seconds.end());
    return (seconds[kPresses / 2 - 1] + seconds[kPresses / 2]) / 2;
}

// Once the form's first paint event has been handled: reports the frame,
// presses "Test High timer" and ends the window.
class FirstFrame : public QObject {
  public:
    FirstFrame(talvex::Form &form, int fd) : form_(form), fd_(fd) {}
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                send(fd_, "painted");
                send(fd_, "refresh " + std::to_string(medianRefresh(form_)));
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    talvex::Form &form_;
    int fd_;
    bool seen_ = false;
};

int runWindow(int fd) {
    int argc = 1;
    char name[] = "talvexview";
    char *argv[] = {name, nullptr};
    QApplication application(argc, argv);
    talvex::LibraryBinding library;
    talvex::Form form;
    talvex::Actions actions(form, library);
    FirstFrame firstFrame(form, fd);
    form.installEventFilter(&firstFrame);
    form.show();
    return application.exec();
}

}  // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], kChildFlag) == 0) return runWindow(std::atoi(argv[2]));

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int fds[2];
    if (pipe(fds) != 0) return 1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execl("/proc/self/exe", argv[0], kChildFlag, fd.c_str(), static_cast<char *>(nullptr));
        std::_Exit(127);
    }
    close(fds[1]);
    FILE *reports = fdopen(fds[0], "r");
    char line[128];
    double firstFrameMs = -1, refresh = -1;
    while (reports && std::fgets(line, sizeof line, reports)) {
        if (std::strcmp(line, "painted\n") == 0) {
            firstFrameMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
        } else if (std::sscanf(line, "refresh %lf", &refresh) != 1) {
            std::fprintf(stderr, "window probe: unexpected report: %s", line);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || firstFrameMs < 0 || refresh < 0) {
        std::fprintf(stderr, "window probe: the window did not finish (status %d)\n", status);
        return 1;
    }
    std::printf("talvexview start to first painted frame: %.1f ms\n", firstFrameMs);
    std::printf("talvexview peak resident memory: %ld KiB\n", usage.ru_maxrss);
    std::printf("talvexview time to refresh form, median of %d presses: %.6f s\n", kPresses,
                refresh);
    return 0;
}
