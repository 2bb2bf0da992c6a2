#include "serial/WorkerLog.h"

#include "fileio/FileWriter.h"

bool writeWorkerLog(const std::string& path, const std::vector<std::string>& lines) {
    fileio::FileWriter file(path);
    bool ok = file.open();
    for (const std::string& line : lines)
        ok = ok && file.write(line) && file.write("\n");
    return ok && file.commit();
}
