#include "fileio/FileWriter.h"

#include "fileio/OldContentCopy.h"
#include "fileio/TargetPath.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace fileio {

namespace {

// Opens without waiting (a device or FIFO never blocks the program here),
// then writes blocking again.
int openExisting(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

// Targets that are never written: a FIFO would wait for a reader, and a
// socket or disk device is no place for a file.
const char* refusalOf(mode_t mode) {
    if (S_ISFIFO(mode))
        return "is a FIFO, not a file";
    if (S_ISSOCK(mode))
        return "is a socket, not a file";
    if (S_ISBLK(mode))
        return "is a block device, not a file";
    return nullptr;
}

// Syncing a terminal, printer port or pipe-like device is not supported by
// all drivers; that is no write error.
bool syncUnsupported(int error) {
    return error == EINVAL || error == ENOTSUP || error == EROFS;
}

} // namespace

FileWriter::FileWriter(std::string path) : path_(std::move(path)) {}

FileWriter::~FileWriter() {
    discard();
}

bool FileWriter::fail(WriteResult::Status status, WriteResult::Step step, const std::string& what,
                      int error) {
    if (result_.ok()) {
        result_.status = status;
        result_.step = step;
        result_.reason = path_ + ": " + what;
        if (error != 0)
            result_.reason += ": " + std::error_code(error, std::generic_category()).message();
    }
    discard();
    return false;
}

void FileWriter::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
    temporary_.clear();
}

bool FileWriter::open() {
    using S = WriteResult::Status;
    using Step = WriteResult::Step;
    discard();
    result_ = {};
    pending_.clear();
    if (path_.empty())
        return fail(S::Failed, Step::Open, "no file name", ENOENT);
    target_ = resolveLinks(path_);

    struct stat st {};
    targetExists_ = ::stat(target_.c_str(), &st) == 0;
    if (!targetExists_ && errno != ENOENT)
        return fail(S::Failed, Step::Open, "cannot be reached", errno);
    if (targetExists_) {
        if (const char* refusal = refusalOf(st.st_mode))
            return fail(S::Refused, Step::Open, refusal, 0);
        if (S_ISDIR(st.st_mode))
            return fail(S::Failed, Step::Open, "is a folder, not a file", 0);
        if (S_ISCHR(st.st_mode)) {
            mode_ = Mode::Device;
            fd_ = openExisting(target_);
            if (fd_ < 0)
                return fail(S::Failed, Step::Open, "the device cannot be opened", errno);
            struct stat opened {};
            if (::fstat(fd_, &opened) != 0 || !S_ISCHR(opened.st_mode))
                return fail(S::Refused, Step::Open, "changed while being opened", 0);
            return true;
        }
    }

    sweepStaleTemporaries(target_);
    mode_ = Mode::Replace;
    // A name taken already (left by an earlier process of the same PID) is
    // passed over.
    for (int attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
        temporary_ = temporaryFor(target_);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        const int error = errno;
        temporary_.clear();
        // A folder that takes no new file while the file itself is writable
        // (settings in a shared folder): overwrite the file.
        if (targetExists_ && (error == EACCES || error == EPERM))
            return openInPlace();
        return fail(S::Failed, Step::Open, "cannot be created", error);
    }
    if (targetExists_) {
        // The new file keeps the old one's permissions and, where allowed
        // (root saving a user's file), its owner.
        ::fchmod(fd_, st.st_mode & 07777);
        [[maybe_unused]] const int owned = ::fchown(fd_, st.st_uid, st.st_gid);
    }
    return true;
}

bool FileWriter::openInPlace() {
    mode_ = Mode::InPlace;
    fd_ = openExisting(target_);
    if (fd_ < 0)
        return fail(WriteResult::Status::Failed, WriteResult::Step::Open, "cannot be written",
                    errno);
    struct stat opened {};
    if (::fstat(fd_, &opened) != 0 || !S_ISREG(opened.st_mode))
        return fail(WriteResult::Status::Refused, WriteResult::Step::Open,
                    "changed while being opened", 0);
    return true;
}

