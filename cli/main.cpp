// quelvox-cli: the channel-list model of Quelvox on the command line.
#include "cli/CliCommand.h"
#include "fileio/FileWriter.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

void printHelp(std::ostream& out) {
    out << "Usage: quelvox-cli COMMAND ARGUMENTS\n\nCommands:\n";
    for (const CliCommand& command : cliCommands())
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary
            << "\n";
    out << "  --help\n      this text\n\n"
           "Input files must be regular files. export and resave refuse a file that is\n"
           "not 185026 bytes long, the size of a list file; --force loads it all the same\n"
           "(missing bytes read as 0). A wrong checksum is reported and, by resave,\n"
           "replaced with a correct one.\n\n"
           "Exit codes: 0 done, 1 the operation failed (info: the checksum does not hold;\n"
           "receive: no list arrived, it was corrupt or the transfer was cancelled),\n"
           "2 wrong use, a file that cannot be read or is refused as above, or (receive)\n"
           "a port that cannot be opened (or is locked by another program) or a list file\n"
           "that cannot be written.\n"
           "receive writes its transfer log to logRead.txt in the working directory.\n";
}

bool isHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h" || argument == "help";
}

} // namespace

int main(int argc, char** argv) {
    fileio::reportWritesPastSizeLimit();
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
