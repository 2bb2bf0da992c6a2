#include "serial/ListReceive.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

constexpr std::string_view kStartMarker = "Start Upload";
constexpr std::string_view kEndMarker = "End Upload";
constexpr uint8_t kDash = 45;
constexpr int64_t kShortPauseMs = 100;

constexpr const char* kReceivingStatus = "Liste wird empfangen...";
constexpr const char* kTransferFailedStatus = "Es ist ein Fehler w\xE4hrend der \xDC"
                                              "bertragung aufgetreten.";
constexpr const char* kCompleteStatus = "Senderliste vollst\xE4ndig empfangen";

} // namespace

ListReceive::ListReceive(Port& port, Clock& clock, WorkerHost& host)
    : TransferWorker(port, clock, host, kListReceiveProfile) {
    dialogue().addLog("Receiving channel list");
    stream_.assign(StreamCapacity, 0);
}

int32_t ListReceive::FindListStart(const uint8_t* stream, int32_t count) {
    if (stream == nullptr || count <= 0)
        return 0;
    std::string_view bytes(reinterpret_cast<const char*>(stream), static_cast<size_t>(count));
    size_t at = bytes.find(kStartMarker);
    if (at == std::string_view::npos)
        return 0;
    size_t start = at + kStartMarker.size();
    while (start < bytes.size() && static_cast<uint8_t>(bytes[start]) == kDash)
        ++start;
    return static_cast<int32_t>(start);
}

int32_t ListReceive::FindListEnd(const uint8_t* stream, int32_t count) {
    if (stream == nullptr || count <= 0)
        return 0;
    std::string_view bytes(reinterpret_cast<const char*>(stream), static_cast<size_t>(count));
    size_t at = bytes.rfind(kEndMarker);
    return at == std::string_view::npos ? 0 : static_cast<int32_t>(at);
}

void ListReceive::transferPass() {
    if (phase() != PhaseReceive) {
        // No phase of this worker: wind up.
        dialogue().setPhase(ReceiverDialogue::PhaseWindUp);
        return;
    }
    if (dialogue().step() == StepRequest)
        request();
    else
        receive();
}

void ListReceive::request() {
    dialogue().clock().sleepMs(kShortPauseMs);
    dialogue().SendCommand(kListReceiveProfile.startCommand);
    dialogue().setStatus(kReceivingStatus);
    dialogue().logStatus();
    dialogue().setStep(StepReceive);
}

void ListReceive::receive() {
    uint8_t* chunk = chunk_.data();
    const uint32_t received = dialogue().port().Read(chunk, ReadCapacity);
    if (dialogue().cancelPending())
        return; // the read may have been cut short: this is no end of the stream
    const int32_t room = StreamCapacity - receivedCount_;
    const int32_t kept =
        std::min<int32_t>(static_cast<int32_t>(std::min(received, ReadCapacity)), room);
    if (kept > 0) {
        std::memcpy(stream_.data() + receivedCount_, chunk, static_cast<size_t>(kept));
        receivedCount_ += kept;
    }
    if (received > 0)
        dialogue().host().Rendezvous();
    if (kept > 0) {
        dialogue().addLog("received: " + std::to_string(kept));
        const int64_t percent = static_cast<int64_t>(receivedCount_) * 100 / NominalStreamLength;
        dialogue().host().setProgress(static_cast<int>(std::min<int64_t>(percent, 100)));
        return;
    }
    finishTransfer();
}

void ListReceive::finishTransfer() {
    // The receiver sends "Start Upload", dashes, the image, "End Upload". A
    // stream that is long enough but lacks a marker, or has them the wrong way
    // round, is as unusable as a short one: nothing is handed over.
    bool handedOver = false;
    if (receivedCount_ >= LeastCompleteStream) {
        const int32_t start = FindListStart(stream_.data(), receivedCount_);
        const int32_t end = FindListEnd(stream_.data(), receivedCount_);
        uint8_t* target = dialogue().host().GetChReceivedBuffer();
        if (start > 0 && end > start && target != nullptr) {
            const int32_t length = end - start;
            std::memcpy(target, stream_.data() + start, static_cast<size_t>(length));
            dialogue().host().SetReceivedChListSize(length);
            dialogue().host().SetReceivedStatus(1);
            receivedCount_ = 0;
            handedOver = true;
        }
    }
    dialogue().setStatus(handedOver ? kCompleteStatus : kTransferFailedStatus);
    dialogue().logStatus();
    dialogue().setPhase(ReceiverDialogue::PhaseStandby);
    dialogue().clock().sleepMs(kShortPauseMs);
}

void ListReceive::releaseBuffers() {
    stream_.clear();
    stream_.shrink_to_fit();
    receivedCount_ = 0;
}
