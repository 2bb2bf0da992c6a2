#include "cli/PortWait.h"

#include "cli/InterruptWatch.h"
#include "ports/DeviceWatch.h"
#include "ports/SystemDevices.h"
#include "serial/Clock.h"
#include "serial/PortList.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <ostream>

namespace {

constexpr int64_t LookEveryMs = 100;
constexpr double MaxWaitSeconds = 86400;

std::optional<int> portNumber(const std::string& name) {
    std::string digits = name;
    if (digits.rfind("COM", 0) == 0)
        digits.erase(0, 3);
    if (digits.empty() || digits.size() > 3 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::atoi(digits.c_str());
}

// One field of a tab-separated line: no tab or line break inside.
std::string field(const QString& text) {
    QString clean = text;
    for (QChar& ch : clean) {
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    }
    return clean.toLocal8Bit().toStdString();
}

void printPort(CliContext& context, char sign, const SerialPortEntry& port) {
    context.out << sign << '\t' << field(port.name) << '\t' << field(port.devicePath) << '\t'
                << field(port.description) << '\t'
                << field(port.identity.isEmpty() ? port.devicePath : port.identity) << std::endl;
}

bool samePort(const SerialPortEntry& a, const SerialPortEntry& b) {
    return a.name == b.name && a.devicePath == b.devicePath && a.identity == b.identity;
}

} // namespace

bool parseWaitSeconds(const std::string& text, double& seconds) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || *end != '\0' || !std::isfinite(value) || value < 0 ||
        value > MaxWaitSeconds)
        return false;
    seconds = value;
    return true;
}

std::optional<std::string> presentPort(const std::string& name) {
    if (name.find('/') != std::string::npos)
        return QFileInfo::exists(QString::fromLocal8Bit(name)) ? std::optional(name) : std::nullopt;
    const QList<SerialPortEntry> ports = PortList::scan();
    if (const auto number = portNumber(name)) {
        const QString com = QStringLiteral("COM%1").arg(*number);
        for (const SerialPortEntry& port : ports)
            if (port.name == com)
                return std::to_string(*number);
        return std::nullopt;
    }
    const QString wanted = QString::fromLocal8Bit(name);
    for (const SerialPortEntry& port : ports)
        if (port.identity == wanted)
            return port.devicePath.toLocal8Bit().toStdString();
    const QString byId = QStringLiteral("/dev/serial/by-id/") + wanted;
    if (QFileInfo::exists(byId))
        return byId.toLocal8Bit().toStdString();
    return std::nullopt;
}

std::optional<std::string> waitForPort(const std::string& name, double seconds, Clock& clock,
                                       CliContext& context) {
    if (auto device = presentPort(name))
        return device;
    context.err << "quelvox-cli: waiting for port " << name << " (at most " << seconds << " s)"
                << std::endl;
    std::atomic<bool> cancelled{false};
    InterruptWatch interrupt([&cancelled] { cancelled = true; });
    const int64_t until = clock.nowMs() + static_cast<int64_t>(seconds * 1000);
    while (!cancelled && clock.nowMs() < until) {
        clock.sleepMs(LookEveryMs);
        if (auto device = presentPort(name))
            return device;
    }
    if (cancelled)
        context.err << "quelvox-cli: cancelled while waiting for port " << name << "\n";
    else
        context.err << "quelvox-cli: port " << name << " did not appear within " << seconds
                    << " s\n";
    return std::nullopt;
}

int runPortsWatch(CliContext& context) {
    int argc = 1;
    char program[] = "quelvox-cli";
    char* argv[] = {program, nullptr};
    QCoreApplication app(argc, argv);
    InterruptWatch interrupt([] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    });
    QList<SerialPortEntry> shown;
    auto refresh = [&] {
        const QList<SerialPortEntry> now = PortList::scan();
        for (const SerialPortEntry& port : shown)
            if (std::none_of(now.begin(), now.end(),
                             [&](const SerialPortEntry& p) { return samePort(p, port); }))
                printPort(context, '-', port);
        for (const SerialPortEntry& port : now)
            if (std::none_of(shown.begin(), shown.end(),
                             [&](const SerialPortEntry& p) { return samePort(p, port); }))
                printPort(context, '+', port);
        shown = now;
    };
    DeviceWatch watch(SystemDevices::extraPaths());
    QObject::connect(&watch, &DeviceWatch::changed, refresh);
    watch.start(); // before the first scan, so nothing falls between the two
    refresh();
    app.exec();
    return ExitOk;
}
