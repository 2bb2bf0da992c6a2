#pragma once

#include "tools/receiver-sim/PtyLine.h"
#include "tools/receiver-sim/Receiver.h"
#include "tools/receiver-sim/SimOptions.h"

#include <chrono>
#include <string>

namespace sim {

// The line as the receiver sees it, behind a stable symbolic link when one is
// asked for. Unplugging takes the pseudo-terminal away as a pulled USB adapter
// would (the link goes, the PC side reads EIO, bytes on their way are lost);
// replugging makes a new pseudo-terminal and points the same link at it, so a
// program that waits for "the same device" finds it again at the old path.
class PluggedLine : public ReceiverLine {
public:
    using KeepGoing = PtyLine::KeepGoing;

    PluggedLine(PtyLine& pty, const SimOptions& options, KeepGoing keepGoing);
    ~PluggedLine() override;
    PluggedLine(const PluggedLine&) = delete;
    PluggedLine& operator=(const PluggedLine&) = delete;

    // Opens the first pseudo-terminal; `shownPath` is the link when there is
    // one, else the slave device.
    bool open(std::string& shownPath, std::string& error);

    bool send(const uint8_t* data, std::size_t count) override;
    void waitTaken() override;
    void hangUp() override;

    // Time passes: unplugs when the time has come, replugs when the pause is
    // over. `unplugNow` is a request from outside (SIGUSR1). False when the
    // new pseudo-terminal cannot be made.
    bool onTick(bool unplugNow, std::string& error);
    bool plugged() const { return plugged_; }

private:
    using Clock = std::chrono::steady_clock;
    void unplug();
    bool plugIn(std::string& error);
    bool unplugging() const;

    PtyLine& pty_;
    const SimOptions& options_;
    KeepGoing keepGoing_;
    std::string linkPath_;
    std::string shownPath_; // the slave device of the current pseudo-terminal
    bool plugged_ = false;
    bool unpluggedOnce_ = false;
    long sentSincePlug_ = 0;
    Clock::time_point pluggedAt_;
    Clock::time_point unpluggedAt_;
};

} // namespace sim
