#pragma once

#include "serial/WorkerHost.h"

#include <cstdint>
#include <string>

class TransferState;

// The display calls a worker makes: the main window answers them on the GUI
// thread, quelvox-cli on the console.
class WorkerDisplay {
public:
    virtual ~WorkerDisplay() = default;
    // The device name shown in the port box; the window also puts "<n>, " on
    // its status line.
    virtual void GetComPort(std::string& name) = 0;
    // Synchronised: the worker waits until they are done.
    virtual void ShowStatus(const std::string& line) = 0;         // new last line of the view
    virtual void InsertTerminalText(const std::string& text) = 0; // at the caret
    virtual void ClearInputField() = 0;
    virtual void Rendezvous() = 0;
    // Queued: progress bar 0..100.
    virtual void SetProgress(int percent) = 0;
};

// What a worker asks of its owner: the buffers, names and results live in the
// transfer state, the display calls go to the display.
class TransferHost : public WorkerHost {
public:
    TransferHost(TransferState& state, WorkerDisplay& display) : state_(state), display_(display) {}

    uint8_t* GetFileBuffer(int type) override;
    int32_t GetFileSize(int type) override;
    void GetFirmFileName(int type, std::string& name) override;
    uint8_t* GetChReceivedBuffer() override;
    int GetFirstFirmFileType() override;
    int GetNextFirmFileType() override;
    void GetComPort(std::string& name) override { display_.GetComPort(name); }

    void SetReceivedStatus(uint8_t status) override;
    void SetReceivedChListSize(int32_t size) override;
    void SetListAccepted(bool accepted) override;
    void SetUpdateDone(bool done) override;
    void SetUserCancelled(bool cancelled) override;

    void ShowStatus(const std::string& line) override { display_.ShowStatus(line); }
    void InsertTerminalText(const std::string& text) override { display_.InsertTerminalText(text); }
    void ClearInputField() override { display_.ClearInputField(); }
    void Rendezvous() override { display_.Rendezvous(); }
    void SetProgress(int percent) override { display_.SetProgress(percent); }

private:
    TransferState& state_;
    WorkerDisplay& display_;
};
