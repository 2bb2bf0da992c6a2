#include "fileio/TargetPath.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

namespace {

constexpr std::string_view TemporaryMark = ".quelvox-tmp.";

std::string prefixFor(const std::string& target) {
    // Appended piece by piece: GCC 12 warns (wrongly) about "." + string.
    std::string prefix(".");
    prefix += nameOf(target);
    prefix += TemporaryMark;
    return prefix;
}

// The writer's PID from "<pid>-<n>"; 0 when the rest is not of that form.
pid_t writerPid(std::string_view rest) {
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9)
        return 0;
    pid_t pid = 0;
    for (const char c : rest.substr(0, dash)) {
        if (c < '0' || c > '9')
            return 0;
        pid = pid * 10 + (c - '0');
    }
    for (const char c : rest.substr(dash + 1))
        if (c < '0' || c > '9')
            return 0;
    return pid;
}

} // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string resolveLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size())
            return current;
        link.resize(static_cast<std::size_t>(n));
        current = link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    return current; // a loop: opening it reports the error
}

std::string temporaryFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    const std::string folder = folderOf(target);
    return (target.find('/') == std::string::npos ? std::string() : folder + "/") +
           prefixFor(target) + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1));
}

void sweepStaleTemporaries(const std::string& target) {
    const std::string folder = folderOf(target);
    const std::string prefix = prefixFor(target);
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.substr(0, prefix.size()) != prefix)
            continue;
        const pid_t pid = writerPid(name.substr(prefix.size()));
        // kill(pid, 0) fails with ESRCH only when no such process exists.
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

} // namespace fileio
