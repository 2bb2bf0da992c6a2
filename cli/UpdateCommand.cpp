// quelvox-cli update --port DEVICE FILE1 [FILE2 [FILE3]] [--lang de|en|fr]
//
// The main window's software update on the console: one to three software
// files, in order, on one connection.
#include "cli/ConsoleTransfer.h"
#include "cli/ListCommands.h"
#include "serial/SoftwareUpdate.h"
#include "transfer/SendOutcome.h"

#include <ostream>

namespace {
constexpr std::size_t MaxFiles = 3;
} // namespace

int runUpdate(const std::vector<std::string>& args, CliContext& context) {
    PortOptions options;
    CommandLine line = transferCommandLine("update");
    if (std::string complaint = parsePortOptions(args, line, options); !complaint.empty())
        return usageError(context, complaint);
    const std::vector<std::string>& files = line.files();
    if (options.device.empty() || files.empty())
        return usageError(context, "update needs a port and one to three software files "
                                   "(update --port DEVICE FILE1 [FILE2 [FILE3]])");
    i18n::applyMessages(options.language);
    if (files.size() > MaxFiles)
        return failure(context, i18n::Msg::AtMostThreeFiles, ExitUsage);

    ConsoleTransfer transfer(context, options);
    TransferState& state = transfer.state;
    for (std::size_t i = 0; i < files.size(); ++i)
        state.SoftwareFileNames[i] = argumentPath(files[i]);
    if (!ReadFirmFiles(state))
        return usageError(context, "none of the software files can be read");
    if (const QString list = softwareFileThatIsAList(state); !list.isEmpty())
        return failure(context, i18n::Msg::SoftwareIsList, ExitUsage, list.toStdString());

    if (!transfer.open())
        return ExitUsage;
    state.UpdateDone = false;
    state.SoftwareCursor = 0;
    SoftwareUpdate machine(transfer.port(), transfer.clock(), transfer.host);
    transfer.run(machine);
    transfer.close();
    const bool cancelled = state.UserCancelled;
    const OutcomeMessage outcome = finishSoftwareUpdate(state);
    if (outcome.slot != i18n::Msg::UpdateDone)
        return failure(context, cancelled ? i18n::Msg::CancelledByUser : outcome.slot, ExitFailed);
    context.out << consoleText(outcome.slot) << "\n";
    return ExitOk;
}
