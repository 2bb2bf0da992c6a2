#pragma once

#include "tools/receiver-sim/SimOptions.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sim {

// What the receiver writes to: the line, with a way out when told to stop.
class ReceiverLine {
public:
    virtual ~ReceiverLine() = default;
    virtual bool send(const uint8_t* data, std::size_t count) = 0;
    // Returns once the PC has read what was sent (or gave up reading).
    virtual void waitTaken() = 0;
    virtual void hangUp() = 0;
};

// The receiver's firmware as far as the PC relies on it: a text menu driven by
// three-character command lines (zero-padded, then CR LF), the channel-list
// upload between "Start Upload" and "End Upload", and the reception of a list
// or software file after "100" or "l" with its reports; an accepted list
// becomes the one it serves. One object, fed with what arrives and ticked
// between arrivals.
class Receiver {
public:
    Receiver(const SimOptions& options, std::vector<uint8_t> list, ReceiverLine& line);

    void start(); // power on
    void onBytes(const uint8_t* data, std::size_t count);
    void onTick(); // time passes
    bool lineDropped() const { return dropped_; }

private:
    using Clock = std::chrono::steady_clock;
    enum class Mode { Menu, AwaitList, AwaitSoftware };
    struct Command {
        const char* text;
        void (Receiver::*handler)();
    };

    void onCommandLine(const std::string& line);
    void say(const std::string& text);
    void pause(int ms);
    void answerGap(int ms);
    void apartGap(int ms);
    std::chrono::milliseconds scaled(int ms) const;

    // Command handlers.
    void helpForList();
    void helpForSoftware();
    void showStartMenu();
    void showVersion();
    void uploadChannelList();
    void awaitList();
    void awaitSoftware();
    void standby();

    bool takeHelpInBinaryMode(Mode awaiting);
    void beginFile(Mode awaiting);
    void takeFileByte(uint8_t byte);
    void finishReceivedFile();
    void finishList(std::vector<uint8_t> file);
    void finishSoftware(const std::vector<uint8_t>& file);
    void store(const std::vector<uint8_t>& file, const char* stem, const char* ending,
               unsigned& count);
    std::string uploadStream() const;

    static const Command kCommands[];

    const SimOptions& options_;
    std::vector<uint8_t> list_;
    ReceiverLine& line_;
    Mode mode_ = Mode::Menu;
    std::string pendingLine_;
    std::vector<uint8_t> incomingFile_;
    Clock::time_point lastByteAt_;
    Clock::time_point nextNoiseAt_;
    bool startupHelpPending_ = false;
    bool binaryModePending_ = false; // the next help finds it waiting for a file
    bool swallowLineFeed_ = false;   // the LF of a command's CR LF
    bool dropped_ = false;
    unsigned noiseCounter_ = 0;
    unsigned storedLists_ = 0;
    unsigned storedSoftware_ = 0;
};

} // namespace sim