bool FileWriter::write(const void* data, std::size_t size) {
    if (fd_ < 0)
        return fail(WriteResult::Status::Failed, WriteResult::Step::Write, "not open", EBADF);
    const auto* bytes = static_cast<const char*>(data);
    if (mode_ == Mode::InPlace) {
        pending_.append(bytes, size); // no byte of the old file changes before commit
        return true;
    }
    while (size > 0) {
        const ssize_t n = ::write(fd_, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return fail(WriteResult::Status::Failed, WriteResult::Step::Write, "cannot be written",
                        n < 0 ? errno : EIO);
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool FileWriter::commit() {
    using S = WriteResult::Status;
    using Step = WriteResult::Step;
    if (fd_ < 0)
        return fail(S::Failed, Step::Finish, "not open", EBADF);
    if (mode_ == Mode::InPlace)
        return commitInPlace();
    if (::fsync(fd_) != 0 && !(mode_ == Mode::Device && syncUnsupported(errno)))
        return fail(S::Failed, Step::Finish, "cannot be synced", errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        return fail(S::Failed, Step::Finish, "cannot be closed", errno);
    if (mode_ != Mode::Replace)
        return true;

    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return fail(S::Failed, Step::Finish, "cannot replace the old file", errno);
    temporary_.clear();
    // The rename is only durable once the folder is synced.
    const int folder = ::open(folderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return fail(S::Failed, Step::Finish, "the folder cannot be synced", errno);
    const bool synced = ::fsync(folder) == 0 || syncUnsupported(errno);
    const int error = errno;
    ::close(folder);
    if (!synced)
        return fail(S::Failed, Step::Finish, "the folder cannot be synced", error);
    return true;
}

bool FileWriter::commitInPlace() {
    using S = WriteResult::Status;
    using Step = WriteResult::Step;
    const std::size_t length = pending_.size();
    rlimit sizeLimit{};
    if (::getrlimit(RLIMIT_FSIZE, &sizeLimit) == 0 && sizeLimit.rlim_cur != RLIM_INFINITY &&
        length > sizeLimit.rlim_cur)
        return fail(S::Failed, Step::Write, "is longer than the file size limit allows", EFBIG);
    const std::optional<std::string> old = readWholeFile(target_);
    // Blocks for the whole length (the visible size unchanged), so the writes
    // below cannot run out of room.
    bool reserved = length == 0;
    if (!reserved) {
        reserved = ::fallocate(fd_, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(length)) == 0;
        if (!reserved && errno != EOPNOTSUPP && errno != ENOSYS)
            return fail(S::Failed, Step::Write, "has no room for the new content", errno);
    }
    std::string copy;
    if (!reserved) {
        // Nothing tells whether the new content fits: keep the old one first.
        if (old)
            copy = keepCopy(target_, *old);
        if (copy.empty())
            return fail(S::Failed, Step::Write,
                        "cannot be overwritten safely (no room can be reserved and no copy of "
                        "the old content kept)",
                        0);
    }

    const char* what = nullptr;
    int error = 0;
    for (std::size_t done = 0; done < length && what == nullptr;) {
        const ssize_t n =
            ::pwrite(fd_, pending_.data() + done, length - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            what = "cannot be written";
            error = n < 0 ? errno : EIO;
        } else {
            done += static_cast<std::size_t>(n);
        }
    }
    if (what == nullptr && ::ftruncate(fd_, static_cast<off_t>(length)) != 0) {
        what = "cannot be cut to length";
        error = errno;
    }
    if (what == nullptr && ::fsync(fd_) != 0) {
        what = "cannot be synced";
        error = errno;
    }
    if (what == nullptr) {
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) == 0) {
            if (!copy.empty())
                ::unlink(copy.c_str());
            return true;
        }
        what = "cannot be closed";
        error = errno;
    }

    // Put the old content back; where that fails too, it waits in a copy.
    const bool restored = old && putBack(*old);
    if (restored && !copy.empty())
        ::unlink(copy.c_str());
    if (!restored && copy.empty() && old)
        copy = keepCopy(target_, *old);
    fail(S::Failed, Step::Write, what, error);
    if (!restored) {
        result_.oldContentCopy = copy;
        result_.reason += copy.empty() ? std::string("; the old content could not be kept")
                                       : "; the old content is kept in " + copy;
    }
    return false;
}

bool FileWriter::putBack(const std::string& old) {
    const int fd = fd_ >= 0 ? fd_ : openExisting(target_);
    if (fd < 0)
        return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < old.size();) {
        const ssize_t n =
            ::pwrite(fd, old.data() + done, old.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<std::size_t>(n);
    }
    ok = ok && ::ftruncate(fd, static_cast<off_t>(old.size())) == 0 && ::fsync(fd) == 0;
    if (fd != fd_)
        ::close(fd);
    return ok;
}

WriteResult checkTarget(const std::string& path) {
    WriteResult result;
    struct stat st {};
    if (::stat(resolveLinks(path).c_str(), &st) == 0) {
        const char* refusal = refusalOf(st.st_mode);
        if (refusal != nullptr || S_ISDIR(st.st_mode)) {
            result.status = refusal ? WriteResult::Status::Refused : WriteResult::Status::Failed;
            result.step = WriteResult::Step::Open;
            result.reason = path + ": " + (refusal ? refusal : "is a folder, not a file");
        }
    }
    return result;
}

void reportWritesPastSizeLimit() {
    std::signal(SIGXFSZ, SIG_IGN);
}

WriteResult writeFile(const std::string& path, std::string_view bytes) {
    FileWriter writer(path);
    if (writer.open() && writer.write(bytes))
        writer.commit();
    return writer.result();
}

WriteResult writeFile(const std::string& path, std::span<const uint8_t> bytes) {
    return writeFile(path,
                     std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace fileio
