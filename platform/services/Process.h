#pragma once
// Starting an external program and waiting for it. The program gets
// argv = {its path} and no shell is involved. A started program is never
// stopped by us; once it ends it is reaped, also when nobody waits any more.
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

// A program that was started.
class IProcess {
public:
    virtual ~IProcess() = default;
    // Polls without blocking: true while the program runs.
    virtual bool Running() = 0;
    // The exit code once the program ended (128 + signal number when a
    // signal ended it); -1 while it runs.
    virtual int ExitCode() = 0;
    // The system's process id.
    virtual int64_t Pid() const = 0;

    // Polls in 10 ms steps until the program ended or limitMs passed on the
    // tick counter; true when it ended. Note: the program is left running
    // when the limit is reached.
    virtual bool WaitFor(uint32_t limitMs);
};

// Starts programs; the real one by default, a test double when set.
class IProcessLauncher {
public:
    virtual ~IProcessLauncher() = default;
    // Starts program in workDir (the current folder when empty). Returns
    // nullptr and sets *error (when given) to the reason when it could not
    // be started.
    virtual std::unique_ptr<IProcess> Start(const QString& program, const QString& workDir,
                                            QString* error = nullptr) = 0;
};

// Starts with fork and exec; an exec failure reaches the caller.
// Note: dropping the IProcess of a running program hands it to a reaper
// that collects it when it ends.
class TProcessLauncher : public IProcessLauncher {
public:
    std::unique_ptr<IProcess> Start(const QString& program, const QString& workDir,
                                    QString* error = nullptr) override;
};

// A launcher for tests: nothing is started. Each "program" runs for RunMs
// on the tick counter (negative: until the end of the test) and then ends
// with ExitCode. With a TFakeClock in use, WaitFor moves the clock instead
// of sleeping.
class TFakeProcessLauncher : public IProcessLauncher {
public:
    struct TStart {
        QString Program;
        QString WorkDir;
    };

    std::unique_ptr<IProcess> Start(const QString& program, const QString& workDir,
                                    QString* error = nullptr) override;

    QList<TStart> Started;
    // Non-empty: every start fails with this reason (and is not recorded).
    QString FailWith;
    int64_t RunMs = 0;
    int ExitCode = 0;
};

// The launcher in use; the real one unless replaced.
IProcessLauncher& ProcessLauncher();
// Replaces the process-wide launcher; nullptr restores the real one.
// Note: the caller keeps ownership and must restore it before freeing.
void SetProcessLauncher(IProcessLauncher* launcher);
