#pragma once

#include <cstdint>
#include <string>

// A pseudo-terminal pair for tests: the slave path is what the program opens
// as its serial device, the master plays the receiver. Both sides raw.
class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    const std::string& slavePath() const { return slavePath_; }
    int masterFd() const { return master_; }
    // A slave descriptor opened before the program's: reads the line settings.
    int slaveFd() const { return keeper_; }

    // Writes all bytes to the master (the program reads them).
    void send(const std::string& bytes);
    // Reads from the master what the program wrote: waits up to timeoutMs for
    // the first byte, then collects until quietMs pass without more.
    std::string receive(int timeoutMs, int quietMs = 20);
    // The far end goes away, as a pulled USB adapter would.
    void closeMaster();

private:
    int master_ = -1;
    int keeper_ = -1; // a slave descriptor of our own, so the master never sees EIO
    std::string slavePath_;
};
