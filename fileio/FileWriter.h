#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace fileio {

// What became of a write. On anything but Ok the old file is as it was
// (except for a character device, whose bytes cannot be taken back, and a
// file overwritten in place that could not even be put back, whose old
// content then waits in oldContentCopy) and no temporary file is left.
struct WriteResult {
    enum class Status {
        Ok,
        Refused, // the target is a FIFO, socket or block device
        Failed,  // the file could not be created, written, synced or renamed,
                 // or the target is a folder
    };
    // The step that failed, for callers that tell them apart.
    enum class Step { None, Open, Write, Finish };

    Status status = Status::Ok;
    Step step = Step::None;
    std::string reason; // "<path>: <what went wrong>: <system error text>"
    // A file overwritten in place that could not be put back: where a copy
    // of its old content is kept (also named in reason). Empty otherwise.
    std::string oldContentCopy;

    bool ok() const { return status == Status::Ok; }
    bool refused() const { return status == Status::Refused; }
    explicit operator bool() const { return ok(); }
};

// Writes one file in pieces and tells the truth about it.
//
// A regular file (or a new one) is written to a temporary file beside it,
// ".<name>.quelvox-tmp.<pid>-<n>", which is synced and renamed over the
// target; the folder is synced after the rename. Where the folder does not
// allow a new file but the file itself is writable, it is overwritten in
// place: the new content is gathered first, and before its first byte goes
// out the file size limit is checked and the whole length reserved on the
// disk, so a limit or a full disk leaves the old file as it was; where the
// file system reserves nothing, a copy of the old content is kept first
// (OldContentCopy.h). Symbolic links are followed; a character device is written
// directly and never replaced. Every write, the sync and the close are
// checked; the first error ends the write and is kept in result().
class FileWriter {
public:
    explicit FileWriter(std::string path);
    ~FileWriter(); // abandons an unfinished write
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    bool open();
    bool write(const void* data, std::size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }
    bool commit();

    const WriteResult& result() const { return result_; }

private:
    enum class Mode { Replace, InPlace, Device };

    bool fail(WriteResult::Status status, WriteResult::Step step, const std::string& what,
              int error);
    bool openInPlace();
    bool commitInPlace();
    bool putBack(const std::string& old);
    void discard();

    std::string path_;   // as given
    std::string target_; // after following symbolic links
    std::string temporary_;
    Mode mode_ = Mode::Replace;
    int fd_ = -1;
    std::string pending_; // the new content of a file overwritten in place
    bool targetExists_ = false;
    WriteResult result_;
};

// Refused, with its reason, when the target (links followed) exists and is a
// FIFO, socket or block device; Failed for a folder; Ok otherwise. For a check before a
// long operation; the writer checks again.
WriteResult checkTarget(const std::string& path);

// Makes a write past the file size limit (ulimit -f) fail with EFBIG, which
// the writer reports, instead of killing the program with SIGXFSZ. Called
// once at the start of each program.
void reportWritesPastSizeLimit();

// The whole file in one call.
WriteResult writeFile(const std::string& path, std::span<const uint8_t> bytes);
WriteResult writeFile(const std::string& path, std::string_view bytes);

} // namespace fileio
