#pragma once

#include "serial/WorkerHost.h"

#include <mutex>
#include <string>
#include <vector>

// Records what a worker asks of the main window; safe to read from the test
// thread while a worker thread runs.
class RecordingHost : public WorkerHost {
public:
    void insertTerminalText(const std::string& text) override {
        std::lock_guard lock(mutex_);
        inserted_.push_back(text);
    }
    void clearInputField() override {
        std::lock_guard lock(mutex_);
        ++inputClears_;
    }
    void Rendezvous() override {
        std::lock_guard lock(mutex_);
        ++rendezvous_;
    }
    void setUserCancelled(bool cancelled) override {
        std::lock_guard lock(mutex_);
        userCancelled_ = cancelled;
    }

    std::vector<std::string> inserted() const {
        std::lock_guard lock(mutex_);
        return inserted_;
    }
    std::string shown() const {
        std::lock_guard lock(mutex_);
        std::string all;
        for (const auto& text : inserted_)
            all += text;
        return all;
    }
    int inputClears() const {
        std::lock_guard lock(mutex_);
        return inputClears_;
    }
    int rendezvous() const {
        std::lock_guard lock(mutex_);
        return rendezvous_;
    }
    bool userCancelled() const {
        std::lock_guard lock(mutex_);
        return userCancelled_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> inserted_;
    int inputClears_ = 0;
    int rendezvous_ = 0;
    bool userCancelled_ = false;
};
