#include "fileio/OldContentCopy.h"

#include "fileio/FileWriter.h"
#include "fileio/TargetPath.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

// mkdir -p; true when the folder is there.
bool makeFolders(const std::string& folder) {
    for (std::size_t slash = 1; slash != std::string::npos; ++slash) {
        slash = folder.find('/', slash);
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string copyName(const std::string& target) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    std::string name = nameOf(target);
    name += ".";
    name += stamp;
    name += ".";
    name += std::to_string(::getpid());
    name += ".bak";
    return name;
}

} // namespace

std::optional<std::string> readWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    char block[65536];
    while (true) {
        const ssize_t got = ::read(fd, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        bytes.append(block, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

std::string backupFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && *state == '/')
        return std::string(state) + "/quelvox/backups";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && *home == '/' ? home : "/tmp") +
           "/.local/state/quelvox/backups";
}

std::string keepCopy(const std::string& target, const std::string& bytes) {
    const std::string name = copyName(target);
    const std::string beside = folderOf(target) + "/" + name;
    if (writeFile(beside, std::string_view(bytes)).ok())
        return beside;
    const std::string folder = backupFolder();
    if (!makeFolders(folder))
        return {};
    const std::string kept = folder + "/" + name;
    return writeFile(kept, std::string_view(bytes)).ok() ? kept : std::string();
}

} // namespace fileio
