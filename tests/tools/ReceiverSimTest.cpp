// The stand-in receiver over its pseudo-terminal, talked to as the PC would.
#include "tests/support/SimProcess.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// The PC's end: the slave device, raw.
class Line {
public:
    explicit Line(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY);
        if (fd_ < 0)
            throw std::runtime_error("cannot open " + path);
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd_, TCSANOW, &tio);
    }
    ~Line() { ::close(fd_); }
    void send(const std::string& bytes) {
        ASSERT_EQ(::write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // Everything until quietMs pass without a byte, the line hangs up, maxMs
    // pass, or the text holds stopAt.
    std::string collect(int firstMs = 2000, int quietMs = 150, int maxMs = 10000,
                        const std::string& stopAt = {}) {
        std::string got;
        char buffer[8192];
        int wait = firstMs;
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(maxMs);
        while (std::chrono::steady_clock::now() < until) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, wait) <= 0)
                return got;
            ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0) {
                hungUp_ = true;
                return got;
            }
            got.append(buffer, static_cast<size_t>(n));
            if (!stopAt.empty() && got.find(stopAt) != std::string::npos)
                return got;
            wait = quietMs;
        }
        return got;
    }
    std::string ask(const std::string& command, int firstMs = 2000) {
        send(command);
        return collect(firstMs);
    }
    bool hungUp() const { return hungUp_; }

private:
    int fd_ = -1;
    bool hungUp_ = false;
};

