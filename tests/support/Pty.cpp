#include "tests/support/Pty.h"

#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

Pty::Pty() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0)
        throw std::runtime_error("no pseudo-terminal name");
    slavePath_ = name;
    keeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (keeper_ < 0)
        throw std::runtime_error("cannot open the pseudo-terminal");
    termios tio{};
    tcgetattr(keeper_, &tio);
    cfmakeraw(&tio);
    tcsetattr(keeper_, TCSANOW, &tio);
}

Pty::~Pty() {
    if (keeper_ >= 0)
        ::close(keeper_);
    closeMaster();
}

void Pty::send(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            throw std::runtime_error("pseudo-terminal write failed");
        done += static_cast<size_t>(n);
    }
}

std::string Pty::receive(int timeoutMs, int quietMs) {
    std::string bytes;
    int wait = timeoutMs;
    for (;;) {
        pollfd pfd{master_, POLLIN, 0};
        if (::poll(&pfd, 1, wait) <= 0 || !(pfd.revents & POLLIN))
            return bytes;
        char chunk[4096];
        const ssize_t n = ::read(master_, chunk, sizeof chunk);
        if (n <= 0)
            return bytes;
        bytes.append(chunk, static_cast<size_t>(n));
        wait = quietMs;
    }
}

void Pty::closeMaster() {
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}
