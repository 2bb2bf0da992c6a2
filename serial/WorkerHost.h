#pragma once

#include <cstdint>
#include <string>

// What a worker may ask of the main window while it runs. The main window's
// MainWindowHost implements it with calls onto the GUI thread, quelvox-cli on
// the console, tests as a recorder. Texts are Latin-1 bytes, as they travel on the wire.
//
// File types: 1, 2, 3 software files of an update, 4 the received list,
// 5 the list to send.
class WorkerHost {
public:
    virtual ~WorkerHost() = default;

    // Buffers and names, set up before the worker starts (plain reads).
    virtual uint8_t* GetFileBuffer(int /*type*/) { return nullptr; }
    virtual int32_t GetFileSize(int /*type*/) { return 0; }
    virtual void GetFirmFileName(int /*type*/, std::string& name) { name.clear(); }
    virtual uint8_t* GetChReceivedBuffer() { return nullptr; }
    virtual int GetFirstFirmFileType() { return 0; }
    virtual int GetNextFirmFileType() { return 0; }
    // The device name shown in the port box; also puts "<n>, " on the status line.
    virtual void GetComPort(std::string& name) { name.clear(); }

    // Results, read by the completion handler after the worker has ended.
    virtual void SetReceivedStatus(uint8_t /*status*/) {}
    virtual void SetReceivedChListSize(int32_t /*size*/) {}
    virtual void setListAccepted(bool /*accepted*/) {}
    virtual void setUpdateDone(bool /*done*/) {}
    virtual void setUserCancelled(bool /*cancelled*/) {}

    // Synchronised calls: the worker waits until the GUI thread has done them.
    virtual void ShowStatus(const std::string& /*line*/) {}         // new last line of the view
    virtual void insertTerminalText(const std::string& /*text*/) {} // at the caret, caret to end
    virtual void clearInputField() {}
    virtual void Rendezvous() {}
    // Queued: progress bar 0..100.
    virtual void setProgress(int /*percent*/) {}
};
