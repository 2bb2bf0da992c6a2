#include "cli/ConsoleTransfer.h"

#include "cli/InterruptWatch.h"
#include "cli/ListCommands.h"
#include "cli/PortWait.h"
#include "serial/TransferWorker.h"
#include "transfer/TransferPort.h"

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

CommandLine transferCommandLine(const char* command, const std::vector<const char*>& flags) {
    return CommandLine(command, flags,
                       {{"port", "--port needs a device (e.g. --port /dev/ttyUSB0)"},
                        languageOption,
                        {"speedup", "--speedup needs a number above 0"},
                        {"wait-port", "--wait-port needs seconds from 0 to 86400"}});
}

std::string parsePortOptions(const std::vector<std::string>& args, CommandLine& line,
                             PortOptions& options) {
    if (std::string complaint = line.parse(args); !complaint.empty())
        return complaint;
    if (line.isSet("port")) {
        options.device = line.value("port");
        if (options.device.empty())
            return "--port needs a device (e.g. --port /dev/ttyUSB0)";
    }
    if (line.isSet("lang") && !languageFromCode(line.value("lang"), options.language))
        return "unknown language '" + line.value("lang") + "' (use de, en or fr)";
    if (line.isSet("speedup")) {
        const std::string text = line.value("speedup");
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (end == text.c_str() || *end != '\0' || !(value > 0.0) || value > 1000.0)
            return "--speedup needs a number above 0";
        options.speedup = value;
    }
    if (line.isSet("wait-port") &&
        !parseWaitSeconds(line.value("wait-port"), options.waitPortSeconds))
        return "--wait-port needs seconds from 0 to 86400";
    return {};
}

std::string consoleText(i18n::Msg slot) {
    return i18n::text(slot).toLocal8Bit().toStdString();
}

int failure(CliContext& context, i18n::Msg slot, int exitCode, const std::string& detail) {
    const std::string text = consoleText(slot);
    context.err << "quelvox-cli: " << text;
    // Texts made to lead into a name ("... Grund: ") end in a blank already.
    if (!detail.empty())
        context.err << (text.empty() || text.back() == ' ' ? "" : ": ") << detail;
    context.err << "\n";
    return exitCode;
}

ConsoleTransfer::ConsoleTransfer(CliContext& context, const PortOptions& options)
    : context_(context), options_(options), clock_(options.speedup),
      progress_(context.err, isatty(STDERR_FILENO) == 1), host(state, progress_, options.device) {}

bool ConsoleTransfer::open() {
    if (options_.waitPortSeconds >= 0) {
        const auto device = waitForPort(options_.device, options_.waitPortSeconds,
                                        SteadyClock::instance(), context_);
        if (!device)
            return false;
        options_.device = *device;
    }
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
                host.ShowStatus(machine.status());
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
