#include "tools/receiver-sim/PtyLine.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace sim {
namespace {

constexpr std::size_t kThrottleChunk = 16;        // about 1.4 ms of line time
constexpr std::chrono::milliseconds kCatchUp{10}; // at most a 115-byte burst

std::chrono::nanoseconds lineTime(std::size_t bytes) {
    return std::chrono::nanoseconds(static_cast<int64_t>(bytes * 1e9 / kLineBytesPerSecond));
}

bool makeRaw(int fd) {
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetspeed(&tio, B115200);
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}

} // namespace

PtyLine::PtyLine(bool throttle, const std::string& transcriptPath)
    : throttle_(throttle), started_(std::chrono::steady_clock::now()), outputFreeAt_(started_),
      inputFreeAt_(started_) {
    if (!transcriptPath.empty())
        transcript_ = std::fopen(transcriptPath.c_str(), "w");
}

PtyLine::~PtyLine() {
    hangUp(false);
    if (transcript_)
        std::fclose(transcript_);
}

bool PtyLine::open(std::string& slavePath, std::string& error) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ptsname(master_);
    if (!name) {
        error = "no slave device name";
        return false;
    }
    slavePath = name;
    slaveKeeper_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slaveKeeper_ < 0 || !makeRaw(slaveKeeper_) || !makeRaw(master_)) {
        error = std::string("cannot set up ") + name + ": " + std::strerror(errno);
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    return true;
}

PtyLine::TimePoint PtyLine::lineCatchUpFrom() const {
    // The line is paced on a schedule, not from one byte to the next: after a
    // late wake-up the next few chunks go out sooner, as a UART's FIFO would
    // let them, so the average stays at the line speed. An idle line
    // starts its schedule anew.
    return std::chrono::steady_clock::now() - kCatchUp;
}

void PtyLine::waitUntil(TimePoint when) {
    if (when > std::chrono::steady_clock::now())
        std::this_thread::sleep_until(when);
}

long PtyLine::receive(uint8_t* buffer, std::size_t capacity) {
    if (master_ < 0)
        return -1;
    if (throttle_) {
        waitUntil(inputFreeAt_);
        capacity = std::min(capacity, kThrottleChunk);
    }
    ssize_t n = ::read(master_, buffer, capacity);
    if (n < 0)
        return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
    if (throttle_ && n > 0)
        inputFreeAt_ =
            std::max(inputFreeAt_, lineCatchUpFrom()) + lineTime(static_cast<std::size_t>(n));
    record(buffer, static_cast<std::size_t>(n));
    return n;
}

bool PtyLine::send(const uint8_t* data, std::size_t count, const KeepGoing& keepGoing) {
    std::size_t sent = 0;
    while (sent < count) {
        if (master_ < 0 || !keepGoing())
            return false;
        std::size_t chunk = count - sent;
        if (throttle_) {
            chunk = std::min(chunk, kThrottleChunk);
            waitUntil(outputFreeAt_);
        }
        ssize_t n = ::write(master_, data + sent, chunk);
        if (n < 0) {
            if (errno != EAGAIN && errno != EINTR)
                return false;
            pollfd p{master_, POLLOUT, 0};
            ::poll(&p, 1, 50); // the PC side is not reading yet
            continue;
        }
        sent += static_cast<std::size_t>(n);
        if (throttle_)
            outputFreeAt_ =
                std::max(outputFreeAt_, lineCatchUpFrom()) + lineTime(static_cast<std::size_t>(n));
    }
    if (throttle_)
        waitUntil(outputFreeAt_); // the last byte has left the line
    return true;
}

void PtyLine::waitTaken(std::chrono::milliseconds limit, const KeepGoing& keepGoing) {
    // The kernel moves written bytes to the slave side a little later, so an
    // empty slave queue counts only once it stayed empty for a while.
    int emptyChecks = 0;
    const auto until = std::chrono::steady_clock::now() + limit;
    while (slaveKeeper_ >= 0 && emptyChecks < 5 && std::chrono::steady_clock::now() < until &&
           keepGoing()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        int pending = 0;
        if (ioctl(slaveKeeper_, FIONREAD, &pending) != 0)
            return;
        emptyChecks = pending == 0 ? emptyChecks + 1 : 0;
    }
}

void PtyLine::hangUp(bool deliverPending) {
    // Let the PC side take what is already on its way (at most 2 s), as the
    // bytes before a real line drop would have arrived; then the line goes.
    if (deliverPending)
        waitTaken(std::chrono::seconds(2), [] { return true; });
    if (master_ >= 0)
        ::close(master_);
    if (slaveKeeper_ >= 0)
        ::close(slaveKeeper_);
    master_ = slaveKeeper_ = -1;
}

void PtyLine::record(const uint8_t* data, std::size_t count) {
    if (!transcript_ || count == 0)
        return;
    double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started_)
            .count();
    std::fprintf(transcript_, "%.3f ", ms);
    for (std::size_t i = 0; i < count; ++i) {
        uint8_t b = data[i];
        if (b == '\r')
            std::fputs("\\r", transcript_);
        else if (b == '\n')
            std::fputs("\\n", transcript_);
        else if (b == '\\')
            std::fputs("\\\\", transcript_);
        else if (b >= 0x20 && b < 0x7F)
            std::fputc(b, transcript_);
        else
            std::fprintf(transcript_, "\\x%02X", b);
    }
    std::fputc('\n', transcript_);
    std::fflush(transcript_);
}

} // namespace sim
