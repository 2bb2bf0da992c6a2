// quelvox-cli: the channel-list model of Quelvox on the command line.
#include "cli/CliCommand.h"
#include "fileio/FileWriter.h"
#include "serial/PortLock.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void printHelp(std::ostream& out) {
    out << "Usage: quelvox-cli COMMAND ARGUMENTS\n\nCommands:\n";
    for (const CliCommand& command : cliCommands())
        out << "  " << command.name << (*command.usage ? " " : "") << command.usage << "\n      "
            << command.summary << "\n";
    out << "  --help\n      this text\n\n"
           "Input files must be regular files. export and resave refuse a file that is\n"
           "not 185026 bytes long, the size of a list file; --force loads it all the same\n"
           "(missing bytes read as 0). A wrong checksum is reported and, by resave,\n"
           "replaced with a correct one.\n\n"
           "Exit codes, the same in every command:\n"
           "0 done;\n"
           "1 the operation failed (info: the checksum does not hold; reorder: nothing\n"
           "matched, nothing written; diff: the lists differ; receive, send, update: the\n"
           "transfer failed or was cancelled, or the list was refused; ports: no serial\n"
           "port found), or an output file cannot be written (a folder, a missing or\n"
           "read-only folder, a full disk, the file size limit);\n"
           "2 wrong use, an input file that cannot be read or is refused as above, an\n"
           "output that is a FIFO, socket or block device, or (receive, send, update) a\n"
           "port that cannot be opened (or is locked by another program);\n"
           "3 send --verify: the list read back differs;\n"
           "130 a second Ctrl+C (or SIGTERM) ended a transfer at once.\n"
           "receive writes its transfer log to logRead.txt in the working directory.\n\n"
           "A port number DEVICE (--port 3) names the port that ports lists as COM3:\n"
           "the system's serial ports sorted by device path, then the paths of\n"
           "QUELVOX_EXTRA_PORTS (separated by colons).\n\n"
           "reorder pairs channels by program number, network id and a frequency within\n"
           "5 MHz (satellite) or 1 MHz (cable, terrestrial), else by name compared as the\n"
           "editor's find compares names; of several channels with that name the nearest\n"
           "frequency wins. Paired channels take the reference's order and favourites, TV\n"
           "and radio each in their own order; channel data stays that of IN. A text\n"
           "reference holds one channel a line, position and name separated by ';' or TAB,\n"
           "optionally the program number as a third field (UTF-8 or Latin-1).\n\n"
           "diff --json writes one object, keys always in this order:\n"
           "  {\"same\": BOOL, \"tv\": KIND, \"radio\": KIND}\n"
           "  KIND: {\"added\": [CH], \"removed\": [CH], \"moved\": [CH + \"from\"],\n"
           "         \"changed\": [CH + \"match\", \"fields\"]}\n"
           "  CH: \"position\" (row within the kind; in A for removed, in B otherwise),\n"
           "      \"name\", \"programNumber\"; \"from\": the row in A; \"match\": \"id\" or "
           "\"name\";\n"
           "  \"fields\": [{\"field\", \"old\", \"new\"}] with field one of name, programNumber,\n"
           "      videoPid, audioPid, pcrPid, teletextPid, frequency, symbolRate, networkId,\n"
           "      polarisation, favouriteNumber, crypted (values as strings).\n"
           "  moved lists the fewest channels whose moves explain the new order.\n";
}

bool isHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "help";
}

} // namespace

int main(int argc, char** argv) {
    fileio::reportWritesPastSizeLimit();
    PortLock::removeLocksOnDeadlySignals();
    CliContext context{std::cout, std::cerr};
    if (argc < 2)
        return usageError(context, "no command given (try quelvox-cli --help)");
    const std::string name = argv[1];
    if (isHelp(name)) {
        printHelp(std::cout);
        return ExitOk;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const CliCommand& command : cliCommands()) {
        if (name == command.name)
            return command.run(args, context);
    }
    return usageError(context, "unknown command '" + name + "' (try quelvox-cli --help)");
}
