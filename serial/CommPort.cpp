#include "serial/CommPort.h"

#include "serial/PortList.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Read time-outs of the receiver dialogue: the first byte must come within
// capacity x 1 ms + 250 ms; a burst ends after a 15 ms gap.
constexpr int64_t ReadIntervalMs = 15;
constexpr int64_t ReadTotalMultiplierMs = 1;
constexpr int64_t ReadTotalConstantMs = 250;
// A write of N bytes may take at most N x 1 ms + 250 ms.
constexpr int64_t WriteTotalMultiplierMs = 1;
constexpr int64_t WriteTotalConstantMs = 250;

struct BaudEntry {
    uint32_t rate;
    speed_t speed;
};

constexpr BaudEntry BaudTable[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000},
};

bool speedFor(uint32_t rate, speed_t& speed) {
    for (const auto& entry : BaudTable) {
        if (entry.rate == rate) {
            speed = entry.speed;
            return true;
        }
    }
    return false;
}

// The control block's byte size, parity and stop-bit numbers in termios terms.
struct FlagEntry {
    uint8_t value;
    tcflag_t flags;
};

constexpr FlagEntry ByteSizeTable[] = {{5, CS5}, {6, CS6}, {7, CS7}, {8, CS8}};

// 0 none, 1 odd, 2 even, 3 mark, 4 space.
constexpr FlagEntry ParityTable[] = {
    {0, 0}, {1, PARENB | PARODD}, {2, PARENB}, {3, PARENB | PARODD | CMSPAR}, {4, PARENB | CMSPAR},
};

// 0 one, 2 two. 1 (one and a half) has no termios equivalent.
constexpr FlagEntry StopBitsTable[] = {{0, 0}, {2, CSTOPB}};

template <size_t N> bool flagsFor(const FlagEntry (&table)[N], uint8_t value, tcflag_t& flags) {
    for (const auto& entry : table) {
        if (entry.value == value) {
            flags = entry.flags;
            return true;
        }
    }
    return false;
}

int64_t monotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int pollTimeout(int64_t deadline) {
    return static_cast<int>(std::max<int64_t>(0, deadline - monotonicMs()));
}

[[noreturn]] void fail(uint8_t code, int systemError) {
    throw ECommError(code, systemError);
}

// Serial lines are character devices; anything else gets no lock file and
// fails on its own when opened as a terminal.
bool isCharacterDevice(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode);
}

} // namespace

