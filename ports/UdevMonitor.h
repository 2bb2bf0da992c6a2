#pragma once

#include <functional>
#include <memory>

// udev's events of the "tty" subsystem, read in the GUI thread through a
// socket notifier. Absent when the program was built without libudev or no
// udev daemon runs (in a container, say): then nothing would ever arrive.
class UdevMonitor {
public:
    using OnEvent = std::function<void()>;
    static std::unique_ptr<UdevMonitor> open(OnEvent onEvent);
    virtual ~UdevMonitor() = default;
};
