// quelvox-cli send --port DEVICE FILE.lst [--verify] [--lang de|en|fr]
//
// The main window's list send on the console: the identity read, the checks
// of the file, the backup of the receiver's list into "backups/", the send,
// and with --verify one more receive compared with the file.
#include "cli/ConsoleTransfer.h"
#include "cli/ListCommands.h"
#include "serial/ListReceive.h"
#include "serial/ListSend.h"
#include "transfer/ListCompare.h"
#include "transfer/SendOutcome.h"

#include <QDir>
#include <QFileInfo>
#include <ostream>

namespace {

constexpr int ExitDiffers = 3;

struct SendOptions {
    PortOptions port;
    std::string file;
    bool verify = false;
};

std::string parseSendArguments(const std::vector<std::string>& args, SendOptions& options) {
    CommandLine line = transferCommandLine("send", {"verify"});
    if (std::string complaint = parsePortOptions(args, line, options.port); !complaint.empty())
        return complaint;
    options.verify = line.isSet("verify");
    const std::vector<std::string>& files = line.files();
    if (options.port.device.empty() || files.size() != 1)
        return "send needs a port and one list file (send --port DEVICE FILE.lst [--verify])";
    options.file = files[0];
    return {};
}

// The receiver's list into the transfer state (kept, not saved). ExitOk, else the exit status of
// the failure, reported: a port that cannot be opened, or nothing usable came back.
int readReceiverList(ConsoleTransfer& transfer, CliContext& context) {
    if (!transfer.open())
        return ExitUsage;
    transfer.state.ReceivedStatus = 0;
    transfer.state.ReceivedSize = 0;
    transfer.state.allocateReceiveBuffer();
    ListReceive machine(transfer.port(), transfer.clock(), transfer.host);
    transfer.run(machine);
    transfer.close();
    const OutcomeMessage outcome = finishListReceive(transfer.state, ListRead::IdentityRead);
    if (outcome.show && outcome.slot == i18n::Msg::CorruptList)
        context.err << "quelvox-cli: " << consoleText(outcome.slot) << "\n";
    if (transfer.state.ReceivedSize > 0)
        return ExitOk;
    if (transfer.state.UserCancelled)
        return failure(context, i18n::Msg::CancelledByUser, ExitFailed);
    return failure(context, i18n::Msg::SendFailed, ExitFailed);
}

int refuse(CliContext& context, const ListSendCheck& check, const SendOptions& options) {
    using Verdict = ListSendCheck::Verdict;
    switch (check.verdict) {
    case Verdict::Unsuitable:
        return failure(context, i18n::Msg::ListNotSuitable, ExitFailed);
    case Verdict::NoList:
        context.err << "quelvox-cli: " << consoleText(i18n::Msg::MainNoListOpened) << options.file
                    << "\n";
        return ExitFailed;
    case Verdict::BackupFailed:
        return failure(context, i18n::Msg::BackupFailed, ExitFailed, check.reason);
    default:
        context.err << "quelvox-cli: " << options.file << ": no list file (cannot be read, or "
                    << "shorter than 184997 bytes)\n";
        return ExitUsage;
    }
}

int verify(ConsoleTransfer& transfer, const SendOptions& options, CliContext& context) {
    if (const int status = readReceiverList(transfer, context); status != ExitOk)
        return status;
    TransferState& state = transfer.state;
    const std::vector<std::string> fields = differingListFields(
        state.ReceiveBuffer.data(), static_cast<std::size_t>(state.ReceivedSize),
        state.ListFileBuffer.data(), static_cast<std::size_t>(state.ListFileSize));
    state.releaseReceiveBuffer();
    if (fields.empty()) {
        context.out << consoleText(i18n::Msg::VerifyIdentical) << "\n";
        return ExitOk;
    }
    context.out << i18n::text(i18n::Msg::VerifyDiffers)
                       .arg(QString::fromLocal8Bit(options.file.c_str()))
                       .toLocal8Bit()
                       .toStdString()
                << "\n";
    for (const std::string& field : fields)
        context.out << "  " << field << "\n";
    return ExitDiffers;
}

} // namespace

int runSend(const std::vector<std::string>& args, CliContext& context) {
    SendOptions options;
    if (const std::string complaint = parseSendArguments(args, options); !complaint.empty())
        return usageError(context, complaint);
    i18n::applyMessages(options.port.language);
    const QString path = argumentPath(options.file);
    if (!QFileInfo(path).isFile())
        return usageError(context, options.file + ": no such list file");

    ConsoleTransfer transfer(context, options.port);
    transfer.state.SendFileName = path;
    if (const int status = readReceiverList(transfer, context); status != ExitOk)
        return status;
    const ListSendCheck check =
        checkListForSend(transfer.state, QDir::current().filePath(QStringLiteral("backups")));
    if (check.verdict != ListSendCheck::Verdict::Send)
        return refuse(context, check, options);
    context.out << consoleText(i18n::Msg::BackupWritten) << check.backupPath.toStdString() << "\n";

    if (!transfer.open())
        return ExitUsage;
    transfer.state.ListAccepted = false;
    ListSend machine(transfer.port(), transfer.clock(), transfer.host);
    machine.addStartNote("Backup: " + check.backupPath.toStdString());
    transfer.run(machine);
    transfer.close();
    const OutcomeMessage outcome = finishListSend(transfer.state);
    if (outcome.slot != i18n::Msg::ListSent)
        return failure(context,
                       transfer.state.UserCancelled ? i18n::Msg::CancelledByUser : outcome.slot,
                       ExitFailed);
    context.out << consoleText(outcome.slot) << "\n";
    return options.verify ? verify(transfer, options, context) : ExitOk;
}
