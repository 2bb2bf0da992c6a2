#pragma once

#include "serial/TransferSizes.h"
#include "serial/TransferWorker.h"

#include <array>
#include <cstdint>
#include <vector>

// The list receive (also the identity read before a list send): after the
// handshake, "500", record the stream until the line falls silent, cut the
// image out between "Start Upload" (and its run of '-') and the last
// "End Upload", and hand it to the main window; then the shared standby and
// wind-up. TComThread runs it on a worker thread.
class ListReceive : public TransferWorker {
public:
    static constexpr int32_t PhaseReceive = 500;
    static constexpr int32_t StepRequest = 2;
    static constexpr int32_t StepReceive = 3;

    static constexpr uint32_t ReadCapacity = 1024;
    static constexpr int32_t StreamCapacity = ReceiveBufferBytes;
    static constexpr int32_t NominalStreamLength = ListImageBytes; // 100 % of the progress bar
    static constexpr int32_t LeastCompleteStream = 185496;

    ListReceive(Port& port, Clock& clock, WorkerHost& host);

    // Index just after the first "Start Upload" and the '-' bytes that follow
    // it; 0 when there is none.
    static int32_t FindListStart(const uint8_t* stream, int32_t count);
    // Index of the first byte of the last "End Upload"; 0 when there is none.
    static int32_t FindListEnd(const uint8_t* stream, int32_t count);

protected:
    void transferPass() override;
    void releaseBuffers() override;

private:
    void request();
    void receive();
    void finishTransfer();

    std::vector<uint8_t> stream_;
    std::array<uint8_t, ReadCapacity + 1> chunk_{};
    int32_t receivedCount_ = 0;
};
