#pragma once

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleDisplay.h"
#include "cli/ConsoleProgress.h"
#include "i18n/Messages.h"
#include "serial/Clock.h"
#include "serial/CommError.h"
#include "serial/CommPort.h"
#include "transfer/TransferHost.h"
#include "transfer/TransferState.h"

#include <string>
#include <vector>

class TransferWorker;

// What the transfer commands of quelvox-cli (receive, send, update) share:
// the port options, the port opened and closed as the main window does it,
// a worker run on the calling thread with Ctrl+C as cancel, and the lines
// that report their failures.
struct PortOptions {
    std::string device;
    i18n::Language language = i18n::Language::German;
    double speedup = 1.0; // test option: compresses the worker's pauses, not the read time-outs
    double waitPortSeconds = -1; // --wait-port: how long open() waits for the port to appear
};

// The options of a transfer command: --port, --lang, --speedup, --wait-port
// and its own flags.
CommandLine transferCommandLine(const char* command, const std::vector<const char*>& flags = {});
// Parses args with line, the port options into options (the flags and file
// names stay in line). Empty on success, else the one-line complaint.
std::string parsePortOptions(const std::vector<std::string>& args, CommandLine& line,
                             PortOptions& options);

// A slot's text in the console's encoding.
std::string consoleText(i18n::Msg slot);
// "quelvox-cli: <text>[: detail]" on the error stream (the detail straight
// after a text that ends in a blank); returns exitCode.
int failure(CliContext& context, i18n::Msg slot, int exitCode, const std::string& detail = {});

class ConsoleTransfer {
public:
    ConsoleTransfer(CliContext& context, const PortOptions& options);

    // Configures and opens the port (after waiting for it with --wait-port);
    // false (reported) when that fails.
    bool open();
    // Runs the worker to its end, each new status line printed; false
    // (reported) when the line or the run failed.
    bool run(TransferWorker& machine);
    // The main window's pause before it closes the port, then the close.
    void close();

    Clock& clock() { return clock_; }
    TCommPort& port() { return port_; }
    TransferState state;

private:
    CliContext& context_;
    PortOptions options_;
    SteadyClock clock_;
    TCommPort port_{clock_};
    ConsoleProgress progress_;

public:
    // What the worker asks: the state above, the console's display calls.
    ConsoleDisplay host;
};
