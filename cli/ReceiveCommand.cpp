// quelvox-cli receive --port DEVICE OUT.lst [--lang de|en|fr]
//
// The main window's "Daten empfangen..." on the console: configure and open
// the port, run the list-receive worker, close the port, then the window's
// outcome rules: check the list's checksum and save it through a temporary
// file.
#include "cli/ConsoleTransfer.h"
#include "cli/ListCommands.h"
#include "fileio/FileWriter.h"
#include "serial/ListReceive.h"
#include "transfer/ReceiveOutcome.h"

#include <QFile>
#include <QFileInfo>
#include <ostream>

namespace {

struct ReceiveOptions {
    PortOptions port;
    std::string output;
};

// Empty on success, else the one-line complaint.
std::string parseReceiveArguments(const std::vector<std::string>& args, ReceiveOptions& options) {
    CommandLine line = transferCommandLine("receive");
    if (std::string complaint = parsePortOptions(args, line, options.port); !complaint.empty())
        return complaint;
    const std::vector<std::string>& files = line.files();
    if (options.port.device.empty() || files.size() != 1)
        return "receive needs a port and one output file "
               "(receive --port DEVICE OUT.lst [--lang de|en|fr])";
    options.output = files[0];
    return {};
}

// The list goes nowhere else: a missing or read-only folder, or a folder,
// FIFO, socket or block device in the way of the file, is reported before the
// receiver is disturbed, with the status the failed save would give. A
// writable file in a read-only folder is written in place.
int targetStatus(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const fileio::WriteResult check = fileio::checkTarget(QFile::encodeName(path).toStdString());
    if (check.refused())
        return ExitUsage;
    const bool writable = check.ok() && folder.isDir() &&
                          (folder.isWritable() || (target.exists() && target.isWritable()));
    return writable ? ExitOk : ExitFailed;
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
    i18n::applyMessages(options.port.language);
    if (const int status = targetStatus(argumentPath(options.output)); status != ExitOk)
        return failure(context, i18n::Msg::DataSaveFailed, status, options.output);

    ConsoleTransfer transfer(context, options.port);
    if (!transfer.open())
        return ExitUsage;
    transfer.state.ReceiveFileName = argumentPath(options.output);
    transfer.state.allocateReceiveBuffer();
    ListReceive machine(transfer.port(), transfer.clock(), transfer.host);
    transfer.run(machine);
    transfer.close();
    return finishReceive(transfer.state, options, context);
}
