#include "serial/FileSend.h"

#include "serial/CommError.h"

#include <cstring>

namespace {
constexpr int64_t kCommandPauseMs = 70;
constexpr int64_t kBeforeImageMs = 200;
constexpr int64_t kShortPauseMs = 100;
constexpr int64_t kStoredPauseMs = 1000;
constexpr const char* kReadErrorStatus = "Lesefehler auf serieller Schnittstelle ";
constexpr const char* kStoredStatus = "Speichern beendet";
constexpr const char* kStoredPhrase = "ptImage->UnzipedCrc";
} // namespace

FileSend::FileSend(Port& port, Clock& clock, WorkerHost& host, const DialogueProfile& dialogue,
                   const FileSendProfile& profile)
    : TransferWorker(port, clock, host, dialogue), profile_(profile) {}

void FileSend::takeImage(int fileType, std::string* name) {
    WorkerHost& host = dialogue().host();
    const int32_t size = host.GetFileSize(fileType);
    const uint8_t* bytes = host.GetFileBuffer(fileType);
    if (size > 0 && bytes != nullptr)
        image_.assign(bytes, bytes + size);
    else
        image_.clear();
    sentCount_ = 0;
    if (name != nullptr)
        host.GetFirmFileName(fileType, *name);
}

void FileSend::releaseBuffers() {
    image_.clear();
    image_.shrink_to_fit();
}

bool FileSend::SendImage() {
    const int32_t size = imageSize();
    const int32_t whole = size - size % BlockBytes;
    try {
        while (sentCount_ < whole) {
            dialogue().port().Write(image_.data() + sentCount_, BlockBytes);
            sentCount_ += BlockBytes;
            dialogue().host().setProgress(
                static_cast<int>(static_cast<int64_t>(sentCount_) * 100 / size));
        }
        if (whole < size) {
            dialogue().port().Write(image_.data() + whole, size - whole);
            sentCount_ = size;
        }
    } catch (const ECommError& error) {
        if (error.ErrorCode == CE_WriteFailed)
            return false;
        // Announced once more, as every serial error is, and the run ends.
        throw ECommError(error.ErrorCode, error.SystemError);
    }
    return true;
}

void FileSend::filePass() {
    switch (dialogue().step()) {
    case StepRequest:
        request();
        break;
    case StepSend:
        send();
        break;
    case StepAnnounce:
        announce();
        break;
    case StepCheck:
        check();
        break;
    case StepStore:
        store();
        break;
    default: // no step of this phase: the request starts it over
        dialogue().setStep(StepRequest);
        break;
    }
}

void FileSend::request() {
    ReceiverDialogue& d = dialogue();
    d.ClearResponse();
    d.clock().sleepMs(kCommandPauseMs);
    d.SendCommand(d.profile().startCommand);
    d.setStatus(profile_.sendingStatus);
    d.logStatus();
    d.show();
    d.setStep(StepSend);
}

void FileSend::send() {
    ReceiverDialogue& d = dialogue();
    d.clock().sleepMs(kBeforeImageMs);
    if (SendImage()) {
        d.setStatus(profile_.sentStatus);
        d.show();
        d.logStatus();
        d.setStep(StepAnnounce);
    } else {
        d.setPhase(ReceiverDialogue::PhaseStandby);
        d.addLog("SendDataToPort error");
    }
}

void FileSend::announce() {
    ReceiverDialogue& d = dialogue();
    d.setStatus(profile_.checkingStatus);
    d.logStatus();
    d.show();
    d.setStep(StepCheck);
    d.setIdleCount(0);
}

bool FileSend::emptyReadLimitReached(bool logIt) {
    ReceiverDialogue& d = dialogue();
    if (d.idleCount() < EmptyReadLimit)
        return false;
    d.setPhase(ReceiverDialogue::PhaseStandby);
    d.setStatus(kReadErrorStatus);
    d.show();
    if (logIt)
        d.logStatus();
    d.clock().sleepMs(kShortPauseMs);
    return true;
}

bool FileSend::readSomething() {
    ReceiverDialogue& d = dialogue();
    if (d.ReadResponse() > 0)
        return true;
    if (d.cancelPending())
        return false; // the read was cut short: no silence of the receiver
    d.setIdleCount(d.idleCount() + 1);
    d.addLog("readNothing " + std::to_string(d.idleCount()));
    return false;
}

void FileSend::check() {
    ReceiverDialogue& d = dialogue();
    if (emptyReadLimitReached(false) || !readSomething())
        return;
    for (int i = 0; i < profile_.reportCount; ++i) {
        const FileSendProfile::Report& report = profile_.reports[i];
        if (!d.responseContains(report.phrase))
            continue;
        d.ClearResponse();
        if (report.resetsIdle)
            d.setIdleCount(0);
        if (report.next == FileSendProfile::Report::Next::Store)
            d.setStep(StepStore);
        else if (report.next == FileSendProfile::Report::Next::Standby)
            d.setPhase(ReceiverDialogue::PhaseStandby);
        d.setStatus(report.status);
        d.logStatus();
        d.show();
        if (report.accepts)
            Accepted();
        if (report.pauseMs > 0)
            d.clock().sleepMs(report.pauseMs);
        return;
    }
    d.setNoiseCount(d.noiseCount() + 1);
    if (d.noiseCount() > NoiseLimit) {
        d.setPhase(ReceiverDialogue::PhaseWindUp);
        d.addLog("readStuff > 20");
    }
}

void FileSend::store() {
    ReceiverDialogue& d = dialogue();
    if (emptyReadLimitReached(true) || !readSomething())
        return;
    if (!d.responseContains(kStoredPhrase))
        return;
    d.ClearResponse();
    d.setIdleCount(0);
    d.setPhase(profile_.phaseAfterStored);
    d.setStatus(kStoredStatus);
    d.logStatus();
    d.show();
    d.clock().sleepMs(kStoredPauseMs);
}
