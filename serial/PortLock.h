#pragma once

#include <string>
#include <sys/types.h>

// The lock file serial programs on Linux agree on: "LCK..<device name>" in
// the lock folder, holding the owner's PID as ten characters, right-aligned,
// and a newline. Whoever finds a lock of a live process keeps off the device;
// a lock whose owner is gone, or that cannot be read, is taken over.
//
// The lock held is removed by release, by the destructor and, should the
// program end through exit() with the lock still held, at exit; a program
// that may end by a signal or _Exit removes it with removeHeldLocksNow.
class PortLock {
public:
    enum class Outcome {
        Locked,      // the lock file is ours
        HeldByOther, // a live process holds the device
        NoLockFolder // the folder cannot be written; the device is not locked
    };

    // An empty folder means the usual one, looked up at each acquire:
    // $QUELVOX_LOCK_DIR when set, else /run/lock when writable, else /var/lock.
    explicit PortLock(std::string folder = {});
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

    // Locks the device (a path; links are followed to the device they name).
    // Holding a lock already, it is released first.
    Outcome acquire(const std::string& devicePath);
    void release();

    bool held() const { return !path_.empty(); }
    // The lock file held, empty when none.
    const std::string& lockPath() const { return path_; }
    // The PID found in the lock that turned the last acquire away, else 0.
    pid_t otherOwner() const { return otherOwner_; }

    // "LCK..ttyUSB0" for /dev/ttyUSB0.
    static std::string lockFileName(const std::string& devicePath);
    static std::string defaultFolder();

    // Removes every lock file this process holds, if it still names this
    // process. Async-signal-safe: for a signal handler, or before _Exit.
    static void removeHeldLocksNow();
    // Has every signal that would end the program without exit()
    // (SIGINT, SIGTERM, SIGHUP, SIGQUIT, ..., and the faults nobody handles
    // yet) remove the held locks first and then end the program as before.
    // A signal that is ignored or blocked and waited for stays so.
    static void removeLocksOnDeadlySignals();

private:
    std::string folder_;
    std::string path_;
    pid_t otherOwner_ = 0;
};
