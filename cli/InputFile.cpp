#include "cli/InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "no ordinary file";
}

std::nullopt_t cannotRead(CliContext& context, const std::string& path, const std::string& why) {
    context.err << "quelvox-cli: cannot read " << path << " (" << why << ")\n";
    return std::nullopt;
}

std::nullopt_t notRegular(CliContext& context, const std::string& path, mode_t mode) {
    return cannotRead(context, path, std::string("it is ") + kindOf(mode) + ", not a regular file");
}

} // namespace

std::optional<InputFile> readInputFile(const std::string& path, std::size_t maxBytes,
                                       CliContext& context) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return cannotRead(context, path, std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return notRegular(context, path, info.st_mode);

    // Non-blocking, and checked once more on the descriptor: the path may
    // have been swapped for a FIFO since the look above.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return cannotRead(context, path, std::strerror(errno));
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return cannotRead(context, path, std::strerror(error));
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return notRegular(context, path, info.st_mode);
    }

    InputFile input;
    input.size = static_cast<uint64_t>(info.st_size);
    input.bytes.resize(maxBytes);
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t got = ::read(fd, input.bytes.data() + filled, maxBytes - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            return cannotRead(context, path, std::strerror(error));
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    input.bytes.resize(filled);
    return input;
}
