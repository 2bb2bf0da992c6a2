#include "serial/PortLock.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int TakeOverAttempts = 5;

bool writableFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode) && ::access(path, W_OK | X_OK) == 0;
}

// Who holds a lock file: nobody (no file), a live process, or nobody alive
// (a dead owner, or content that names no process).
struct Owner {
    enum { None, Live, Stale } state;
    pid_t pid;
};

// The PID of a lock file's content: ASCII digits with blanks around (the
// usual form), or the four binary bytes older programs wrote. 0 for anything
// else.
pid_t parsePid(const char* data, ssize_t size) {
    if (size == static_cast<ssize_t>(sizeof(int32_t)) &&
        std::none_of(data, data + size, [](char c) { return c == ' ' || c == '\n'; })) {
        const bool ascii =
            std::all_of(data, data + size, [](char c) { return c >= '0' && c <= '9'; });
        if (!ascii) {
            int32_t binary = 0;
            std::memcpy(&binary, data, sizeof binary);
            return binary > 0 ? binary : 0;
        }
    }
    ssize_t i = 0;
    while (i < size && (data[i] == ' ' || data[i] == '\t'))
        ++i;
    long long pid = 0;
    const ssize_t digitsFrom = i;
    for (; i < size && data[i] >= '0' && data[i] <= '9'; ++i) {
        pid = pid * 10 + (data[i] - '0');
        if (pid > INT_MAX)
            return 0;
    }
    if (i == digitsFrom)
        return 0;
    for (; i < size; ++i) {
        if (data[i] != ' ' && data[i] != '\t' && data[i] != '\n' && data[i] != '\r')
            return 0;
    }
    return static_cast<pid_t>(pid);
}

// Async-signal-safe: a signal handler asks it too.
Owner ownerOf(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? Owner::None : Owner::Stale, 0};
    char data[64];
    const ssize_t size = ::read(fd, data, sizeof data);
    ::close(fd);
    const pid_t pid = size > 0 ? parsePid(data, size) : 0;
    // EPERM: the process exists but belongs to someone else.
    if (pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM))
        return {Owner::Live, pid};
    return {Owner::Stale, pid};
}

Owner ownerOf(const std::string& path) {
    return ownerOf(path.c_str());
}

// The lock files held, also for a signal handler, which may neither lock
// nor allocate: fixed slots, each published by its flag.
struct SignalSafeSlot {
    std::atomic<bool> used{false};
    char path[PATH_MAX]{};
};
constexpr std::size_t SignalSafeSlots = 8;
SignalSafeSlot signalSafeSlots[SignalSafeSlots];

void publish(const std::string& path) {
    if (path.size() >= PATH_MAX)
        return;
    for (SignalSafeSlot& slot : signalSafeSlots) {
        if (!slot.used.load(std::memory_order_acquire)) {
            std::memcpy(slot.path, path.c_str(), path.size() + 1);
            slot.used.store(true, std::memory_order_release);
            return;
        }
    }
}

void unpublish(const std::string& path) {
    for (SignalSafeSlot& slot : signalSafeSlots)
        if (slot.used.load(std::memory_order_acquire) && path == slot.path)
            slot.used.store(false, std::memory_order_release);
}

void removeOnSignal(int signal) {
    PortLock::removeHeldLocksNow();
    ::raise(signal); // the handler was reset: the signal now does what it did before
}

// Locks held by this process, removed at exit if still there. Never
// destroyed: a port closed by a static object's destructor still finds it.
struct HeldLocks {
    std::mutex mutex;
    std::vector<std::string> paths;
    bool hooked = false;
};

HeldLocks& heldLocks() {
    static HeldLocks* locks = new HeldLocks;
    return *locks;
}

// Removes the lock file only while it still names this process.
void removeOwnLock(const std::string& path) {
    const Owner owner = ownerOf(path);
    if (owner.state == Owner::Live && owner.pid == ::getpid())
        ::unlink(path.c_str());
}

void removeAllAtExit() {
    HeldLocks& locks = heldLocks();
    std::lock_guard guard(locks.mutex);
    for (const std::string& path : locks.paths) {
        removeOwnLock(path);
        unpublish(path);
    }
    locks.paths.clear();
}

void remember(const std::string& path) {
    HeldLocks& locks = heldLocks();
    std::lock_guard guard(locks.mutex);
    locks.paths.push_back(path);
    publish(path);
    if (!locks.hooked)
        locks.hooked = std::atexit(removeAllAtExit) == 0;
}

void forget(const std::string& path) {
    HeldLocks& locks = heldLocks();
    std::lock_guard guard(locks.mutex);
    auto found = std::find(locks.paths.begin(), locks.paths.end(), path);
    if (found != locks.paths.end())
        locks.paths.erase(found);
    unpublish(path);
}

