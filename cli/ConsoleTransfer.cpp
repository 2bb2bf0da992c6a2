#include "cli/ConsoleTransfer.h"

#include "cli/InterruptWatch.h"
#include "cli/ListCommands.h"
#include "serial/TransferWorker.h"
#include "transfer/TransferPort.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <ostream>
#include <unistd.h>

namespace {
constexpr uint32_t BaudRate = 115200;
constexpr int64_t ClosePauseMs = 500; // as the main window waits before it closes the port

std::string describe(const ECommError& error) {
    return "error " + std::to_string(error.ErrorCode) + ": " + std::strerror(error.SystemError);
}

// A port number also names the device it stands for.
std::string portDescription(const TCommPort& port, const std::string& device) {
    if (device.find('/') != std::string::npos)
        return device;
    return device + " (" + port.portName() + ", " +
           (port.devicePath().empty() ? std::string("not in the port list") : port.devicePath()) +
           ")";
}
} // namespace

std::string parsePortOptions(const std::vector<std::string>& args, const char* command,
                             const std::vector<std::string>& known, PortOptions& options,
                             std::vector<std::string>& rest) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--port") {
            if (!hasValue || args[i + 1].empty())
                return "--port needs a device (e.g. --port /dev/ttyUSB0)";
            options.device = args[++i];
        } else if (arg == "--lang") {
            if (!hasValue)
                return "--lang needs one of de, en, fr";
            if (!languageFromCode(args[++i], options.language))
                return "unknown language '" + args[i] + "' (use de, en or fr)";
        } else if (arg == "--speedup") {
            char* end = nullptr;
            const double value = hasValue ? std::strtod(args[i + 1].c_str(), &end) : 0.0;
            if (!hasValue || end == args[i + 1].c_str() || *end != '\0' || !(value > 0.0) ||
                value > 1000.0)
                return "--speedup needs a number above 0";
            options.speedup = value;
            ++i;
        } else if (arg.rfind("--", 0) == 0 &&
                   std::find(known.begin(), known.end(), arg) == known.end()) {
            return "unknown option '" + arg + "' for " + command;
        } else {
            rest.push_back(arg);
        }
    }
    return {};
}

std::string consoleText(i18n::Msg slot) {
    return i18n::text(slot).toLocal8Bit().toStdString();
}

int failure(CliContext& context, i18n::Msg slot, int exitCode, const std::string& detail) {
    context.err << "quelvox-cli: " << consoleText(slot);
    if (!detail.empty())
        context.err << ": " << detail;
    context.err << "\n";
    return exitCode;
}

ConsoleTransfer::ConsoleTransfer(CliContext& context, const PortOptions& options)
    : context_(context), options_(options), clock_(options.speedup),
      progress_(context.err, isatty(STDERR_FILENO) == 1), display_(progress_, options.device) {}

bool ConsoleTransfer::open() {
    try {
        configureTransferPort(port_, options_.device, BaudRate);
        port_.Open();
        return true;
    } catch (const ECommError& error) {
        const QString port = QString::fromLocal8Bit(portDescription(port_, options_.device));
        context_.err << "quelvox-cli: "
                     << i18n::text(i18n::Msg::PortNotOpened).arg(port).toLocal8Bit().toStdString()
                     << " (";
        if (const pid_t holder = port_.lockHolder())
            context_.err
                << i18n::text(i18n::Msg::PortHeldByProcess).arg(holder).toLocal8Bit().toStdString()
                << "; ";
        context_.err << describe(error) << ")\n";
        return false;
    }
}

bool ConsoleTransfer::run(TransferWorker& machine) {
    std::string runFailure;
    {
        InterruptWatch watch([&machine] { machine.CancelByUser(); });
        try {
            while (!machine.finished()) {
                machine.pass();
                display_.statusChanged(machine.status());
            }
        } catch (const ECommError& error) {
            runFailure = "serial line " + options_.device + " failed (" + describe(error) + ")";
        } catch (const std::exception& error) {
            // Out of memory or the like: the run ends as a failed transfer.
            runFailure = std::string("the transfer stopped: ") + error.what();
        }
    }
    progress_.setPercent(0);
    if (!runFailure.empty())
        context_.err << "quelvox-cli: " << runFailure << "\n";
    return runFailure.empty();
}

void ConsoleTransfer::close() {
    try {
        clock_.sleepMs(ClosePauseMs);
        port_.Close();
    } catch (const ECommError& error) {
        context_.err << "quelvox-cli: cannot close port " << options_.device << " ("
                     << describe(error) << ")\n";
    }
}
