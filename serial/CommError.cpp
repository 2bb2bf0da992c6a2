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

void announce(const ECommError& error) {
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