TCommPort::TCommPort(Clock& clock) : clock_(clock) {
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

TCommPort::~TCommPort() {
    try {
        Close();
    } catch (const ECommError&) {
        // Nothing sensible is left to do with a handle that would not close.
    }
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

void TCommPort::SetPort(const std::string& portNumber) {
    if (isOpen_)
        fail(CE_PortIsOpen, EBUSY);
    if (portNumber.find('/') != std::string::npos) {
        portName_ = portNumber;
        devicePath_ = portNumber;
        return;
    }
    portName_ = "COM" + portNumber;
    int number = 0;
    const char* end = portNumber.data() + portNumber.size();
    auto [last, error] = std::from_chars(portNumber.data(), end, number);
    devicePath_.clear();
    if (error == std::errc() && last == end && !portNumber.empty())
        devicePath_ = QFile::encodeName(PortList::devicePathFor(number)).toStdString();
}

template <typename T> void TCommPort::changeSetting(T& field, T value, uint8_t errorCode) {
    const T old = field;
    field = value;
    if (!isOpen_)
        return;
    try {
        applySettings(errorCode);
    } catch (const ECommError&) {
        field = old;
        throw;
    }
}

void TCommPort::SetBaudRate(uint32_t baud) {
    changeSetting(baudRate_, baud, CE_BaudRate);
}
void TCommPort::SetByteSize(uint8_t bits) {
    changeSetting(byteSize_, bits, CE_ByteSize);
}
void TCommPort::SetParity(uint8_t parity) {
    changeSetting(parity_, parity, CE_Parity);
}
void TCommPort::SetStopBits(uint8_t stopBits) {
    changeSetting(stopBits_, stopBits, CE_StopBits);
}

void TCommPort::applySettings(uint8_t errorCode) {
    speed_t speed{};
    tcflag_t sizeFlag{}, parityFlags{}, stopFlags{};
    if (!speedFor(baudRate_, speed) || !flagsFor(ByteSizeTable, byteSize_, sizeFlag) ||
        !flagsFor(ParityTable, parity_, parityFlags) ||
        !flagsFor(StopBitsTable, stopBits_, stopFlags))
        fail(errorCode, EINVAL);

    termios tio{};
    if (tcgetattr(fd_, &tio) != 0)
        fail(errorCode, errno);
    // Raw bytes both ways; flow control stays as the driver has it.
    cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB);
    tio.c_cflag |= CLOCAL | CREAD | sizeFlag | parityFlags | stopFlags;
    tio.c_cc[VMIN] = 1; // with O_NONBLOCK: no data reads as EAGAIN, 0 as hang-up
    tio.c_cc[VTIME] = 0;
    if (cfsetspeed(&tio, speed) != 0 || tcsetattr(fd_, TCSANOW, &tio) != 0)
        fail(errorCode, errno);
}

void TCommPort::Open() {
    if (isOpen_)
        return;
    if (devicePath_.empty() && portName_.rfind("COM", 0) == 0)
        SetPort(portName_.substr(3));

    // The lock file first, before opening disturbs the line of a program
    // that holds it. A lock folder we may not write does not stop us; the
    // exclusive open below still guards the device.
    if (isCharacterDevice(devicePath_) &&
        lock_.acquire(devicePath_) == PortLock::Outcome::HeldByOther)
        fail(CE_OpenFailed, EBUSY);

    // Non-blocking descriptor: every wait is a poll() with the time-outs above.
    fd_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        lock_.release();
        fail(CE_OpenFailed, error);
    }
    // Without sharing: TIOCEXCL turns away later openers (except root), the
    // lock also those of root. A busy device is an open failure.
    if (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        closeDescriptor();
        fail(CE_OpenFailed, error);
    }

    termios current{};
    if (tcgetattr(fd_, &current) != 0) {
        const int error = errno;
        closeDescriptor();
        fail(CE_GetState, error);
    }
    ioctl(fd_, TIOCEXCL);

    try {
        applySettings(CE_SetState);
    } catch (const ECommError&) {
        closeDescriptor();
        throw;
    }
    // Fresh queues, as a newly opened port has.
    if (tcflush(fd_, TCIOFLUSH) != 0) {
        const int error = errno;
        closeDescriptor();
        fail(CE_SetupBuffers, error);
    }
    const int flags = fcntl(fd_, F_GETFL);
    if (flags < 0 || fcntl(fd_, F_SETFL, flags | O_NONBLOCK) != 0) {
        const int error = errno;
        closeDescriptor();
        fail(CE_SetTimeouts, error);
    }
    drainWakeUps();
    isOpen_ = true;
}

void TCommPort::closeDescriptor() {
    if (fd_ >= 0) {
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
    }
    fd_ = -1;
    lock_.release();
}

void TCommPort::Close() {
    if (!isOpen_)
        return;
    if (fd_ >= 0) {
        ioctl(fd_, TIOCNXCL);
        const int result = ::close(fd_);
        // Linux releases the descriptor even when close reports an error, so
        // it must never be closed a second time (it may belong to someone else
        // by then). The port stays marked open until a Close succeeds.
        fd_ = -1;
        if (result != 0) {
            const int error = errno;
            lock_.release();
            fail(CE_CloseFailed, error);
        }
    }
    lock_.release();
    isOpen_ = false;
}

void TCommPort::requireOpen() const {
    if (!isOpen_)
        fail(CE_NotOpen, EBADF);
}

