#include "platform/services/Process.h"
#include "platform/rtl/Clock.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include "tests/support/FileBytes.h"

namespace {

// Writes an executable shell script and returns its path.
QString WriteStub(const QTemporaryDir& dir, const QString& name, const QByteArray& body,
                  bool executable = true)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + body);
    f.close();
    ::chmod(QFile::encodeName(path).constData(), executable ? 0755 : 0644);
    return path;
}

// True once the process entry is gone (ended and reaped, not a zombie).
bool ProcessGone(int64_t pid)
{
    for (int i = 0; i < 1000; ++i) {
        if (!QFile::exists(QStringLiteral("/proc/%1").arg(pid)))
            return true;
        usleep(10 * 1000);
    }
    return false;
}

TEST(ProcessStart, RunsInWorkDirWithoutArgumentsAndReturnsExitCode)
{
    QTemporaryDir dir;
    QTemporaryDir work;
    const QString stub = WriteStub(dir, "stub", "pwd > out.txt\necho \"$#\" >> out.txt\nexit 3\n");
    QString error;
    auto p = ProcessLauncher().Start(stub, work.path(), &error);
    ASSERT_TRUE(p) << error.toStdString();
    EXPECT_TRUE(p->WaitFor(20000));
    EXPECT_FALSE(p->Running());
    EXPECT_EQ(p->ExitCode(), 3);
    EXPECT_EQ(ReadBytes(work.filePath("out.txt")),
              QFile::encodeName(QDir(work.path()).canonicalPath()) + "\n0\n");
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/%1").arg(p->Pid())));
}

TEST(ProcessStart, FailureToStartIsReported)
{
    QTemporaryDir dir;
    const QString plain = WriteStub(dir, "plain", "exit 0\n", false);
    const QString good = WriteStub(dir, "good", "exit 0\n");
    struct Case {
        const char* name;
        QString program;
        QString workDir;
    } cases[] = {
        {"missing program", dir.filePath("nothing"), QString()},
        {"not executable", plain, QString()},
        {"empty name", QString(), QString()},
        {"missing work folder", good, dir.filePath("no/such/dir")},
    };
    for (const Case& c : cases) {
        QString error;
        auto p = ProcessLauncher().Start(c.program, c.workDir, &error);
        EXPECT_FALSE(p) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
}

TEST(ProcessStart, ProgramStillRunningAtLimitIsLeftRunningThenReaped)
{
    QTemporaryDir dir;
    const QString go = dir.filePath("go");
    const QString stub = WriteStub(dir, "stub",
                                   "while [ ! -e \"" + QFile::encodeName(go) + "\" ]; do sleep 0.01; done\n");
    auto p = ProcessLauncher().Start(stub, dir.path());
    ASSERT_TRUE(p);
    const int64_t pid = p->Pid();
    EXPECT_FALSE(p->WaitFor(50));
    EXPECT_TRUE(p->Running());
    EXPECT_EQ(p->ExitCode(), -1);
    p.reset();
    EXPECT_EQ(::kill(pid, 0), 0) << "dropping the handle must not stop the program";

    QFile(go).open(QIODevice::WriteOnly);
    EXPECT_TRUE(ProcessGone(pid)) << "the ended program stays a zombie";
}

TEST(ProcessStart, FakeLauncherRunsOnTheTickCounter)
{
    TFakeClock clock(0, 5000);
    SetClock(&clock);
    TFakeProcessLauncher fake;
    SetProcessLauncher(&fake);

    fake.RunMs = 1000;
    fake.ExitCode = 4;
    auto p = ProcessLauncher().Start("/opt/tool/updater", "/opt/tool");
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->Running());
    EXPECT_TRUE(p->WaitFor(150000));
    EXPECT_EQ(clock.GetTickCount64(), 6000u);
    EXPECT_EQ(p->ExitCode(), 4);

    fake.RunMs = -1;
    p = ProcessLauncher().Start("/opt/tool/updater", QString());
    EXPECT_FALSE(p->WaitFor(150000));
    EXPECT_EQ(clock.GetTickCount64(), 156000u);
    EXPECT_TRUE(p->Running());

    fake.FailWith = "No such file or directory";
    QString error;
    EXPECT_FALSE(ProcessLauncher().Start("/opt/tool/updater", QString(), &error));
    EXPECT_EQ(error, fake.FailWith);
    ASSERT_EQ(fake.Started.size(), 2);
    EXPECT_EQ(fake.Started[0].WorkDir, "/opt/tool");

    SetProcessLauncher(nullptr);
    SetClock(nullptr);
}

} // namespace
