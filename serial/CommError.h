#pragma once

#include <cstdint>
#include <functional>

// Error codes of the serial port object; the numbers are the interface to the
// main window's ShowComError.
enum CommErrorCode : uint8_t {
    CE_BaudRate = 1,
    CE_StopBits = 3,
    CE_Parity = 4,
    CE_ByteSize = 5,
    CE_PortIsOpen = 6,
    CE_NotOpen = 7,
    CE_OpenFailed = 8,
    CE_WriteFailed = 9,
    CE_ReadFailed = 10,
    CE_CloseFailed = 11,
    CE_FlushFailed = 13,
    CE_GetState = 14,
    CE_SetState = 15,
    CE_SetupBuffers = 16,
    CE_SetTimeouts = 17,
};

// A serial failure. A small value type thrown by value and caught by reference;
// deliberately not derived from std::exception, so handlers name it explicitly.
//
// Making one is not silent: the constructor hands it to the process-wide
// notifier, which shows the port-failure box (on the GUI thread, also when the
// error was made in a worker) before the error is thrown.
struct ECommError {
    uint8_t ErrorCode;
    int32_t SystemError; // errno at the moment the error was made

    explicit ECommError(uint8_t code);
    ECommError(uint8_t code, int32_t systemError);

    using Notifier = std::function<void(const ECommError&)>;
    // Installs the notifier (none by default); returns the previous one.
    static Notifier setNotifier(Notifier notifier);

    // The device went away under an open port (EIO, ENXIO or ENODEV from a
    // read, write or flush: a pulled adapter, a hung-up line).
    static bool lineLost(uint8_t code, int32_t systemError);
    // Opening was refused by the device's permissions.
    static bool permissionDenied(uint8_t code, int32_t systemError);

    // While one lives, errors made on its thread for which `quiet` says true
    // are not announced: the code that made them reports them in its own way.
    class Hush {
    public:
        explicit Hush(bool (*quiet)(const ECommError&));
        ~Hush();
        Hush(const Hush&) = delete;
        Hush& operator=(const Hush&) = delete;

    private:
        bool (*previous_)(const ECommError&);
    };
};
