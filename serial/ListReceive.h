#pragma once

#include "serial/ReceiverDialogue.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The list receive (also the identity read before a list send): handshake,
// "500", record the stream until the line falls silent, cut the image out
// between "Start Upload" (and its run of '-') and the last "End Upload", hand
// it to the main window, put the receiver to standby. A plain state machine,
// one step per Pass(); TComThread runs it on a worker thread.
//
// ECommError from the port leaves Pass(): the run ends there, nothing is
// handed over and no log is written.
class ListReceive {
public:
    static constexpr int32_t PhaseReceive = 500;
    static constexpr int32_t StepRequest = 2;
    static constexpr int32_t StepReceive = 3;

    static constexpr uint32_t ReadCapacity = 1024;
    static constexpr int32_t StreamCapacity = 524288;      // 0x80000
    static constexpr int32_t NominalStreamLength = 185026; // 100 % of the progress bar
    static constexpr int32_t LeastCompleteStream = 185496;
    static constexpr const char* DefaultLogPath = "logRead.txt";

    ListReceive(Port& port, Clock& clock, WorkerHost& host);

    // One pass of the worker loop. Throws ECommError from the port.
    void Pass();
    // Passes until wound up.
    void Run();
    bool Finished() const { return finished_; }

    // From the GUI thread.
    void CancelByUser() { dialogue_.CancelByUser(); }

    void setLogPath(std::string path) { logPath_ = std::move(path); }
    std::vector<std::string> log() const { return dialogue_.log(); }
    int32_t phase() const { return dialogue_.phase(); }
    int32_t receivedCount() const { return receivedCount_; }
    const ReceiverDialogue& dialogue() const { return dialogue_; }

    // Index just after the first "Start Upload" and the '-' bytes that follow
    // it; 0 when there is none.
    static int32_t FindListStart(const uint8_t* stream, int32_t count);
    // Index of the first byte of the last "End Upload"; 0 when there is none.
    static int32_t FindListEnd(const uint8_t* stream, int32_t count);

private:
    void request();
    void receive();
    void finishTransfer();
    void standby();
    void windUp();

    ReceiverDialogue dialogue_;
    std::vector<uint8_t> stream_;
    std::array<uint8_t, ReadCapacity + 1> chunk_{};
    int32_t receivedCount_ = 0;
    bool finished_ = false;
    std::string logPath_ = DefaultLogPath;
};
