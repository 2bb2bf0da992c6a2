#include "serial/CommError.h"

#include <cerrno>
#include <mutex>
#include <utility>

namespace {
std::mutex notifierMutex;
ECommError::Notifier& notifierSlot() {
    static ECommError::Notifier notifier;
    return notifier;
}

thread_local bool (*hushed)(const ECommError&) = nullptr;

void announce(const ECommError& error) {
    if (hushed && hushed(error))
        return;
    ECommError::Notifier notifier;
    {
        std::lock_guard lock(notifierMutex);
        notifier = notifierSlot();
    }
    if (notifier)
        notifier(error);
}
} // namespace

ECommError::ECommError(uint8_t code) : ECommError(code, errno) {}

ECommError::ECommError(uint8_t code, int32_t systemError)
    : ErrorCode(code), SystemError(systemError) {
    announce(*this);
}

ECommError::Notifier ECommError::setNotifier(Notifier notifier) {
    std::lock_guard lock(notifierMutex);
    return std::exchange(notifierSlot(), std::move(notifier));
}

bool ECommError::lineLost(uint8_t code, int32_t systemError) {
    const bool io = code == CE_ReadFailed || code == CE_WriteFailed || code == CE_FlushFailed;
    return io && (systemError == EIO || systemError == ENXIO || systemError == ENODEV);
}

bool ECommError::permissionDenied(uint8_t code, int32_t systemError) {
    return code == CE_OpenFailed && (systemError == EACCES || systemError == EPERM);
}

ECommError::Hush::Hush(bool (*quiet)(const ECommError&)) : previous_(hushed) {
    hushed = quiet;
}

ECommError::Hush::~Hush() {
    hushed = previous_;
}
