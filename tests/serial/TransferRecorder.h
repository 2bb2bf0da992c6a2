#pragma once

#include "serial/TransferSizes.h"
#include "serial/WorkerHost.h"

#include <mutex>
#include <string>
#include <vector>

// The main window as the transfer workers see it: a receive buffer of the
// main window's size, the results they report, the status lines they show and
// the progress they set. Safe to read while a worker thread runs.
class TransferRecorder : public WorkerHost {
public:
    static constexpr size_t ReceiveBufferSize = ReceiveBufferBytes;

    explicit TransferRecorder(std::string portName = "COM3") : portName_(std::move(portName)) {
        receiveBuffer_.assign(ReceiveBufferSize, 0);
    }

    uint8_t* GetChReceivedBuffer() override {
        std::lock_guard lock(mutex_);
        ++bufferRequests_;
        return bufferAvailable_ ? receiveBuffer_.data() : nullptr;
    }
    void GetComPort(std::string& name) override { name = portName_; }
    void SetReceivedStatus(uint8_t status) override {
        std::lock_guard lock(mutex_);
        receivedStatus_ = status;
    }
    void SetReceivedChListSize(int32_t size) override {
        std::lock_guard lock(mutex_);
        receivedSize_ = size;
    }
    void setUserCancelled(bool cancelled) override {
        std::lock_guard lock(mutex_);
        userCancelled_ = cancelled;
    }
    void ShowStatus(const std::string& line) override {
        std::lock_guard lock(mutex_);
        shown_.push_back(line);
    }
    void Rendezvous() override {
        std::lock_guard lock(mutex_);
        ++rendezvous_;
    }
    void setProgress(int percent) override {
        std::lock_guard lock(mutex_);
        progress_.push_back(percent);
    }

    void withholdBuffer() { bufferAvailable_ = false; }
    std::vector<uint8_t> received() const {
        std::lock_guard lock(mutex_);
        return {receiveBuffer_.begin(),
                receiveBuffer_.begin() + (receivedSize_ > 0 ? receivedSize_ : 0)};
    }
    uint8_t receivedStatus() const {
        std::lock_guard lock(mutex_);
        return receivedStatus_;
    }
    int32_t receivedSize() const {
        std::lock_guard lock(mutex_);
        return receivedSize_;
    }
    bool userCancelled() const {
        std::lock_guard lock(mutex_);
        return userCancelled_;
    }
    std::vector<std::string> shown() const {
        std::lock_guard lock(mutex_);
        return shown_;
    }
    std::vector<int> progress() const {
        std::lock_guard lock(mutex_);
        return progress_;
    }
    int rendezvous() const {
        std::lock_guard lock(mutex_);
        return rendezvous_;
    }

private:
    mutable std::mutex mutex_;
    std::string portName_;
    std::vector<uint8_t> receiveBuffer_;
    bool bufferAvailable_ = true;
    int bufferRequests_ = 0;
    uint8_t receivedStatus_ = 0;
    int32_t receivedSize_ = 0;
    bool userCancelled_ = false;
    std::vector<std::string> shown_;
    std::vector<int> progress_;
    int rendezvous_ = 0;
};
