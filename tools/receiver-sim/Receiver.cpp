#include "tools/receiver-sim/Receiver.h"

#include "tools/receiver-sim/SampleList.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <thread>

namespace sim {
namespace {

constexpr std::size_t kUploadDashes = 400;
constexpr std::size_t kMaxCommandLine = 1024;
// A file sent to the receiver has no length header: a list ends after its
// fixed size, software ends when the PC falls silent to wait for the report.
// The floor keeps a stall of a busy PC from cutting a file in two; the PC
// waits 20 empty reads (over 25 s) for the report, so 2 s of silence costs
// it nothing.
constexpr int kFileGapMs = 400;
constexpr int kMinFileGapMs = 2000;
// Never closer than this between two reports, however compressed the
// receiver's pauses are.
constexpr int kMinAnswerGapMs = 150;
// Reports the PC must read apart ("File OK!" or "Write Sector", and the end of
// storing) follow only after the PC has taken the first, and later than the
// PC's longest read (1274 ms): the read that took the first has ended by then,
// however slow the PC is.
constexpr int kApartGapMs = 1400;

const char kStartMenu[] = "\r\n"
                          "==============================\r\n"
                          "  Service Menu  V1.03\r\n"
                          "==============================\r\n"
                          "100 Download Ch_Data\r\n"
                          "200 Version Info\r\n"
                          "300 Standby\r\n"
                          "400 Help\r\n"
                          "500 Upload Ch_Data\r\n"
                          "Select> ";

const char* const kNoiseLines[] = {
    "tuner 1: lock=1 snr=12.4dB agc=43\r\n",
    "demux: pid 0x0100 cc error\r\n",
    "epg: 128 events parsed\r\n",
    "ci slot 0: no module\r\n",
    "fan: 1200 rpm temp 41C\r\n",
};

// What the firmware prints when it has stored a file.
std::string storedReport(const std::vector<uint8_t>& file) {
    char line[64];
    std::snprintf(line, sizeof line, "ptImage->UnzipedCrc = 0x%08X\r\n",
                  mpeg2Crc(file.data(), file.size()));
    return line;
}

} // namespace

const Receiver::Command Receiver::kCommands[] = {
    {"400", &Receiver::helpForList},    {"hel", &Receiver::helpForSoftware},
    {"help", &Receiver::showStartMenu}, {"r", &Receiver::showStartMenu},
    {"200", &Receiver::showVersion},    {"500", &Receiver::uploadChannelList},
    {"100", &Receiver::awaitList},      {"l", &Receiver::awaitSoftware},
    {"300", &Receiver::standby},        {"s", &Receiver::standby},
};

Receiver::Receiver(const SimOptions& options, std::vector<uint8_t> list, ReceiverLine& line)
    : options_(options), list_(std::move(list)), line_(line) {}

std::chrono::milliseconds Receiver::scaled(int ms) const {
    return std::chrono::milliseconds(static_cast<int64_t>(ms / options_.speedup));
}

void Receiver::pause(int ms) {
    std::this_thread::sleep_for(scaled(ms));
}

void Receiver::answerGap(int ms) {
    std::this_thread::sleep_for(std::max(scaled(ms), std::chrono::milliseconds(kMinAnswerGapMs)));
}

void Receiver::apartGap(int ms) {
    std::this_thread::sleep_for(std::max(scaled(ms), std::chrono::milliseconds(kApartGapMs)));
}

void Receiver::say(const std::string& text) {
    line_.send(reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void Receiver::start() {
    nextNoiseAt_ = Clock::now();
    binaryModePending_ = options_.binaryMode;
    if (options_.startup) {
        say("StartUpControl\r\n");
        startupHelpPending_ = true;
    }
}

void Receiver::onBytes(const uint8_t* data, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t byte = data[i];
        if (swallowLineFeed_) {
            swallowLineFeed_ = false;
            if (byte == '\n')
                continue; // CR LF ends one command line
        }
        if (mode_ != Mode::Menu) {
            takeFileByte(byte);
            continue;
        }
        if (byte == '\r' || byte == '\n') {
            swallowLineFeed_ = byte == '\r';
            // Commands are zero-padded to three bytes; typed lines are not.
            std::string line = pendingLine_;
            line.erase(std::remove(line.begin(), line.end(), '\0'), line.end());
            pendingLine_.clear();
            if (!line.empty())
                onCommandLine(line);
        } else if (pendingLine_.size() < kMaxCommandLine) {
            pendingLine_ += static_cast<char>(byte);
        }
    }
}

void Receiver::takeFileByte(uint8_t byte) {
    incomingFile_.push_back(byte);
    lastByteAt_ = Clock::now();
    if (mode_ == Mode::AwaitList && incomingFile_.size() >= kListFileSize)
        finishReceivedFile();
}

void Receiver::onTick() {
    if (options_.noise && Clock::now() >= nextNoiseAt_) {
        say(kNoiseLines[noiseCounter_++ % std::size(kNoiseLines)]);
        nextNoiseAt_ = Clock::now() + scaled(120);
    }
    if (mode_ != Mode::Menu && !incomingFile_.empty() &&
        Clock::now() - lastByteAt_ >=
            std::max(scaled(kFileGapMs), std::chrono::milliseconds(kMinFileGapMs)))
        finishReceivedFile();
}

void Receiver::onCommandLine(const std::string& line) {
    if (options_.silent || options_.noise)
        return;
    pause(20); // the firmware's reaction time
    if (options_.error) {
        say("error\r\n");
        return;
    }
    for (const Command& command : kCommands) {
        if (line == command.text) {
            (this->*command.handler)();
            return;
        }
    }
    say("\r\nerror\r\n");
}

void Receiver::helpForList() {
    if (!takeHelpInBinaryMode(Mode::AwaitList))
        showStartMenu();
}

void Receiver::helpForSoftware() {
    if (!takeHelpInBinaryMode(Mode::AwaitSoftware))
        showStartMenu();
}

// After power-on or standby the firmware may still wait for a file: the first
// help then gets that prompt, and the help's kind tells which file it waits for.
bool Receiver::takeHelpInBinaryMode(Mode awaiting) {
    if (!binaryModePending_ || startupHelpPending_)
        return false;
    binaryModePending_ = false;
    say("\r\nSend file in binary mode\r\n");
    beginFile(awaiting);
    return true;
}

void Receiver::showStartMenu() {
    if (startupHelpPending_) { // still starting up
        startupHelpPending_ = false;
        say("StartUpControl\r\n");
        return;
    }
    say(kStartMenu);
}

void Receiver::showVersion() {
    say("\r\nSW 1.03  BL 0.9  HW B2\r\nSelect> ");
}

void Receiver::standby() {
    say("\r\nStandby\r\n");
    binaryModePending_ = options_.binaryMode;
}

void Receiver::awaitList() {
    say("\r\n100 Download Ch_Data\r\nSend file in binary mode\r\n");
    beginFile(Mode::AwaitList);
}

void Receiver::awaitSoftware() {
    say("\r\nLoad software\r\nSend file in binary mode\r\n");
    beginFile(Mode::AwaitSoftware);
}

void Receiver::beginFile(Mode awaiting) {
    mode_ = awaiting;
    incomingFile_.clear();
    lastByteAt_ = Clock::now();
}

std::string Receiver::uploadStream() const {
    const std::size_t imageBytes = options_.shortStream ? list_.size() / 2 : list_.size();
    std::string stream = "Start Upload" + std::string(kUploadDashes, '-');
    stream.append(reinterpret_cast<const char*>(list_.data()), imageBytes);
    if (!options_.noEndMarker)
        stream += "End Upload";
    stream += "\r\n";
    if (options_.doubleEnd)
        stream += "End Upload\r\n";
    return stream;
}

void Receiver::uploadChannelList() {
    char info[160];
    std::snprintf(info, sizeof info,
                  "\r\n500 Upload Ch_Data\r\nReading channel data from flash...\r\n"
                  "Image size: %zu bytes\r\n",
                  list_.size());
    say(info);
    pause(50);
    const std::string stream = uploadStream();
    const auto* bytes = reinterpret_cast<const uint8_t*>(stream.data());
    if (options_.dropAfter >= 0 && static_cast<std::size_t>(options_.dropAfter) < stream.size()) {
        line_.send(bytes, static_cast<std::size_t>(options_.dropAfter));
        line_.hangUp();
        dropped_ = true;
        return;
    }
    line_.send(bytes, stream.size());
}

void Receiver::finishReceivedFile() {
    std::vector<uint8_t> file;
    file.swap(incomingFile_);
    const Mode mode = mode_;
    mode_ = Mode::Menu;
    const bool endsLine =
        std::any_of(file.begin(), file.end(), [](uint8_t b) { return b == '\r' || b == '\n'; });
    if (file.size() < 16 && endsLine) {
        // No file came, only a command line: the menu takes it.
        onBytes(file.data(), file.size());
        return;
    }
    if (!options_.receivedFile.empty()) {
        std::ofstream out(options_.receivedFile, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.data()), static_cast<long>(file.size()));
    }
    if (mode == Mode::AwaitList)
        finishList(std::move(file));
    else
        finishSoftware(file);
}

void Receiver::finishList(std::vector<uint8_t> file) {
    store(file, "list", ".lst", storedLists_);
    if (options_.rejectList || !listChecksumValid(file)) {
        say("\r\nready\r\n");
        return;
    }
    say("\r\nFile OK!\r\n");
    if (options_.okThenSilence)
        return; // never stored: the receiver keeps its old list
    line_.waitTaken();
    apartGap(300);
    say(storedReport(file));
    if (options_.alterKept >= 0 && static_cast<std::size_t>(options_.alterKept) < file.size())
        ++file[static_cast<std::size_t>(options_.alterKept)];
    list_ = std::move(file); // a later upload serves it
}

void Receiver::finishSoftware(const std::vector<uint8_t>& file) {
    store(file, "file", ".app", storedSoftware_);
    say("\r\nFile OK!\r\n");
    if (options_.okThenSilence)
        return;
    answerGap(200);
    say("Write Sector\r\n");
    line_.waitTaken();
    apartGap(1000);
    say(storedReport(file));
}

// --store DIR: every file in arrival order, lists as listN.lst, software as fileN.app.
void Receiver::store(const std::vector<uint8_t>& file, const char* stem, const char* ending,
                     unsigned& count) {
    ++count;
    if (options_.storeDir.empty())
        return;
    const std::string path = options_.storeDir + "/" + stem + std::to_string(count) + ending;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<long>(file.size()));
    if (!out)
        std::fprintf(stderr, "receiver-sim: cannot write %s\n", path.c_str());
}

} // namespace sim
