#pragma once

#include "serial/ReceiverDialogue.h"
#include "serial/WorkerThread.h"

#include <string>
#include <vector>

// The loop every transfer worker (list receive, list send, software update)
// runs, one step per pass(): the cancel check, phase 1 (the handshake of the
// receiver dialogue), phase 300 (standby) and phase 0 (wind up and write the
// log), all as the worker's DialogueProfile says. A worker adds only its own
// phases (500; 100; 100 and 1000) by overriding transferPass, and its buffers
// by overriding releaseBuffers.
//
// ECommError from the port leaves pass(): the run ends there and no log is
// written.
class TransferWorker : public WorkerMachine {
public:
    static constexpr const char* StandbyStatus = "Receiver ausschalten (Standby)";

    // One pass of the worker loop.
    void pass();
    // Passes until wound up.
    void Run() override;
    bool finished() const { return finished_; }

    // From the GUI thread.
    void CancelByUser() override { dialogue_.CancelByUser(); }

    // Before the run: where the log goes (the profile's file by default).
    void setLogPath(std::string path) { logPath_ = std::move(path); }
    std::vector<std::string> log() const { return dialogue_.log(); }
    int32_t phase() const { return dialogue_.phase(); }
    std::string status() const { return dialogue_.status(); }
    const ReceiverDialogue& dialogue() const { return dialogue_; }

protected:
    TransferWorker(Port& port, Clock& clock, WorkerHost& host, const DialogueProfile& profile);

    // A pass in one of the worker's own phases (any but 1, 300 and 0).
    virtual void transferPass() = 0;
    // At wind-up, before the log is written.
    virtual void releaseBuffers() {}

    ReceiverDialogue& dialogue() { return dialogue_; }

private:
    void standby();
    void windUp();

    ReceiverDialogue dialogue_;
    bool finished_ = false;
    std::string logPath_;
};