// A file in the lock folder holding our PID, for link() to put in place
// atomically. Empty when the folder cannot be written.
std::string writeCandidate(const std::string& folder) {
    std::string name = folder + "/LTMP.XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return {};
    char content[16];
    const int length =
        std::snprintf(content, sizeof content, "%10d\n", static_cast<int>(::getpid()));
    const bool written = ::fchmod(fd, 0644) == 0 && ::write(fd, content, length) == length;
    if (::close(fd) != 0 || !written) {
        ::unlink(name.c_str());
        return {};
    }
    return name;
}

} // namespace

PortLock::PortLock(std::string folder) : folder_(std::move(folder)) {}

PortLock::~PortLock() {
    release();
}

std::string PortLock::defaultFolder() {
    const char* chosen = std::getenv("QUELVOX_LOCK_DIR");
    if (chosen != nullptr && *chosen != '\0')
        return chosen;
    return writableFolder("/run/lock") ? "/run/lock" : "/var/lock";
}

std::string PortLock::lockFileName(const std::string& devicePath) {
    // Links such as /dev/serial/by-id/... lock the device they point to.
    std::string device = devicePath;
    if (char* resolved = ::realpath(devicePath.c_str(), nullptr)) {
        device = resolved;
        std::free(resolved);
    }
    const std::size_t slash = device.find_last_of('/');
    return "LCK.." + (slash == std::string::npos ? device : device.substr(slash + 1));
}

PortLock::Outcome PortLock::acquire(const std::string& devicePath) {
    release();
    otherOwner_ = 0;
    const std::string folder = folder_.empty() ? defaultFolder() : folder_;
    const std::string path = folder + "/" + lockFileName(devicePath);

    std::string candidate;
    Outcome outcome = Outcome::HeldByOther; // should every attempt lose a race
    for (int attempt = 0; attempt < TakeOverAttempts; ++attempt) {
        const Owner owner = ownerOf(path);
        if (owner.state == Owner::Live) {
            otherOwner_ = owner.pid;
            outcome = Outcome::HeldByOther;
            break;
        }
        // A stale lock goes first. Two programs taking over the same stale
        // lock at once could both succeed here; the exclusive open of the
        // device still keeps the second away.
        if (owner.state == Owner::Stale && ::unlink(path.c_str()) != 0 && errno != ENOENT) {
            outcome = Outcome::NoLockFolder;
            break;
        }
        if (candidate.empty())
            candidate = writeCandidate(folder);
        if (candidate.empty()) {
            outcome = Outcome::NoLockFolder;
            break;
        }
        if (::link(candidate.c_str(), path.c_str()) == 0) {
            path_ = path;
            remember(path_);
            outcome = Outcome::Locked;
            break;
        }
        if (errno != EEXIST) {
            outcome = Outcome::NoLockFolder;
            break;
        }
        // Someone else got there between our look and our link: look again.
    }
    if (!candidate.empty())
        ::unlink(candidate.c_str());
    return outcome;
}

void PortLock::release() {
    if (path_.empty())
        return;
    removeOwnLock(path_);
    forget(path_);
    path_.clear();
}

void PortLock::removeHeldLocksNow() {
    const pid_t self = ::getpid();
    for (SignalSafeSlot& slot : signalSafeSlots) {
        if (!slot.used.load(std::memory_order_acquire))
            continue;
        const Owner owner = ownerOf(slot.path);
        if (owner.state == Owner::Live && owner.pid == self)
            ::unlink(slot.path);
    }
}

void PortLock::removeLocksOnDeadlySignals() {
    // Signals that end the program and still let it run a handler. The
    // faults only where no one (a sanitizer, a debugger) handles them yet.
    static constexpr int ending[] = {SIGINT,  SIGTERM, SIGHUP,  SIGQUIT,   SIGPIPE,
                                     SIGALRM, SIGUSR1, SIGUSR2, SIGVTALRM, SIGPROF};
    static constexpr int faults[] = {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL};
    struct sigaction action {};
    action.sa_handler = removeOnSignal;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    auto install = [&action](int signal, bool onlyOverDefault) {
        struct sigaction before {};
        if (::sigaction(signal, nullptr, &before) != 0 || before.sa_handler == SIG_IGN)
            return;
        if (onlyOverDefault &&
            ((before.sa_flags & SA_SIGINFO) != 0 || before.sa_handler != SIG_DFL))
            return;
        ::sigaction(signal, &action, nullptr);
    };
    for (const int signal : ending)
        install(signal, false);
    for (const int signal : faults)
        install(signal, true);
}
