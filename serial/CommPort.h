#pragma once

#include "serial/Clock.h"
#include "serial/CommError.h"
#include "serial/Port.h"
#include "serial/PortLock.h"

#include <cstdint>
#include <string>

// The program's access to the serial line: one device at a time, raw 8N1 at
// the configured rate, opened exclusively and under the device's lock file
// (PortLock; a device locked by a live process fails to open). Read time-outs
// as the receiver dialogue expects them: first byte within capacity x 1 ms +
// 250 ms, end of a burst after a 15 ms gap. Every failure throws ECommError.
class TCommPort : public Port {
public:
    explicit TCommPort(Clock& clock = SteadyClock::instance());
    ~TCommPort() override;
    TCommPort(const TCommPort&) = delete;
    TCommPort& operator=(const TCommPort&) = delete;

    // Port number as decimal text ("3" names COM3); resolved to a device path
    // through the port list. A text that is itself a path ("/dev/pts/4") is
    // taken as it is. Throws 6 while open.
    void SetPort(const std::string& portNumber);
    void SetBaudRate(uint32_t baud);
    void SetByteSize(uint8_t bits);
    void SetParity(uint8_t parity);
    void SetStopBits(uint8_t stopBits);

    void Open();
    void Close();

    bool IsOpen() const override { return isOpen_; }
    void Write(const uint8_t* data, int32_t count) override;
    void WritePaced(const uint8_t* data, uint32_t count, uint32_t delayMs) override;
    void WriteByte(uint8_t byte) override;
    uint32_t Read(uint8_t* buffer, uint32_t capacity) override;
    void Flush() override;
    // Thread-safe; see Port. A pending wake-up is discarded by Open.
    void interruptRead() override;

    const std::string& portName() const { return portName_; }
    const std::string& devicePath() const { return devicePath_; }
    // The process whose lock file turned the last Open away, else 0.
    pid_t lockHolder() const { return lock_.otherOwner(); }
    uint32_t baudRate() const { return baudRate_; }

private:
    // Reads the line settings, puts ours in and applies them; throws errorCode
    // on failure. Used by Open (15) and by the setters (their own codes).
    void applySettings(uint8_t errorCode);
    // Applies the settings at once when open; on failure restores the old
    // value and throws the setter's code.
    template <typename T> void changeSetting(T& field, T value, uint8_t errorCode);
    void requireOpen() const;                         // throws 7
    void writeAll(const uint8_t* data, size_t count); // throws 9
    void closeDescriptor();
    void drainWakeUps();

    Clock& clock_;
    bool isOpen_ = false;
    std::string portName_ = "COM1";
    std::string devicePath_;
    uint32_t baudRate_ = 9600;
    uint8_t byteSize_ = 8;
    uint8_t parity_ = 0;
    uint8_t stopBits_ = 0;
    int fd_ = -1;
    int wakeFd_ = -1; // eventfd that interruptRead signals
    PortLock lock_;
};
