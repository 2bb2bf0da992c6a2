#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

class UdevMonitor;

// Tells when the serial devices may have come or gone, from the GUI thread's
// event loop: udev's device events where a udev daemon runs, else a cheap look
// at /dev every quarter second; the extra paths are always looked at, since
// pseudo-terminals send no events. A burst of events (a device that flaps)
// becomes one `changed` at most every half second, the first within 200 ms.
class DeviceWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int SettleMs = 200;
    static constexpr int MinGapMs = 500;
    static constexpr int PollMs = 250;

    explicit DeviceWatch(QStringList extraPaths, QObject* parent = nullptr);
    ~DeviceWatch() override;

    // Start it before the first scan: what comes in between is reported.
    // useUdev false: poll even where udev events would come. Once started,
    // later calls do nothing.
    void start(bool useUdev = true);
    bool watchesUdev() const { return udev_ != nullptr; }

    // Something may have changed (a test's device source calls it, as udev
    // does): `changed` follows, coalesced with others.
    void nudge();

signals:
    void changed();

private:
    // A path the poll looks at: a folder by its change time, a device path by
    // the node it leads to. What the last look found is 0, 0 for nothing there.
    struct Watched {
        QByteArray path;
        bool folder = false;
        std::uint64_t seen[2] = {0, 0};
    };
    void poll();
    void emitChanged();

    QStringList extraPaths_;
    bool started_ = false;
    std::vector<Watched> watched_;
    QTimer pollTimer_;
    QTimer settleTimer_;
    QElapsedTimer sinceChanged_;
    std::unique_ptr<UdevMonitor> udev_;
};
