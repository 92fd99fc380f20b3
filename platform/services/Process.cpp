#include "platform/services/Process.h"

#include "platform/rtl/Clock.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

bool IProcess::WaitFor(uint32_t limitMs)
{
    const uint64_t start = GetTickCount64();
    // Each step sleeps at least 10 ms, so the step count also ends the wait
    // when the tick counter stands still (a test's fixed clock).
    for (uint64_t slept = 0;; slept += 10) {
        if (!Running())
            return true;
        if (GetTickCount64() - start >= limitMs || slept >= limitMs)
            return false;
        usleep(10 * 1000);
    }
}

namespace {

class TChildProcess : public IProcess {
public:
    explicit TChildProcess(pid_t pid) : FPid(pid) {}

    ~TChildProcess() override
    {
        if (!Running())
            return;
        // Nobody waits any more: a detached reaper collects the program
        // when it ends, so no zombie stays behind.
        const pid_t pid = FPid;
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    }

    bool Running() override
    {
        if (FEnded)
            return false;
        int status = 0;
        pid_t r;
        do
            r = waitpid(FPid, &status, WNOHANG);
        while (r < 0 && errno == EINTR);
        if (r == 0)
            return true;
        FEnded = true;
        if (r == FPid) {
            if (WIFEXITED(status))
                FExitCode = WEXITSTATUS(status);
            else if (WIFSIGNALED(status))
                FExitCode = 128 + WTERMSIG(status);
        }
        return false;
    }

    int ExitCode() override { return Running() ? -1 : FExitCode; }
    int64_t Pid() const override { return FPid; }

private:
    pid_t FPid;
    bool FEnded = false;
    int FExitCode = -1;
};

IProcessLauncher* GLauncher = nullptr;

} // namespace

std::unique_ptr<IProcess> TProcessLauncher::Start(const QString& program, const QString& workDir,
                                                  QString* error)
{
    const QByteArray path = QFile::encodeName(program);
    const QByteArray dir = QFile::encodeName(workDir);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    if (!dir.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, dir.constData());
    // The child starts with no blocked signals and default handlers,
    // whatever this process set up for its own threads.
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &all);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    pid_t pid = 0;
    const int rc = path.isEmpty() ? ENOENT
                                  : posix_spawn(&pid, path.constData(), &actions, &attr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) {
        if (error)
            *error = QString::fromLocal8Bit(strerror(rc));
        return nullptr;
    }
    return std::make_unique<TChildProcess>(pid);
}

// TFakeProcessLauncher

namespace {

class TFakeProcess : public IProcess {
public:
    TFakeProcess(int64_t runMs, int exitCode, int64_t pid)
        : FStart(GetTickCount64()), FRunMs(runMs), FExitCode(exitCode), FPid(pid)
    {
    }

    bool Running() override
    {
        return FRunMs < 0 || GetTickCount64() - FStart < uint64_t(FRunMs);
    }
    int ExitCode() override { return Running() ? -1 : FExitCode; }
    int64_t Pid() const override { return FPid; }

    bool WaitFor(uint32_t limitMs) override
    {
        auto* fake = dynamic_cast<TFakeClock*>(&Clock());
        if (!fake)
            return IProcess::WaitFor(limitMs);
        if (!Running())
            return true;
        const uint64_t left = FRunMs < 0 ? UINT64_MAX : FStart + uint64_t(FRunMs) - GetTickCount64();
        if (left <= limitMs) {
            fake->Advance(left);
            return true;
        }
        fake->Advance(limitMs);
        return false;
    }

private:
    uint64_t FStart;
    int64_t FRunMs;
    int FExitCode;
    int64_t FPid;
};

} // namespace

std::unique_ptr<IProcess> TFakeProcessLauncher::Start(const QString& program, const QString& workDir,
                                                      QString* error)
{
    if (!FailWith.isEmpty()) {
        if (error)
            *error = FailWith;
        return nullptr;
    }
    Started << TStart{program, workDir};
    return std::make_unique<TFakeProcess>(RunMs, ExitCode, 100000 + Started.size());
}

IProcessLauncher& ProcessLauncher()
{
    static TProcessLauncher real;
    return GLauncher ? *GLauncher : real;
}

void SetProcessLauncher(IProcessLauncher* launcher)
{
    GLauncher = launcher;
}