void TCommPort::writeAll(const uint8_t* data, size_t count) {
    if (fd_ < 0)
        fail(CE_WriteFailed, EBADF);
    const int64_t deadline =
        monotonicMs() + static_cast<int64_t>(count) * WriteTotalMultiplierMs + WriteTotalConstantMs;
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, data + done, count - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            fail(CE_WriteFailed, errno);
        // Output queue full: wait for room, but not beyond the write time-out.
        // Bytes that cannot leave in time are a failure, not silently dropped.
        pollfd pfd{fd_, POLLOUT, 0};
        const int ready = ::poll(&pfd, 1, pollTimeout(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            fail(CE_WriteFailed, errno);
        if (ready == 0)
            fail(CE_WriteFailed, ETIMEDOUT);
        if (pfd.revents & (POLLERR | POLLHUP | POLLNVAL))
            fail(CE_WriteFailed, EIO);
    }
}

void TCommPort::Write(const uint8_t* data, int32_t count) {
    requireOpen();
    if (data == nullptr || count <= 0)
        return;
    writeAll(data, static_cast<size_t>(count));
}

void TCommPort::WritePaced(const uint8_t* data, uint32_t count, uint32_t delayMs) {
    requireOpen();
    if (data == nullptr)
        return;
    for (uint32_t i = 0; i < count; ++i) {
        writeAll(data + i, 1);
        Flush();
        if (delayMs > 0)
            clock_.sleepMs(delayMs);
    }
}

void TCommPort::WriteByte(uint8_t byte) {
    requireOpen();
    writeAll(&byte, 1);
}

uint32_t TCommPort::Read(uint8_t* buffer, uint32_t capacity) {
    requireOpen();
    if (fd_ < 0)
        fail(CE_ReadFailed, EBADF);
    if (buffer == nullptr || capacity == 0)
        return 0;

    const int64_t totalDeadline = monotonicMs() +
                                  static_cast<int64_t>(capacity) * ReadTotalMultiplierMs +
                                  ReadTotalConstantMs;
    uint32_t got = 0;
    while (got < capacity) {
        int64_t deadline = totalDeadline;
        if (got > 0)
            deadline = std::min(deadline, monotonicMs() + ReadIntervalMs);
        pollfd pfds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
        const int ready = ::poll(pfds, wakeFd_ >= 0 ? 2 : 1, pollTimeout(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            fail(CE_ReadFailed, errno);
        if (ready == 0)
            break; // time-out: total without data, or the gap after a burst
        if (wakeFd_ >= 0 && (pfds[1].revents & POLLIN)) {
            drainWakeUps();
            break;
        }
        if (pfds[0].revents & POLLNVAL)
            fail(CE_ReadFailed, EBADF);
        if (pfds[0].revents & (POLLIN | POLLHUP | POLLERR)) {
            const ssize_t n = ::read(fd_, buffer + got, capacity - got);
            if (n > 0) {
                got += static_cast<uint32_t>(n);
                continue;
            }
            const bool hungUp = (pfds[0].revents & (POLLHUP | POLLERR)) != 0;
            if (n < 0 && (errno == EINTR || (errno == EAGAIN && !hungUp)))
                continue;
            // The device went away (USB adapter pulled, far end of a
            // pseudo-terminal closed): a failure, never an endless loop. Bytes
            // that made it before are handed over; the next Read fails.
            if (got > 0)
                break;
            fail(CE_ReadFailed, n < 0 && errno != EAGAIN ? errno : EIO);
        }
    }
    if (got < capacity)
        buffer[got] = 0;
    return got;
}

void TCommPort::Flush() {
    requireOpen();
    if (fd_ < 0 || tcdrain(fd_) != 0)
        fail(CE_FlushFailed, fd_ < 0 ? EBADF : errno);
}

void TCommPort::interruptRead() {
    if (wakeFd_ >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] auto written = ::write(wakeFd_, &one, sizeof one);
    }
}

void TCommPort::drainWakeUps() {
    if (wakeFd_ < 0)
        return;
    uint64_t count = 0;
    [[maybe_unused]] auto drained = ::read(wakeFd_, &count, sizeof count);
}
