#include "serial/ReceiverDialogue.h"

#include "serial/WorkerLog.h"

#include <algorithm>
#include <cstring>

// The per-worker columns of the handshake. Texts are Latin-1 bytes, as they
// go to the log and the terminal view.
// clang-format off
const DialogueProfile kListReceiveProfile{
    .helpCommand = "400", .initCommand = "100", .startCommand = "500", .standbyCommand = "300",
    .readCapacity = 1024, .idleCheckValue = 99, .giveUpPhase = 0, .transferPhase = 500,
    .retryAtNoise15 = true, .knowsPtImage = true, .pauseBeforeInit = false,
    .showsStatus = false, .portNameInGiveUp = true, .takesFileInHandshake = false,
    .idleStatus = "Bitte warten..", .sendFileStatus = nullptr,
    .logsStandby = true, .windUpLine = "Terminate", .rendezvousAtWindUp = true,
    .logPath = "logRead.txt"};

const DialogueProfile kListSendProfile{
    .helpCommand = "400", .initCommand = "100", .startCommand = "100", .standbyCommand = "300",
    .readCapacity = 512, .idleCheckValue = 4, .giveUpPhase = 0, .transferPhase = 100,
    .retryAtNoise15 = false, .knowsPtImage = false, .pauseBeforeInit = true,
    .showsStatus = true, .portNameInGiveUp = false, .takesFileInHandshake = true,
    .idleStatus = "Bitte warten...", .sendFileStatus = "Liste wird \xFC" "bertragen...",
    .logsStandby = false, .windUpLine = "Terminated", .rendezvousAtWindUp = false,
    .logPath = "logLoad.txt"};

const DialogueProfile kSoftwareUpdateProfile{
    .helpCommand = "hel", .initCommand = "r", .startCommand = "l", .standbyCommand = "s",
    .readCapacity = 1024, .idleCheckValue = 4, .giveUpPhase = 300, .transferPhase = 100,
    .retryAtNoise15 = false, .knowsPtImage = false, .pauseBeforeInit = true,
    .showsStatus = true, .portNameInGiveUp = false, .takesFileInHandshake = true,
    .idleStatus = "Bitte warten...", .sendFileStatus = "Datei wird \xFC" "bertragen...",
    .logsStandby = true, .windUpLine = "Terminated", .rendezvousAtWindUp = false,
    .logPath = "logUpdate.txt"};
// clang-format on

namespace {

enum KeyAction { StartUp, StartMenu, SendFile, PtImage, EnterBootloader, ExitToMainMenu };

struct KeyPhrase {
    const char* phrase;
    KeyAction action;
};

// Tested in this order; the first found decides.
constexpr KeyPhrase kHandshakePhrases[] = {
    {"StartUpControl", StartUp},
    {"Upload Ch_Data", StartMenu},
    {"Send file in binary mode", SendFile},
    {"ptImage", PtImage},
    {"100 Enter Bootloader", EnterBootloader},
    {"100 Exit to Main Menu", ExitToMainMenu},
};

constexpr const char* kNoiseStatus = "Bitte warten...";
constexpr const char* kConnectedStatus = "Verbindung mit Receiver hergestellt";
constexpr const char* kStartMenuSuffix = " (im Startmen\xFC)";
constexpr const char* kRetryStatus = "Versuche Verbindung herzustellen";
constexpr const char* kNoConnectionStatus = "Keine Verbindung zum Receiver: ";
constexpr int64_t kShortPauseMs = 100;
constexpr int32_t kTransferStepAfterStartMenu = 2;

} // namespace

ReceiverDialogue::ReceiverDialogue(Port& port, Clock& clock, WorkerHost& host,
                                   const DialogueProfile& profile)
    : port_(port), clock_(clock), host_(host), profile_(profile),
      readBuffer_(profile.readCapacity + 1, 0) {}

void ReceiverDialogue::SendCommand(const char* command) {
    uint8_t field[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3 && command[i] != '\0'; ++i)
        field[i] = static_cast<uint8_t>(command[i]);
    port_.WritePaced(field, 3, CommandPauseMs);
    port_.WriteByte(13);
    port_.WriteByte(10);
}

uint32_t ReceiverDialogue::ReadResponse() {
    uint32_t received = port_.Read(readBuffer_.data(), profile_.readCapacity);
    received = std::min(received, profile_.readCapacity);
    for (uint32_t i = 0; i < received; ++i) {
        window_[writePosition_] = readBuffer_[i];
        writePosition_ = writePosition_ == WindowLastWritten ? 0 : writePosition_ + 1;
    }
    return received;
}

void ReceiverDialogue::ClearResponse() {
    window_.fill(0);
    writePosition_ = 0;
}

bool ReceiverDialogue::responseContains(std::string_view phrase) const {
    const char* text = reinterpret_cast<const char*>(window_.data());
    std::string_view windowText(text, strnlen(text, WindowSize));
    return windowText.find(phrase) != std::string_view::npos;
}

void ReceiverDialogue::handshakePass() {
    switch (step_) {
    case StepAskForMenu:
        askForMenu();
        break;
    case StepInitialise:
        initialise();
        break;
    case StepListen:
        listen();
        break;
    default: // not a handshake step: listen, as the handshake starts over from there
        step_ = StepListen;
        break;
    }
}

