// Entry of the walk under a real X server: starts an Xvfb of its own, so
// the test runs where no display is (CI), and exits with 77 (skipped) when
// Xvfb or xdotool is missing. "--screenshots DIR" keeps pictures of the
// main window and the editors in DIR; with it an X server named by DISPLAY
// (xvfb-run) is used when there is one.
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/support/PinnedLook.h"
#include "tests/support/StartInProgramFolder.h"
#include "XWalk.h"
#include <QApplication>
#include <QStandardPaths>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int Skipped = 77;

// Starts "Xvfb -displayfd" and returns its pid; Display receives ":N".
pid_t Start_Xvfb(const std::string& Xvfb, std::string& Display)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string fd = std::to_string(fds[1]);
    const char* argv[] = {Xvfb.c_str(), "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                          "-noreset", nullptr};
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, Xvfb.c_str(), &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return -1;
    }
    // The server writes its display number once it accepts connections.
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 15000) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        return -1;
    }
    Display = ":" + number;
    return pid;
}

} // namespace

int main(int argc, char** argv)
{
    StartInProgramFolder();
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--screenshots")
            XWalk_Screenshot_Dir = QString::fromLocal8Bit(argv[i + 1]);

    const std::string xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb")).toStdString();
    const std::string xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool")).toStdString();
    if (xdotool.empty() || (xvfb.empty() && !(XWalk_Screenshot_Dir.size() && getenv("DISPLAY")))) {
        std::printf("Skipped: the walk under X needs Xvfb and xdotool (scripts/setup.sh installs them).\n");
        return Skipped;
    }
    pid_t server = -1;
    if (XWalk_Screenshot_Dir.isEmpty() || !getenv("DISPLAY")) {
        std::string display;
        server = Start_Xvfb(xvfb, display);
        if (server < 0) {
            std::fprintf(stderr, "Xvfb did not start.\n");
            return 1;
        }
        setenv("DISPLAY", display.c_str(), 1);
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    PinScreenEnvironment();
    int result = 1;
    {
        QApplication app(argc, argv);
        PinFonts();
        testing::InitGoogleTest(&argc, argv);
        SetTestFormatSettings();
        result = RUN_ALL_TESTS();
    }
    if (server > 0) {
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }
    return result;
}
