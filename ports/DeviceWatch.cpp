#include "ports/DeviceWatch.h"

#include "ports/UdevMonitor.h"

#include <QFile>

#include <sys/stat.h>

#include <algorithm>

namespace {

// One stat() a path and poll: four times a second this has to cost next to
// nothing. A device that comes or goes changes its folder's time; a link of
// the extra paths turned to another node leads to another inode.
void look(const QByteArray& path, bool folder, std::uint64_t (&seen)[2]) {
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) {
        seen[0] = seen[1] = 0;
    } else if (folder) {
        seen[0] = static_cast<std::uint64_t>(info.st_mtim.tv_sec);
        seen[1] = static_cast<std::uint64_t>(info.st_mtim.tv_nsec);
    } else {
        seen[0] = static_cast<std::uint64_t>(info.st_ino);
        seen[1] = (static_cast<std::uint64_t>(info.st_dev) ^ info.st_rdev) | std::uint64_t{1} << 63;
    }
}

} // namespace

DeviceWatch::DeviceWatch(QStringList extraPaths, QObject* parent)
    : QObject(parent), extraPaths_(std::move(extraPaths)) {
    settleTimer_.setSingleShot(true);
    connect(&settleTimer_, &QTimer::timeout, this, &DeviceWatch::emitChanged);
    connect(&pollTimer_, &QTimer::timeout, this, &DeviceWatch::poll);
}

DeviceWatch::~DeviceWatch() = default;

void DeviceWatch::start(bool useUdev) {
    if (started_)
        return;
    started_ = true;
    if (useUdev)
        udev_ = UdevMonitor::open([this] { nudge(); });
    if (!udev_) {
        watched_.push_back({QByteArrayLiteral("/dev"), true});
        watched_.push_back({QByteArrayLiteral("/dev/serial/by-id"), true});
    }
    for (const QString& path : extraPaths_)
        watched_.push_back({QFile::encodeName(path), false});
    for (Watched& w : watched_)
        look(w.path, w.folder, w.seen);
    if (!watched_.empty())
        pollTimer_.start(PollMs);
}

void DeviceWatch::poll() {
    bool moved = false;
    for (Watched& w : watched_) {
        const std::uint64_t before[2] = {w.seen[0], w.seen[1]};
        look(w.path, w.folder, w.seen);
        moved = moved || before[0] != w.seen[0] || before[1] != w.seen[1];
    }
    if (moved)
        nudge();
}

void DeviceWatch::nudge() {
    if (settleTimer_.isActive())
        return; // already due: this event is part of the same burst
    int wait = SettleMs;
    if (sinceChanged_.isValid())
        wait = std::max<qint64>(wait, MinGapMs - sinceChanged_.elapsed());
    settleTimer_.start(wait);
}

void DeviceWatch::emitChanged() {
    sinceChanged_.start();
    emit changed();
}
