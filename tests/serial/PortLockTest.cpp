// Lock files of serial devices, in a scratch lock folder of the test's own.
#include "serial/PortLock.h"
#include "serial/CommPort.h"
#include "tests/support/Pty.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

PortLock* neverDestroyed = nullptr; // a lock only the exit of a child removes

std::string pidText(pid_t pid) {
    char text[16];
    std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(pid));
    return text;
}

// A PID whose process has ended (and been reaped).
pid_t deadPid() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

std::string contentOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return file ? content.str() : "<none>";
}

void put(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

class PortLockTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string folder() const { return dir.path().toStdString(); }
    std::string lockFile() const { return folder() + "/LCK..ttyQV7"; }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PortLockTest, ExistingLocksRefuseOnlyWhileTheirOwnerLives) {
    const struct {
        const char* what;
        std::string content; // "<none>": no lock file
        PortLock::Outcome outcome;
    } cases[] = {
        {"no lock", "<none>", PortLock::Outcome::Locked},
        {"live owner", pidText(getpid()), PortLock::Outcome::HeldByOther},
        {"live owner, bare digits", std::to_string(getpid()), PortLock::Outcome::HeldByOther},
        {"dead owner", pidText(deadPid()), PortLock::Outcome::Locked},
        {"garbage", "not a pid\n", PortLock::Outcome::Locked},
        {"empty", "", PortLock::Outcome::Locked},
        {"negative", pidText(-5), PortLock::Outcome::Locked},
    };
    for (const auto& c : cases) {
        std::remove(lockFile().c_str());
        if (c.content != "<none>")
            put(lockFile(), c.content);
        PortLock lock(folder());
        EXPECT_EQ(lock.acquire("/dev/ttyQV7"), c.outcome) << c.what;
        const bool taken = c.outcome == PortLock::Outcome::Locked;
        EXPECT_EQ(lock.held(), taken) << c.what;
        // Taken: our PID in the usual form; refused: the owner's lock untouched.
        EXPECT_EQ(contentOf(lockFile()), taken ? pidText(getpid()) : c.content) << c.what;
        EXPECT_EQ(lock.otherOwner(), taken ? 0 : getpid()) << c.what;
    }
    // The last lock went with its owner, and no temporary file was left.
    EXPECT_TRUE(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

TEST_F(PortLockTest, ReleaseDestructorAndExitRemoveTheLock) {
    {
        PortLock lock(folder());
        ASSERT_EQ(lock.acquire("/dev/ttyQV7"), PortLock::Outcome::Locked);
        EXPECT_EQ(lock.lockPath(), lockFile());
        PortLock second(folder());
        EXPECT_EQ(second.acquire("/dev/ttyQV7"), PortLock::Outcome::HeldByOther);
        second.release(); // holds nothing: removes nothing
        lock.release();
        EXPECT_EQ(contentOf(lockFile()), "<none>");
        ASSERT_EQ(lock.acquire("/dev/ttyQV7"), PortLock::Outcome::Locked);
    }
    EXPECT_EQ(contentOf(lockFile()), "<none>") << "destructor";

    // A program that ends through exit() with the lock held.
    const pid_t child = fork();
    if (child == 0) {
        neverDestroyed = new PortLock(folder());
        std::exit(neverDestroyed->acquire("/dev/ttyQV7") == PortLock::Outcome::Locked ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(contentOf(lockFile()), "<none>") << "at exit";
}

TEST_F(PortLockTest, CommPortHonoursTheLock) {
    const char* given = std::getenv("QUELVOX_LOCK_DIR");
    const std::string before = given ? given : "";
    ASSERT_EQ(setenv("QUELVOX_LOCK_DIR", folder().c_str(), 1), 0);
    Pty pty;
    const std::string lockPath = folder() + "/" + PortLock::lockFileName(pty.slavePath());
    VirtualClock clock;
    TCommPort port(clock);
    port.SetPort(pty.slavePath());

    // Another live program's lock: the open error, the lock stays.
    put(lockPath, pidText(getppid()));
    try {
        port.Open();
        ADD_FAILURE() << "opened a locked port";
    } catch (const ECommError& error) {
        EXPECT_EQ(error.ErrorCode, CE_OpenFailed);
    }
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(contentOf(lockPath), pidText(getppid()));

    // A dead program's lock is taken over, and goes on close.
    put(lockPath, pidText(deadPid()));
    port.Open();
    EXPECT_EQ(contentOf(lockPath), pidText(getpid()));
    port.Close();
    EXPECT_EQ(contentOf(lockPath), "<none>");

    // No lock folder: the port opens all the same.
    ASSERT_EQ(setenv("QUELVOX_LOCK_DIR", (folder() + "/missing").c_str(), 1), 0);
    port.Open();
    EXPECT_TRUE(port.IsOpen());
    port.Close();
    setenv("QUELVOX_LOCK_DIR", before.c_str(), 1);
}
