#include "tools/receiver-sim/PluggedLine.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace sim {
namespace {

std::chrono::steady_clock::duration seconds(double value) {
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(value));
}

} // namespace

PluggedLine::PluggedLine(PtyLine& pty, const SimOptions& options, KeepGoing keepGoing)
    : pty_(pty), options_(options), keepGoing_(std::move(keepGoing)) {
    linkPath_ = options.linkPath;
    if (linkPath_.empty() && options.unplugMode())
        linkPath_ = "/tmp/receiver-sim-" + std::to_string(::getpid());
    // The path is handed to programs that may run in another folder.
    if (!linkPath_.empty() && linkPath_.front() != '/') {
        std::error_code error;
        const auto absolute = std::filesystem::absolute(linkPath_, error);
        if (!error)
            linkPath_ = absolute.string();
    }
}

PluggedLine::~PluggedLine() {
    if (!linkPath_.empty())
        ::unlink(linkPath_.c_str());
}

bool PluggedLine::open(std::string& shownPath, std::string& error) {
    if (!plugIn(error))
        return false;
    shownPath = linkPath_.empty() ? shownPath_ : linkPath_;
    return true;
}

bool PluggedLine::plugIn(std::string& error) {
    std::string slave;
    if (!pty_.open(slave, error))
        return false;
    shownPath_ = slave;
    if (!linkPath_.empty()) {
        // A new link under a temporary name, then renamed over the old place:
        // the path never points at a vanished device.
        const std::string fresh = linkPath_ + ".new";
        ::unlink(fresh.c_str());
        if (::symlink(slave.c_str(), fresh.c_str()) != 0 ||
            ::rename(fresh.c_str(), linkPath_.c_str()) != 0) {
            error = "cannot link " + linkPath_ + " to " + slave + ": " + std::strerror(errno);
            return false;
        }
    }
    plugged_ = true;
    sentSincePlug_ = 0;
    pluggedAt_ = Clock::now();
    return true;
}

void PluggedLine::unplug() {
    if (!linkPath_.empty())
        ::unlink(linkPath_.c_str());
    pty_.hangUp(false);
    plugged_ = false;
    unpluggedOnce_ = true;
    unpluggedAt_ = Clock::now();
}

bool PluggedLine::unplugging() const {
    return plugged_ && options_.unplugMode() && (!unpluggedOnce_ || options_.unplugRepeat);
}

bool PluggedLine::send(const uint8_t* data, std::size_t count) {
    if (!plugged_)
        return false; // nobody on the other end: the bytes are lost
    std::size_t now = count;
    const bool byBytes = unplugging() && options_.unplugAfterBytes >= 0;
    if (byBytes)
        now = std::min<std::size_t>(
            count, static_cast<std::size_t>(options_.unplugAfterBytes - sentSincePlug_));
    const bool sent = pty_.send(data, now, keepGoing_);
    sentSincePlug_ += static_cast<long>(now);
    if (byBytes && sentSincePlug_ >= options_.unplugAfterBytes) {
        // What is already in the kernel reaches the PC, as from a UART's FIFO.
        pty_.waitTaken(std::chrono::milliseconds(500), keepGoing_);
        unplug();
        return false;
    }
    return sent;
}

void PluggedLine::waitTaken() {
    if (plugged_)
        pty_.waitTaken(std::chrono::seconds(5), keepGoing_);
}

void PluggedLine::hangUp() {
    pty_.hangUp(true);
}

bool PluggedLine::onTick(bool unplugNow, std::string& error) {
    const auto now = Clock::now();
    if (plugged_) {
        const bool timeUp = unplugging() && options_.unplugAfterSeconds >= 0 &&
                            now - pluggedAt_ >= seconds(options_.unplugAfterSeconds);
        if (timeUp || (unplugNow && !linkPath_.empty()))
            unplug();
        return true;
    }
    if (now - unpluggedAt_ < seconds(options_.replugAfter))
        return true;
    return plugIn(error);
}

} // namespace sim