void ReceiverDialogue::askForMenu() {
    SendCommand(profile_.helpCommand);
    addLog("SendHelp");
    step_ = StepListen;
}

void ReceiverDialogue::initialise() {
    if (profile_.pauseBeforeInit)
        clock_.sleepMs(kShortPauseMs);
    SendCommand(profile_.initCommand);
    setStatus("Initialisierung");
    addLog(status() + " " + profile_.initCommand);
    show();
    step_ = StepListen;
}

void ReceiverDialogue::listen() {
    const uint32_t received = ReadResponse();
    if (cancelPending())
        return; // the read may have been cut short; the next pass winds up
    if (received > 0) {
        idleCount_ = 0;
        const KeyPhrase* found = nullptr;
        for (const KeyPhrase& key : kHandshakePhrases) {
            if (key.action == PtImage && !profile_.knowsPtImage)
                continue;
            if (responseContains(key.phrase)) {
                found = &key;
                break;
            }
        }
        if (found)
            onKeyPhrase(found->action);
        else
            onUnrecognised();
    } else {
        onSilence();
    }
    idleCheck();
}

void ReceiverDialogue::onKeyPhrase(int action) {
    noiseCount_ = 0;
    ClearResponse();
    switch (action) {
    case StartUp:
        step_ = StepAskForMenu;
        addLog("Found StartUpControl");
        clock_.sleepMs(kShortPauseMs);
        break;
    case StartMenu:
        setStatus(kConnectedStatus);
        phase_ = profile_.transferPhase;
        step_ = kTransferStepAfterStartMenu;
        if (profile_.takesFileInHandshake) {
            addLog(std::string(kConnectedStatus) + kStartMenuSuffix);
            show();
            clock_.sleepMs(kShortPauseMs);
        } else {
            logStatus();
        }
        break;
    case SendFile:
        addLog("Send file");
        if (profile_.takesFileInHandshake) {
            phase_ = profile_.transferPhase;
            step_ = StepSendFile;
            setStatus(profile_.sendFileStatus);
            show();
        } else {
            step_ = StepAskForMenu;
        }
        break;
    case PtImage:
        step_ = StepAskForMenu;
        addLog("read: ptImage");
        break;
    case EnterBootloader:
        step_ = StepInitialise;
        addLog("send 100 to enter Bootloader");
        break;
    case ExitToMainMenu:
        step_ = StepInitialise;
        addLog("send 100 to Exit to Main Menu");
        break;
    }
}

void ReceiverDialogue::onUnrecognised() {
    ++noiseCount_;
    setStatus(kNoiseStatus);
    show();
    if (noiseCount_ == 15 && profile_.retryAtNoise15) {
        ClearResponse();
        addLog("readStuff == 15, try 100");
        step_ = StepInitialise;
    }
    if (noiseCount_ == 19) {
        ClearResponse();
        addLog("readStuff == 19, try 100");
        step_ = StepInitialise;
    }
    if (noiseCount_ > 20) {
        addLog("readstuff > 20");
        phase_ = PhaseWindUp;
    }
}

void ReceiverDialogue::onSilence() {
    if (noiseCount_ > 0) {
        ClearResponse();
        addLog("Try 100 again " + std::to_string(noiseCount_));
        step_ = StepInitialise;
    }
    ++idleCount_;
    setStatus(profile_.idleStatus);
    addLog(status() + " " + std::to_string(idleCount_));
    show();
}

void ReceiverDialogue::idleCheck() {
    const int32_t check = profile_.idleCheckValue;
    if (idleCount_ == check) {
        idleCount_ = check + 1;
        if (responseContains("error")) {
            ClearResponse();
            setStatus(kRetryStatus);
            logStatus();
            show();
            step_ = StepInitialise;
            clock_.sleepMs(kShortPauseMs);
        }
    } else if (idleCount_ > check + 1) {
        std::string text = kNoConnectionStatus;
        if (profile_.portNameInGiveUp) {
            std::string portName;
            host_.GetComPort(portName);
            text += portName;
        }
        setStatus(text);
        logStatus();
        show();
        phase_ = profile_.giveUpPhase;
        clock_.sleepMs(kShortPauseMs);
    }
}

void ReceiverDialogue::CancelByUser() {
    cancelRequested_ = true;
    host_.setUserCancelled(true);
    port_.interruptRead();
}

bool ReceiverDialogue::takeCancel() {
    if (!cancelRequested_.load() || cancelTaken_)
        return false;
    cancelTaken_ = true;
    addLog("Cancel by User");
    phase_ = PhaseWindUp;
    return true;
}

void ReceiverDialogue::setStatus(std::string text) {
    std::lock_guard lock(textMutex_);
    status_ = std::move(text);
}

std::string ReceiverDialogue::status() const {
    std::lock_guard lock(textMutex_);
    return status_;
}

void ReceiverDialogue::addLog(std::string line) {
    std::lock_guard lock(textMutex_);
    log_.push_back(std::move(line));
}

void ReceiverDialogue::show() {
    if (profile_.showsStatus)
        host_.ShowStatus(status());
}

std::vector<std::string> ReceiverDialogue::log() const {
    std::lock_guard lock(textMutex_);
    return log_;
}

bool ReceiverDialogue::writeLog(const std::string& path) const {
    return writeWorkerLog(path, log());
}
