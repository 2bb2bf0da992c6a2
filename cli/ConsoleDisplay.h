#pragma once

#include "cli/ConsoleProgress.h"
#include "serial/WorkerHost.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// The main window's part in a list receive, for quelvox-cli: the receive
// buffer, the results the worker reports, the cancel flag, and the status
// lines and progress on the console. The worker runs on the calling thread;
// only SetUserCancelled may come from another one (the Ctrl+C watcher).
class ConsoleWorkerHost : public WorkerHost {
public:
    static constexpr std::size_t ReceiveBufferSize = 524288; // 0x80000

    // portName: the device as given on the command line, named in the
    // give-up status.
    ConsoleWorkerHost(ConsoleProgress& progress, std::string portName);

    uint8_t* GetChReceivedBuffer() override { return receiveBuffer_.data(); }
    void GetComPort(std::string& name) override { name = portName_; }
    void SetReceivedStatus(uint8_t status) override { receivedStatus_ = status; }
    void SetReceivedChListSize(int32_t size) override { receivedSize_ = size; }
    void SetUserCancelled(bool cancelled) override { userCancelled_ = cancelled; }
    void ShowStatus(const std::string& line) override;
    void SetProgress(int percent) override { progress_.setPercent(percent); }

    // A status line of the worker (Latin-1), printed when it differs from the
    // last one, so repeated "Bitte warten.." passes show once.
    void statusChanged(const std::string& latin1);

    uint8_t receivedStatus() const { return receivedStatus_; }
    // The reported size, limited to the buffer.
    int32_t receivedSize() const;
    const uint8_t* receiveBuffer() const { return receiveBuffer_.data(); }
    bool userCancelled() const { return userCancelled_.load(); }

private:
    ConsoleProgress& progress_;
    std::string portName_;
    std::vector<uint8_t> receiveBuffer_;
    uint8_t receivedStatus_ = 0;
    int32_t receivedSize_ = 0;
    std::atomic<bool> userCancelled_{false};
    std::string lastStatus_;
};
