#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

// One sub-command of quelvox-cli. A command gets the arguments after its
// name and returns the process exit code: 0 done, 1 the operation failed (or,
// for info, the checksum does not hold), 2 wrong use or an unreadable file.
struct CliContext {
    std::ostream& out;
    std::ostream& err;
};

struct CliCommand {
    const char* name;
    const char* usage;   // arguments, shown in the help
    const char* summary; // one line
    int (*run)(const std::vector<std::string>& args, CliContext& context);
};

// Every command, in the order of the help text. A new command lives in its
// own file and is added to the table in CliCommands.cpp.
std::span<const CliCommand> cliCommands();

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// Prints "quelvox-cli: <message>" on the error stream and returns ExitUsage.
int usageError(CliContext& context, const std::string& message);