// CRC-32/MPEG-2, bit by bit: independent of the receiver's table version.
uint32_t crcMpeg2(const std::string& data, size_t from, size_t length) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = from; i < from + length; ++i) {
        crc ^= static_cast<uint32_t>(static_cast<uint8_t>(data[i])) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

uint32_t u32At(const std::string& data, size_t at) {
    return static_cast<uint8_t>(data[at]) | static_cast<uint8_t>(data[at + 1]) << 8 |
           static_cast<uint8_t>(data[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(data[at + 3])) << 24;
}

// The image between the dashes after "Start Upload" and the last "End Upload".
std::string imageOf(const std::string& stream) {
    size_t start = stream.find("Start Upload");
    size_t end = stream.rfind("End Upload");
    if (start == std::string::npos || end == std::string::npos)
        return {};
    start += 12;
    while (start < stream.size() && stream[start] == '-')
        ++start;
    return end > start ? stream.substr(start, end - start) : std::string();
}

const std::vector<std::string> kFast = {"--speedup", "20"};

TEST(ReceiverSim, HelpShowsTheStartMenuAndUnknownCommandsAnError) {
    SimProcess sim(kFast);
    Line line(sim.devicePath());
    const std::string menu = line.ask("400\r\n");
    for (const char* item :
         {"Upload Ch_Data", "100 ", "300 Standby", "400 Help", "500 Upload Ch_Data"})
        EXPECT_NE(menu.find(item), std::string::npos) << item;
    EXPECT_NE(line.ask("hel\r\n").find("Upload Ch_Data"), std::string::npos);
    EXPECT_NE(line.ask(std::string("r\0\0\r\n", 5)).find("Upload Ch_Data"), std::string::npos);
    EXPECT_NE(line.ask("999\r\n").find("error"), std::string::npos);
    EXPECT_NE(line.ask("300\r\n").find("Standby"), std::string::npos);
}

TEST(ReceiverSim, UploadFramesAListWithValidChecksums) {
    SimProcess sim({"--speedup", "20", "--seed", "7", "--transcript", "transcript.txt"});
    Line line(sim.devicePath());
    const std::string stream = line.ask("500\r\n");
    EXPECT_GE(stream.size(), 185496u); // what the PC takes for a whole list
    const size_t dashesAt = stream.find("Start Upload") + 12;
    EXPECT_EQ(stream[dashesAt], '-');
    const std::string image = imageOf(stream);
    ASSERT_EQ(image.size(), 185026u);
    EXPECT_EQ(u32At(image, 8), crcMpeg2(image, 28, 184996));
    // The block checksums in the descriptor cover the parameter block and the tables.
    EXPECT_EQ(u32At(image, 80), crcMpeg2(image, 96, 28));
    EXPECT_EQ(u32At(image, 84), crcMpeg2(image, 124, 168000));
    EXPECT_EQ(u32At(image, 88), crcMpeg2(image, 168124, 16000));
    EXPECT_EQ(u32At(image, 92), crcMpeg2(image, 184124, 900));
    EXPECT_EQ(stream.substr(stream.size() - 12), "End Upload\r\n");

    // The same seed gives the same list.
    SimProcess again({"--speedup", "20", "--seed", "7"});
    Line other(again.devicePath());
    EXPECT_TRUE(imageOf(other.ask("500\r\n")) == image);

    std::ifstream transcript("transcript.txt");
    std::string first;
    std::getline(transcript, first);
    EXPECT_NE(first.find(" 500\\r\\n"), std::string::npos) << first;
}

// A list file of the given bytes with a matching checksum; a CR LF inside the
// first channel's name shows that the receiver takes a file's bytes as data.
std::string sealedList(size_t size = 185026) {
    std::string file(size, '\0');
    for (size_t i = 0; i < file.size(); ++i)
        file[i] = static_cast<char>(i * 31 + 7);
    file.replace(146, 4, "\r\n\r\n");
    if (size >= 185024) {
        const uint32_t crc = crcMpeg2(file, 28, 184996);
        for (int i = 0; i < 4; ++i)
            file[8 + i] = static_cast<char>(crc >> (8 * i));
    }
    return file;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The receiver's reports on a file, up to the last one expected.
// The receiver ends a software file after 2 s of silence and keeps reports
// the PC must read apart 1.4 s apart: the quiet limits wait out both.
std::string reportUntil(Line& line, const std::string& last) {
    return line.collect(5000, 2500, 20000, last);
}

// The PC's side of a list send: "100", the bytes, then the receiver's reports.
std::string sendList(Line& line, const std::string& list, const std::string& last) {
    EXPECT_NE(line.ask("100\r\n").find("Send file in binary mode"), std::string::npos);
    line.send(list);
    return reportUntil(line, last);
}

const std::string kSoftwareCommand("l\0\0\r\n", 5);

TEST(ReceiverSim, KeepsAnAcceptedListAndServesItBack) {
    const std::string file = sealedList();
    std::ofstream("given.lst", std::ios::binary).write(file.data(), file.size());
    SimProcess sim({"--speedup", "20", "--received", "back.lst", "--store", "kept"});
    Line line(sim.devicePath());
    const std::string own = imageOf(line.ask("500\r\n"));

    // A PC busy elsewhere still reads the two reports apart: the second
    // waits until the first has been taken.
    EXPECT_NE(line.ask("100\r\n").find("Send file in binary mode"), std::string::npos);
    line.send(file);
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    const std::string checked = reportUntil(line, "File OK!");
    EXPECT_EQ(checked.find("ptImage"), std::string::npos) << checked;
    EXPECT_NE(reportUntil(line, "ptImage->UnzipedCrc").find("ptImage"), std::string::npos);
    EXPECT_TRUE(fileText("back.lst") == file);
    EXPECT_TRUE(fileText("kept/list1.lst") == file);
    EXPECT_TRUE(imageOf(line.ask("500\r\n")) == file);
    EXPECT_FALSE(own == file);

    // A given list file is served as it is.
    SimProcess given({"--speedup", "20", "--list", "given.lst"});
    Line other(given.devicePath());
    EXPECT_TRUE(imageOf(other.ask("500\r\n")) == file);
}

TEST(ReceiverSim, RefusesAListItCannotTake) {
    std::string badChecksum = sealedList();
    badChecksum[5000] ^= 1;
    const struct {
        const char* what;
        std::vector<std::string> options;
        std::string list;
    } cases[] = {
        {"checksum", {}, badChecksum},
        {"told to", {"--reject-list"}, sealedList()},
        {"too short", {}, sealedList(184997)},
    };
    for (const auto& c : cases) {
        std::vector<std::string> options{"--speedup", "20"};
        options.insert(options.end(), c.options.begin(), c.options.end());
        SimProcess sim(options);
        Line line(sim.devicePath());
        const std::string own = imageOf(line.ask("500\r\n"));
        const std::string report = sendList(line, c.list, "ready");
        EXPECT_NE(report.find("ready"), std::string::npos) << c.what << ": " << report;
        EXPECT_EQ(report.find("File OK!"), std::string::npos) << c.what;
        EXPECT_TRUE(imageOf(line.ask("500\r\n")) == own) << c.what;
    }
}

TEST(ReceiverSim, StoresSoftwareFilesInOrder) {
    SimProcess sim({"--speedup", "20", "--store", "update"});
    Line line(sim.devicePath());
    EXPECT_NE(line.ask("hel\r\n").find("Upload Ch_Data"), std::string::npos);
    std::string files[3] = {std::string(3001, 'a'), sealedList(20000), std::string(40, '\n')};
    files[0][1500] = '\r';
    for (const std::string& file : files) {
        EXPECT_NE(line.ask(kSoftwareCommand).find("Send file in binary mode"), std::string::npos);
        line.send(file);
        const std::string report = reportUntil(line, "ptImage->UnzipedCrc");
        const size_t ok = report.find("File OK!");
        const size_t writing = report.find("Write Sector");
        ASSERT_NE(ok, std::string::npos) << report;
        EXPECT_GT(writing, ok);
        EXPECT_NE(writing, std::string::npos);
        EXPECT_GT(report.find("ptImage->UnzipedCrc"), writing);
    }
    EXPECT_NE(line.ask(std::string("s\0\0\r\n", 5)).find("Standby"), std::string::npos);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(fileText("update/file" + std::to_string(i + 1) + ".app") == files[i]) << i;
    EXPECT_EQ(fileText("update/file4.app"), "");
}

TEST(ReceiverSim, SendModeFaults) {
    const std::string list = sealedList();
    {
        SimProcess sim({"--speedup", "20", "--identity", "77"});
        Line line(sim.devicePath());
        const std::string image = imageOf(line.ask("500\r\n"));
        ASSERT_EQ(image.size(), 185026u);
        EXPECT_EQ(image[28], 77);
        EXPECT_EQ(u32At(image, 8), crcMpeg2(image, 28, 184996));
    }
    {
        SimProcess sim({"--speedup", "20", "--ok-then-silence"});
        Line line(sim.devicePath());
        const std::string own = imageOf(line.ask("500\r\n"));
        const std::string report = sendList(line, list, "");
        EXPECT_NE(report.find("File OK!"), std::string::npos);
        EXPECT_EQ(report.find("ptImage"), std::string::npos);
        EXPECT_TRUE(imageOf(line.ask("500\r\n")) == own); // never stored
    }
    {
        SimProcess sim({"--speedup", "20", "--alter-kept", "146"});
        Line line(sim.devicePath());
        EXPECT_NE(sendList(line, list, "ptImage->UnzipedCrc").find("ptImage->UnzipedCrc"),
                  std::string::npos);
        std::string expected = list;
        ++expected[146];
        EXPECT_TRUE(imageOf(line.ask("500\r\n")) == expected);
    }
    {
        // Waiting for a file at power-on: a list goes in without "100"; a help
        // sent instead is taken as a command. After standby it waits again.
        SimProcess sim({"--speedup", "20", "--binary-mode", "--store", "binary"});
        Line line(sim.devicePath());
        EXPECT_EQ(line.ask("400\r\n"), "\r\nSend file in binary mode\r\n");
        line.send(list);
        EXPECT_NE(reportUntil(line, "ptImage").find("File OK!"), std::string::npos);
        EXPECT_NE(line.ask("300\r\n").find("Standby"), std::string::npos);
        EXPECT_NE(line.ask("400\r\n").find("Send file in binary mode"), std::string::npos);
        // Taken as a command once 2 s of silence show it is no file.
        EXPECT_NE(line.ask("400\r\n", 5000).find("Upload Ch_Data"), std::string::npos);
        line.ask("300\r\n");
        EXPECT_NE(line.ask("hel\r\n").find("Send file in binary mode"), std::string::npos);
        line.send(std::string(500, 'x'));
        EXPECT_NE(reportUntil(line, "ptImage").find("Write Sector"), std::string::npos);
        EXPECT_TRUE(fileText("binary/list1.lst") == list);
        EXPECT_EQ(fileText("binary/file1.app"), std::string(500, 'x'));
    }
}

TEST(ReceiverSim, FaultModes) {
    {
        SimProcess sim({"--speedup", "20", "--startup"});
        Line line(sim.devicePath());
        EXPECT_NE(line.collect(1000).find("StartUpControl"), std::string::npos);
        EXPECT_NE(line.ask("400\r\n").find("StartUpControl"), std::string::npos);
        EXPECT_NE(line.ask("400\r\n").find("Upload Ch_Data"), std::string::npos);
    }
    {
        SimProcess sim({"--speedup", "20", "--short"});
        Line line(sim.devicePath());
        EXPECT_LT(line.ask("500\r\n").size(), 185496u);
    }
    {
        SimProcess sim({"--speedup", "20", "--error"});
        Line line(sim.devicePath());
        EXPECT_EQ(line.ask("400\r\n"), "error\r\n");
    }
    {
        SimProcess sim({"--speedup", "20", "--noise"});
        Line line(sim.devicePath());
        line.send("400\r\n");
        const std::string text = line.collect(2000, 150, 400);
        EXPECT_GT(text.size(), 0u);
        EXPECT_EQ(text.find("Upload Ch_Data"), std::string::npos); // commands go unheard
    }
    {
        SimProcess sim({"--speedup", "20", "--silent"});
        Line line(sim.devicePath());
        EXPECT_EQ(line.ask("400\r\n", 500), "");
    }
    {
        SimProcess sim({"--speedup", "20", "--drop-after", "5000"});
        Line line(sim.devicePath());
        const std::string stream = line.ask("500\r\n");
        EXPECT_TRUE(line.hungUp());
        const size_t markerAt = stream.find("Start Upload");
        ASSERT_NE(markerAt, std::string::npos);
        EXPECT_EQ(stream.size() - markerAt, 5000u);
        EXPECT_EQ(sim.waitExit(2000), 0);
    }
}

TEST(ReceiverSim, RefusesOptionsItCannotServe) {
    std::ofstream("tiny.lst") << "not a list";
    const std::vector<std::string> cases[] = {
        {"--identity", "256"},
        {"--alter-kept", "185026"},
        {"--speedup", "0"},
        {"--store"},
        {"--identity", "5", "--list", "tiny.lst"},
        {"--store", "/proc/no-such-folder"},
    };
    for (const auto& options : cases)
        EXPECT_THROW(SimProcess{options}, std::runtime_error) << options[0];
}

TEST(ReceiverSim, EndsOnTerminateAndOnClosedStandardInput) {
    {
        SimProcess sim({});
        sim.terminate();
        EXPECT_EQ(sim.waitExit(2000), 0);
    }
    {
        SimProcess sim({"--exit-on-stdin-eof"}, /*keepStdin*/ true);
        EXPECT_EQ(sim.waitExit(200), -1);
        sim.closeStdin();
        EXPECT_EQ(sim.waitExit(2000), 0);
    }
}

TEST(ReceiverSim, ThrottledUploadTakesTheLineTime) {
    SimProcess sim({"--throttle", "--drop-after", "5760", "--speedup", "20"});
    Line line(sim.devicePath());
    line.send("500\r\n");
    const auto began = std::chrono::steady_clock::now();
    const std::string stream = line.collect(2000, 1000); // until the line drops
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const double wire = static_cast<double>(stream.size()) / 11520.0;
    EXPECT_TRUE(line.hungUp());
    EXPECT_GT(seconds, 0.9 * wire);
    EXPECT_LT(seconds, 1.3 * wire + 0.1);
}

TEST(ReceiverSim, ThrottledFileTakesTheLineTime) {
    SimProcess sim({"--throttle", "--speedup", "20"});
    Line line(sim.devicePath());
    line.ask(kSoftwareCommand);
    const std::string file(5760, 'f');
    const auto began = std::chrono::steady_clock::now();
    line.send(file);
    EXPECT_NE(line.collect(5000, 10).find("File OK!"), std::string::npos);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const double wire = static_cast<double>(file.size()) / 11520.0;
    EXPECT_GT(seconds, 0.9 * wire);
    EXPECT_LT(seconds, 1.3 * wire + 2.8); // plus the 2 s of silence that end the file
}

} // namespace
