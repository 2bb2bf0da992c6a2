#include "app/LineReturn.h"

#include "app/Settings.h"
#include "app/TransferCommands.h"
#include "ports/DeviceWatch.h"
#include "serial/CommError.h"
#include "serial/TermThread.h"

#include <QFileInfo>

#include <algorithm>

LineReturn::LineReturn(TransferCommands& transfers, WorkerHost& host, const Settings& settings,
                       DeviceWatch& watch, Window window, QObject* parent)
    : QObject(parent), transfers_(transfers), host_(host), settings_(settings),
      window_(std::move(window)), watch_(watch) {
    connect(&watch_, &DeviceWatch::changed, this, &LineReturn::devicesChanged);
}

LineReturn::~LineReturn() = default;

bool LineReturn::remember(const QList<SerialPortEntry>& ports) {
    const QString name = QStringLiteral("COM%1").arg(settings_.PortNumber);
    const auto it = std::find_if(ports.begin(), ports.end(),
                                 [&name](const SerialPortEntry& p) { return p.name == name; });
    if (it == ports.end())
        return false;
    reconnect_.online(*it);
    devicePath_ = it->devicePath;
    return true;
}

void LineReturn::online() {
    // A port that is in no list cannot be recognised when it comes back.
    if (!remember(window_.scan()))
        return;
    watching_ = true;
    watch_.start();
}

bool LineReturn::lost(const TWorkerThread* worker) {
    if (!watching_ || !worker || !worker->failed() ||
        !ECommError::lineLost(worker->errorCode(), worker->systemError()))
        return false;
    transfers_.endTerminal(/*lineLost*/ true);
    reconnect_.lineLost();
    devicePath_.clear();
    say(i18n::Msg::TerminalLineLost);
    window_.status(false);
    // It may be back already, or never have gone (a read that failed once):
    // a look once the watch has settled.
    watch_.nudge();
    return true;
}

bool LineReturn::stop() {
    const bool wasWaiting = reconnect_.waiting();
    reconnect_.stop();
    watching_ = false;
    devicePath_.clear();
    return wasWaiting;
}

void LineReturn::devicesChanged() {
    if (!watching_ || reopening_)
        return;
    if (!reconnect_.waiting()) {
        // A node that vanished while reads still wait (a link removed) is a
        // lost line as well.
        TTermThread* terminal = transfers_.termThread();
        if (terminal && !devicePath_.isEmpty() && !QFileInfo::exists(devicePath_))
            terminal->lineGone();
        return;
    }
    const QList<SerialPortEntry> ports = window_.scan();
    if (reconnect_.returned(ports))
        reopen(ports);
}

void LineReturn::reopen(const QList<SerialPortEntry>& ports) {
    // Quiet but for a refusal: a device gone again at once is waited for
    // further; permission denied is reported once.
    bool refused = false;
    bool started = false;
    reopening_ = true;
    {
        const ECommError::Hush hush([](const ECommError& error) {
            return !ECommError::permissionDenied(error.ErrorCode, error.SystemError);
        });
        started = transfers_.startTerminal(window_.done, [&refused](const ECommError& error) {
            refused = ECommError::permissionDenied(error.ErrorCode, error.SystemError);
            return refused;
        });
    }
    reopening_ = false;
    if (!started) {
        reconnect_.reopenFailed(refused);
        return;
    }
    remember(ports);
    say(i18n::Msg::TerminalLineBack);
    window_.status(true);
}

void LineReturn::say(i18n::Msg slot) {
    const QString line = i18n::text(slot).arg(settings_.PortNumber);
    host_.ShowStatus(line.toLatin1().toStdString());
}
