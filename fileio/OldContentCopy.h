#pragma once

#include <optional>
#include <string>

namespace fileio {

// For a file overwritten in place: its old bytes, read before the first one
// changes, and a copy of them kept where the user finds it should the file
// not be restored.

// The whole file; nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path);

// The user's state folder for the copies: $XDG_STATE_HOME/quelvox/backups,
// else ~/.local/state/quelvox/backups.
std::string backupFolder();

// Writes bytes as "<name>.<YYYYMMDD-HHMMSS>.<pid>.bak" beside the target,
// else in backupFolder(), through the writer's safe path; the copy's path,
// or empty when neither place takes it.
std::string keepCopy(const std::string& target, const std::string& bytes);

} // namespace fileio
