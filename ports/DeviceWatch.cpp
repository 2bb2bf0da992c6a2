#include "ports/DeviceWatch.h"

#include "ports/UdevMonitor.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QDateTime stamp(const QString& dir) {
    const QFileInfo info(dir);
    return info.exists() ? info.lastModified() : QDateTime();
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
    pollDev_ = udev_ == nullptr;
    devStamp_ = stamp(QStringLiteral("/dev"));
    byIdStamp_ = stamp(QStringLiteral("/dev/serial/by-id"));
    existingExtra_ = lookAtPaths();
    if (pollDev_ || !extraPaths_.isEmpty())
        pollTimer_.start(PollMs);
}

QStringList DeviceWatch::lookAtPaths() const {
    // With the node each one leads to: a link turned to a new device between
    // two looks is a change as well.
    QStringList existing;
    for (const QString& path : extraPaths_) {
        const QFileInfo info(path);
        if (info.exists())
            existing.append(path + u'\n' + info.canonicalFilePath());
    }
    return existing;
}

void DeviceWatch::poll() {
    bool moved = false;
    if (pollDev_) {
        // A device node that comes or goes changes its folder's time.
        const QDateTime dev = stamp(QStringLiteral("/dev"));
        const QDateTime byId = stamp(QStringLiteral("/dev/serial/by-id"));
        moved = dev != devStamp_ || byId != byIdStamp_;
        devStamp_ = dev;
        byIdStamp_ = byId;
    }
    const QStringList extra = lookAtPaths();
    if (extra != existingExtra_) {
        existingExtra_ = extra;
        moved = true;
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
