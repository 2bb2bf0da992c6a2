#pragma once

#include "serial/Clock.h"
#include "serial/Port.h"
#include "serial/WorkerHost.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// What the three transfer workers (list receive, list send, software update)
// each do differently in the dialogue they share with the receiver.
struct DialogueProfile {
    // Three-byte command fields; shorter ones go out padded with zero bytes.
    const char* helpCommand;
    const char* initCommand;
    const char* startCommand;
    const char* standbyCommand;

    uint32_t readCapacity;  // sets the empty-read time: capacity x 1 ms + 250 ms
    int32_t idleCheckValue; // the handshake gives up after check value + 1 empty reads
    int32_t giveUpPhase;    // where a silent line leads
    int32_t transferPhase;  // where the start menu leads
    bool retryAtNoise15;    // one more initialise after 15 unrecognised chunks
    bool knowsPtImage;      // "ptImage" in the handshake means: ask for the menu again
    bool pauseBeforeInit;   // 100 ms before the initialise command
    bool showsStatus;       // status lines also go to the terminal view
    bool portNameInGiveUp;  // the give-up status names the port
    // The send and update workers: "Send file in binary mode" starts the file
    // at once, and the start menu is logged with the suffix below.
    bool takesFileInHandshake;
    const char* idleStatus;
    const char* sendFileStatus; // status when the receiver already waits for a file

    // Standby and wind-up (TransferWorker).
    bool logsStandby;        // the standby status also goes to the log
    const char* windUpLine;  // the log's last line
    bool rendezvousAtWindUp; // one synchronised call before the log is written
    const char* logPath;     // in the working directory, replaced each run
};

// The shared receiver dialogue: command framing, the response window with its
// key-phrase test, status and log, cancel, and phase 1 (the connection
// handshake). A plain class driven through Port, Clock and WorkerHost; each
// worker owns one and runs its own phases beside the handshake.
//
// Threads: the worker calls everything except CancelByUser, which the GUI
// thread calls; the worker notices it at the start of its next pass.
class ReceiverDialogue {
public:
    static constexpr std::size_t WindowSize = 2048;
    static constexpr std::size_t WindowLastWritten = 2046; // 2047 stays zero
    static constexpr uint32_t CommandPauseMs = 70;

    // Phases shared by every worker.
    static constexpr int32_t PhaseWindUp = 0;
    static constexpr int32_t PhaseHandshake = 1;
    static constexpr int32_t PhaseStandby = 300;

    // Steps of the handshake (and the first step of a transfer phase).
    static constexpr int32_t StepInitialise = 2;
    static constexpr int32_t StepListen = 3;
    static constexpr int32_t StepAskForMenu = 4;
    static constexpr int32_t StepSendFile = 5;

    ReceiverDialogue(Port& port, Clock& clock, WorkerHost& host, const DialogueProfile& profile);

    // Three command bytes (zero-padded) at 70 ms each, then CR and LF.
    void SendCommand(const char* command);
    // One Read into the read buffer; the bytes also go into the response window.
    uint32_t ReadResponse();
    void ClearResponse();
    // True when the window's text (up to its first zero byte) contains phrase.
    bool responseContains(std::string_view phrase) const;

    // One pass of phase 1, by the current step.
    void handshakePass();

    // From the GUI thread. The worker logs "Cancel by User" and winds up on its
    // next pass; a read waiting right now ends early. No standby command.
    void CancelByUser();
    // Worker side, at the start of each pass: true once when a cancel arrived
    // (then "Cancel by User" is logged and the phase is 0).
    bool takeCancel();
    bool cancelPending() const { return cancelRequested_.load(); }

    int32_t phase() const { return phase_; }
    void setPhase(int32_t phase) { phase_ = phase; }
    int32_t step() const { return step_; }
    void setStep(int32_t step) { step_ = step; }
    int32_t idleCount() const { return idleCount_; }
    void setIdleCount(int32_t count) { idleCount_ = count; }
    int32_t noiseCount() const { return noiseCount_; }
    void setNoiseCount(int32_t count) { noiseCount_ = count; }

    const std::array<uint8_t, WindowSize>& window() const { return window_; }
    std::size_t writePosition() const { return writePosition_; }

    void setStatus(std::string text);
    std::string status() const;
    void addLog(std::string line);
    void logStatus() { addLog(status()); }
    // ShowStatus through the host, for the workers that show their status.
    void show();
    std::vector<std::string> log() const;
    // Replaces the file at path with the log, one line each; written beside it
    // first and renamed, so an old log is never half overwritten.
    bool writeLog(const std::string& path) const;

    Port& port() { return port_; }
    Clock& clock() { return clock_; }
    WorkerHost& host() { return host_; }
    const DialogueProfile& profile() const { return profile_; }

private:
    void askForMenu();
    void initialise();
    void listen();
    void onKeyPhrase(int action);
    void onUnrecognised();
    void onSilence();
    void idleCheck();

    Port& port_;
    Clock& clock_;
    WorkerHost& host_;
    const DialogueProfile& profile_;

    int32_t phase_ = PhaseHandshake;
    int32_t step_ = StepAskForMenu;
    int32_t idleCount_ = 0;
    int32_t noiseCount_ = 0;
    std::vector<uint8_t> readBuffer_;
    std::array<uint8_t, WindowSize> window_{};
    std::size_t writePosition_ = 0;

    std::atomic<bool> cancelRequested_{false};
    bool cancelTaken_ = false;
    mutable std::mutex textMutex_; // the GUI thread logs too and reads the status
    std::string status_;
    std::vector<std::string> log_;
};

// The three workers' columns.
extern const DialogueProfile kListReceiveProfile;
extern const DialogueProfile kListSendProfile;
extern const DialogueProfile kSoftwareUpdateProfile;
