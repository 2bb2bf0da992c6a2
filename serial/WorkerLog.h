#pragma once

#include <string>
#include <vector>

// Writes a worker's log, one line per entry, replacing an older file. It is
// written beside the target and renamed over it, so a failed write never
// leaves half a log. Returns false when the log could not be written.
bool writeWorkerLog(const std::string& path, const std::vector<std::string>& lines);
