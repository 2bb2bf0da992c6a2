#pragma once

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <signal.h>
#include <stdexcept>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Real folders for the writer tests: a scratch folder under /tmp (open to
// every user, for the test that drops root), a small tmpfs mounted in it
// where the test may mount, and helpers to look at what is left on disk.
namespace scratch {

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void putFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline mode_t typeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

// The names in a folder other than "." and "..", sorted.
inline std::vector<std::string> entries(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(dir))
            if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                names.emplace_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs body in a forked child and returns its exit status (-1: killed by a
// signal). Limits and identities set in the child do not reach the test.
inline int inChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Folder {
public:
    Folder() {
        char name[] = "/tmp/quelvox-fileio-XXXXXX";
        if (::mkdtemp(name) == nullptr)
            throw std::runtime_error("no scratch folder");
        path_ = name;
        ::chmod(name, 0755);
    }
    ~Folder() {
        if (mounted_)
            ::umount2(mountPoint().c_str(), MNT_DETACH);
        std::system(("chmod -R u+w '" + path_ + "' 2>/dev/null; rm -rf '" + path_ + "'").c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // A tmpfs of the given size at path()/mnt; false where mounting is not
    // permitted.
    bool mountTmpfs(std::size_t bytes) {
        ::mkdir(mountPoint().c_str(), 0755);
        mounted_ = ::mount("tmpfs", mountPoint().c_str(), "tmpfs", MS_NOSUID,
                           ("size=" + std::to_string(bytes) + ",mode=755").c_str()) == 0;
        return mounted_;
    }
    bool remountReadOnly() {
        return ::mount("tmpfs", mountPoint().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }
    std::string mountPoint() const { return path_ + "/mnt"; }

private:
    std::string path_;
    bool mounted_ = false;
};

// Fills the file system holding path until a write fails.
inline void fillUp(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string block(4096, 'f');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    ::close(fd);
}

// A device node with the numbers of /dev/null (1,3) or /dev/full (1,7);
// false where nodes cannot be made or used here (not root, nodev).
inline bool makeDevice(const std::string& path, unsigned minor) {
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) != 0)
        return false;
    const int fd = ::open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

} // namespace scratch
