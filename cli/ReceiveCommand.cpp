// quelvox-cli receive --port DEVICE OUT.lst [--lang de|en|fr]
//
// The main window's "Daten empfangen..." on the console: configure and open
// the port, run the list-receive worker, close the port, then the window's
// outcome rules: check the list's checksum and save it through a temporary
// file.
#include "cli/CliCommand.h"
#include "cli/ConsoleDisplay.h"
#include "cli/ConsoleProgress.h"
#include "cli/InterruptWatch.h"
#include "cli/ListCommands.h"
#include "i18n/Messages.h"
#include "serial/CommPort.h"
#include "serial/ListReceive.h"
#include "transfer/ReceiveOutcome.h"
#include "transfer/TransferHost.h"
#include "transfer/TransferPort.h"
#include "transfer/TransferState.h"

#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <ostream>
#include <unistd.h>

namespace {

constexpr uint32_t BaudRate = 115200;
constexpr int64_t ClosePauseMs = 500; // as the main window waits before it closes the port

struct ReceiveOptions {
    std::string device;
    std::string output;
    i18n::Language language = i18n::Language::German;
    double speedup = 1.0; // test option: compresses the worker's pauses, not the read time-outs
};

// Empty on success, else the one-line complaint.
std::string parseReceiveArguments(const std::vector<std::string>& args, ReceiveOptions& options) {
    std::vector<std::string> files;
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
        } else if (arg.rfind("--", 0) == 0) {
            return "unknown option '" + arg + "' for receive";
        } else {
            files.push_back(arg);
        }
    }
    if (options.device.empty() || files.size() != 1)
        return "receive needs a port and one output file "
               "(receive --port DEVICE OUT.lst [--lang de|en|fr])";
    options.output = files[0];
    return {};
}

std::string consoleText(i18n::Msg slot) {
    return i18n::text(slot).toLocal8Bit().toStdString();
}

int failure(CliContext& context, i18n::Msg slot, int exitCode, const std::string& detail = {}) {
    context.err << "quelvox-cli: " << consoleText(slot);
    if (!detail.empty())
        context.err << ": " << detail;
    context.err << "\n";
    return exitCode;
}

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

// The list goes nowhere else: a missing or read-only folder, or a folder,
// FIFO, socket or block device in the way of the file, is reported before the
// receiver is disturbed. A writable file in a read-only folder is written in
// place.
bool targetUsable(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    return fileio::checkTarget(QFile::encodeName(path).toStdString()).ok() && folder.isDir() &&
           (folder.isWritable() || (target.exists() && target.isWritable()));
}

// Runs the worker to its end, printing each new status line. Throws
// ECommError when the line fails.
void runWorker(ListReceive& machine, ConsoleDisplay& display) {
    while (!machine.Finished()) {
        machine.Pass();
        display.statusChanged(machine.status());
    }
}

// The window's box, as an exit status and a line.
int finishReceive(TransferState& state, const ReceiveOptions& options, CliContext& context) {
    const OutcomeMessage outcome = finishListReceive(state);
    switch (outcome.slot) {
    case i18n::Msg::ListReceived:
        context.out << consoleText(outcome.slot) << "\n";
        return ExitOk;
    case i18n::Msg::DataSaveFailed:
        return failure(context, outcome.slot, outcome.refused ? ExitUsage : ExitFailed,
                       outcome.reason.empty() ? options.output : outcome.reason);
    default:
        return failure(context, outcome.slot, ExitFailed);
    }
}

} // namespace

int runReceive(const std::vector<std::string>& args, CliContext& context) {
    ReceiveOptions options;
    if (const std::string complaint = parseReceiveArguments(args, options); !complaint.empty())
        return usageError(context, complaint);
    i18n::applyMessages(options.language);
    if (!targetUsable(argumentPath(options.output)))
        return failure(context, i18n::Msg::DataSaveFailed, ExitUsage, options.output);

    SteadyClock clock(options.speedup);
    TCommPort port(clock);
    try {
        configureTransferPort(port, options.device, BaudRate);
        port.Open();
    } catch (const ECommError& error) {
        context.err << "quelvox-cli: cannot open port " << portDescription(port, options.device)
                    << " (" << describe(error) << ")\n";
        return ExitUsage;
    }

    ConsoleProgress progress(context.err, isatty(STDERR_FILENO) == 1);
    ConsoleDisplay display(progress, options.device);
    TransferState state;
    state.ReceiveFileName = argumentPath(options.output);
    state.allocateReceiveBuffer();
    TransferHost host(state, display);
    ListReceive machine(port, clock, host);
    std::string runFailure;
    {
        InterruptWatch watch([&machine] { machine.CancelByUser(); });
        try {
            runWorker(machine, display);
        } catch (const ECommError& error) {
            runFailure = "serial line " + options.device + " failed (" + describe(error) + ")";
        } catch (const std::exception& error) {
            // Out of memory or the like: the run ends as a failed transfer.
            runFailure = std::string("the transfer stopped: ") + error.what();
        }
    }
    progress.setPercent(0);
    if (!runFailure.empty())
        context.err << "quelvox-cli: " << runFailure << "\n";

    try {
        clock.sleepMs(ClosePauseMs);
        port.Close();
    } catch (const ECommError& error) {
        context.err << "quelvox-cli: cannot close port " << options.device << " ("
                    << describe(error) << ")\n";
    }
    return finishReceive(state, options, context);
}
