#include "ports/UdevMonitor.h"

#ifdef QUELVOX_HAVE_UDEV

#include <QFileInfo>
#include <QSocketNotifier>

#include <fcntl.h>
#include <libudev.h>

namespace {

class LibudevMonitor : public UdevMonitor {
public:
    LibudevMonitor(udev* context, udev_monitor* monitor, OnEvent onEvent)
        : context_(context), monitor_(monitor), onEvent_(std::move(onEvent)),
          notifier_(udev_monitor_get_fd(monitor), QSocketNotifier::Read) {
        QObject::connect(&notifier_, &QSocketNotifier::activated, [this] { drain(); });
    }
    ~LibudevMonitor() override {
        udev_monitor_unref(monitor_);
        udev_unref(context_);
    }

private:
    void drain() {
        bool any = false;
        while (udev_device* device = udev_monitor_receive_device(monitor_)) {
            udev_device_unref(device);
            any = true;
        }
        if (any)
            onEvent_();
    }

    udev* context_;
    udev_monitor* monitor_;
    OnEvent onEvent_;
    QSocketNotifier notifier_;
};

} // namespace

std::unique_ptr<UdevMonitor> UdevMonitor::open(OnEvent onEvent) {
    // Without the daemon the monitor opens but stays silent for ever.
    if (!QFileInfo::exists(QStringLiteral("/run/udev/control")))
        return nullptr;
    udev* context = udev_new();
    if (!context)
        return nullptr;
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "tty", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    // Draining reads until nothing is left: that must not block the GUI.
    const int fd = udev_monitor_get_fd(monitor);
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    return std::make_unique<LibudevMonitor>(context, monitor, std::move(onEvent));
}

#else

std::unique_ptr<UdevMonitor> UdevMonitor::open(OnEvent) {
    return nullptr;
}

#endif
