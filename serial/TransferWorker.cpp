#include "serial/TransferWorker.h"

namespace {
constexpr int64_t kShortPauseMs = 100;
constexpr int64_t kStandbyPauseMs = 5000;
} // namespace

TransferWorker::TransferWorker(Port& port, Clock& clock, WorkerHost& host,
                               const DialogueProfile& profile)
    : dialogue_(port, clock, host, profile), logPath_(profile.logPath) {}

void TransferWorker::Run() {
    while (!finished_)
        pass();
}

void TransferWorker::pass() {
    if (finished_)
        return;
    dialogue_.takeCancel();
    switch (dialogue_.phase()) {
    case ReceiverDialogue::PhaseHandshake:
        dialogue_.handshakePass();
        break;
    case ReceiverDialogue::PhaseStandby:
        standby();
        break;
    case ReceiverDialogue::PhaseWindUp:
        windUp();
        break;
    default:
        transferPass();
        break;
    }
}

void TransferWorker::standby() {
    const DialogueProfile& profile = dialogue_.profile();
    dialogue_.clock().sleepMs(kShortPauseMs);
    dialogue_.SendCommand(profile.standbyCommand);
    dialogue_.setStatus(StandbyStatus);
    dialogue_.show();
    if (profile.logsStandby)
        dialogue_.logStatus();
    dialogue_.setPhase(ReceiverDialogue::PhaseWindUp);
    dialogue_.clock().sleepMs(kStandbyPauseMs);
}

void TransferWorker::windUp() {
    releaseBuffers();
    dialogue_.host().setProgress(0);
    dialogue_.addLog(dialogue_.profile().windUpLine);
    if (dialogue_.profile().rendezvousAtWindUp)
        dialogue_.host().Rendezvous();
    // The log is diagnostic: a failure to write it is not reported.
    dialogue_.writeLog(logPath_);
    finished_ = true;
}
