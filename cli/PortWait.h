#pragma once

#include "cli/CliCommand.h"

#include <optional>
#include <string>

class Clock;

// --wait-port SECONDS: a number from 0 to one day; false for any other text.
bool parseWaitSeconds(const std::string& text, double& seconds);

// Where the port named by `name` is now: a device path while it exists; a
// port number ("3" or "COM3") while the port list has it (the name itself,
// which the port list resolves); a /dev/serial/by-id name, or the identity
// quelvox-cli ports --watch shows, as the device path it leads to.
std::optional<std::string> presentPort(const std::string& name);

// Looks for the port every 100 ms until it is there, the time has run out
// or Ctrl+C came; then the device to open, or nothing (reported).
std::optional<std::string> waitForPort(const std::string& name, double seconds, Clock& clock,
                                       CliContext& context);

// quelvox-cli ports --watch: the ports there now, then each one that comes
// ("+") or goes ("-"), until Ctrl+C.
int runPortsWatch(CliContext& context);
