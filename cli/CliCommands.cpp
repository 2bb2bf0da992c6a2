#include "cli/CliCommand.h"

#include <ostream>

int runInfo(const std::vector<std::string>& args, CliContext& context);
int runExport(const std::vector<std::string>& args, CliContext& context);
int runResave(const std::vector<std::string>& args, CliContext& context);
int runReceive(const std::vector<std::string>& args, CliContext& context);
int runSend(const std::vector<std::string>& args, CliContext& context);
int runUpdate(const std::vector<std::string>& args, CliContext& context);
int runReorder(const std::vector<std::string>& args, CliContext& context);
int runDiff(const std::vector<std::string>& args, CliContext& context);
int runPorts(const std::vector<std::string>& args, CliContext& context);

namespace {

constexpr CliCommand commands[] = {
    {"info", "FILE.lst",
     "receiver type, TV and radio channels, used transponders, checksum (exit 1 when wrong)",
     runInfo},
    {"export", "FILE.lst OUT.txt [--lang de|en|fr] [--force]",
     "write the list as a text file (German unless --lang says otherwise)", runExport},
    {"resave", "FILE.lst OUT.lst [--force]",
     "load, repair favourites and save with fresh checksums, as the editor's Save does", runResave},
    {"receive", "--port DEVICE OUT.lst [--lang de|en|fr] [--wait-port SECONDS]",
     "fetch the receiver's channel list (DEVICE: a device path or a COM port number) "
     "and save it; Ctrl+C cancels. --wait-port (here, for send and for update): wait up to "
     "SECONDS for the port (also a /dev/serial/by-id name) to appear before starting",
     runReceive},
    {"send", "--port DEVICE FILE.lst [--verify] [--lang de|en|fr] [--wait-port SECONDS]",
     "send a list file to the receiver: its identity is read first and its own list backed up "
     "in backups/; --verify reads the list back and compares it field by field (exit 3 when it "
     "differs); Ctrl+C cancels",
     runSend},
    {"update", "--port DEVICE FILE1 [FILE2 [FILE3]] [--lang de|en|fr] [--wait-port SECONDS]",
     "send one to three software files to the receiver, in order; Ctrl+C cancels", runUpdate},

    {"reorder",
     "--like REF(.lst|.txt|.csv) IN.lst OUT.lst [--drop-unmatched] [--lang de|en|fr] [--force]",
     "arrange IN like the reference REF (a list file, or text lines position;name[;program]), "
     "new channels behind (or dropped), and save it as OUT; exit 1 when nothing matched; "
     "messages about REF in German unless --lang says otherwise",
     runReorder},
    {"diff", "A.lst B.lst [--json] [--force]",
     "channels added, removed, moved and changed from A to B, per kind; exit 0 same, 1 differ",
     runDiff},
    {"ports", "[--watch]",
     "the serial ports as Quelvox numbers them, one line each: COMn, TAB, device path, TAB, "
     "description (exit 1 when there is none); --watch: '+' or '-', TAB, COMn, path, "
     "description and identity (by-id name, USB ids or the path) for each port there and each "
     "that comes or goes, until Ctrl+C",
     runPorts},
};

} // namespace

std::span<const CliCommand> cliCommands() {
    return commands;
}

int usageError(CliContext& context, const std::string& message) {
    context.err << "quelvox-cli: " << message << "\n";
    return ExitUsage;
}
