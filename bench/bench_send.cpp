// The list send (TLoadThread) and the software update (TFirmThread) over
// TCommPort against the stand-in receiver throttled to 115200 baud, in real
// time.
//   BM_PlainWrite      : one write of 185026 bytes after "100", to the
//                        moment the last byte has left (tcdrain): the line's
//                        own time for the image;
//   BM_ListSend        : the image phase of a list send measured the same way
//                        (first 10-byte write to the drained line), its ratio
//                        to the wire time (goal: at most 1.02 x the plain
//                        write), and the worker's CPU in that phase (goal:
//                        below 5 % of a core);
//   BM_Update          : three software files; the whole run against what it
//                        cannot avoid: wire time, the dialogue's prescribed
//                        pauses (summed by the clock), its empty reads, and
//                        the receiver's own waits.
#include "listformat/ListCrc32.h"
#include "serial/CommPort.h"
#include "serial/FirmThread.h"
#include "serial/LoadThread.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/SimProcess.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <ctime>
#include <string>
#include <termios.h>
#include <vector>

namespace {

constexpr double kLineBytesPerSecond = 11520.0; // 115200 baud, 10 bits a byte
constexpr int32_t kImageBytes = ListImageBytes;

double nowS() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double threadCpuS() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

std::vector<uint8_t> bytes(size_t size, uint32_t seed) {
    std::vector<uint8_t> out(size);
    for (auto& b : out) {
        seed = seed * 1103515245u + 12345u;
        b = static_cast<uint8_t>(seed >> 16);
    }
    return out;
}

// Real time, with the prescribed pauses summed.
class CountingClock : public Clock {
public:
    void sleepMs(int64_t ms) override {
        slept += ms;
        SteadyClock::instance().sleepMs(ms);
    }
    int64_t nowMs() const override { return SteadyClock::instance().nowMs(); }
    std::atomic<int64_t> slept{0};
};

// The real port, noting the image writes and the empty reads.
class TimingPort : public Port {
public:
    explicit TimingPort(TCommPort& inner) : inner_(inner) {}
    bool IsOpen() const override { return inner_.IsOpen(); }
    void Write(const uint8_t* d, int32_t n) override {
        if (imageWrites++ == 0) {
            firstWriteS = nowS();
            cpuAtFirstS = threadCpuS();
        }
        inner_.Write(d, n);
        imageBytes += n;
        if (imageBytes % kImageBytes == 0 && imageBytes > 0) {
            drain();
            lastWriteS = nowS();
            cpuAtLastS = threadCpuS();
        }
    }
    void WritePaced(const uint8_t* d, uint32_t n, uint32_t ms) override {
        inner_.WritePaced(d, n, ms);
    }
    void WriteByte(uint8_t b) override { inner_.WriteByte(b); }
    void Flush() override { inner_.Flush(); }
    void interruptRead() override { inner_.interruptRead(); }
    uint32_t Read(uint8_t* buffer, uint32_t capacity) override {
        const uint32_t n = inner_.Read(buffer, capacity);
        if (n == 0)
            emptyReadS += capacity * 0.001 + 0.250;
        return n;
    }
    void drain() { inner_.Flush(); }

    TCommPort& inner_;
    int imageWrites = 0;
    int64_t imageBytes = 0;
    double firstWriteS = 0, lastWriteS = 0, cpuAtFirstS = 0, cpuAtLastS = 0;
    double emptyReadS = 0;
};

class FilesHost : public TransferRecorder {
public:
    std::array<std::vector<uint8_t>, 6> files;
    int cursor = 0;
    uint8_t* GetFileBuffer(int type) override { return files.at(type).data(); }
    int32_t GetFileSize(int type) override { return static_cast<int32_t>(files.at(type).size()); }
    void GetFirmFileName(int type, std::string& name) override { name = std::to_string(type); }
    int GetFirstFirmFileType() override {
        cursor = 0;
        return GetNextFirmFileType();
    }
    int GetNextFirmFileType() override { return ++cursor <= 3 ? cursor : 0; }
    void setListAccepted(bool value) override { accepted = value; }
    void setUpdateDone(bool value) override { done = value; }
    bool accepted = false;
    bool done = false;
};

// A list the receiver accepts: its checksum (bytes 28 to 185023) at offset 8.
std::vector<uint8_t> validList() {
    std::vector<uint8_t> list = bytes(kImageBytes, 1);
    const uint32_t crc = listCrc32(list.data() + 28, 185024 - 28);
    for (int i = 0; i < 4; ++i)
        list[8 + i] = static_cast<uint8_t>(crc >> (8 * i));
    return list;
}

void openThrottled(TCommPort& port, const SimProcess& sim) {
    port.SetPort(sim.devicePath());
    port.SetBaudRate(115200);
    port.Open();
}

void BM_PlainWrite(benchmark::State& state) {
    for (auto _ : state) {
        SimProcess sim({"--throttle"}, false, RECEIVER_SIM_PATH);
        TCommPort port(SteadyClock::instance());
        openThrottled(port, sim);
        const uint8_t command[] = {'1', '0', '0', 13, 10};
        port.Write(command, 5);
        port.Flush();
        SteadyClock::instance().sleepMs(300);
        const auto image = bytes(kImageBytes, 1);
        const double start = nowS();
        port.Write(image.data(), kImageBytes);
        port.Flush();
        const double took = nowS() - start;
        port.Close();
        state.counters["write_s"] = took;
        state.counters["wire_s"] = kImageBytes / kLineBytesPerSecond;
        state.SetIterationTime(took);
    }
}
BENCHMARK(BM_PlainWrite)->Iterations(1)->Unit(benchmark::kSecond)->UseManualTime();

void BM_ListSend(benchmark::State& state) {
    for (auto _ : state) {
        SimProcess sim({"--throttle"}, false, RECEIVER_SIM_PATH);
        TCommPort port(SteadyClock::instance());
        openThrottled(port, sim);
        TimingPort timing(port);
        FilesHost host;
        host.files[5] = validList();
        TLoadThread thread(timing, host, SteadyClock::instance());
        static_cast<ListSend&>(thread.send()).setLogPath("bench-logLoad.txt");
        thread.start();
        thread.wait();
        port.Close();
        if (thread.failed() || timing.lastWriteS == 0) {
            state.SkipWithError("the send failed");
            return;
        }
        const double phase = timing.lastWriteS - timing.firstWriteS;
        state.counters["image_s"] = phase;
        state.counters["wire_s"] = kImageBytes / kLineBytesPerSecond;
        state.counters["ratio_to_wire"] = phase / (kImageBytes / kLineBytesPerSecond);
        state.counters["worker_cpu_pct"] = 100.0 * (timing.cpuAtLastS - timing.cpuAtFirstS) / phase;
        state.counters["accepted"] = host.accepted ? 1 : 0;
        state.SetIterationTime(phase);
    }
}
BENCHMARK(BM_ListSend)->Iterations(1)->Unit(benchmark::kSecond)->UseManualTime();

void BM_Update(benchmark::State& state) {
    constexpr size_t kFileBytes = 20000;
    for (auto _ : state) {
        SimProcess sim({"--throttle"}, false, RECEIVER_SIM_PATH);
        TCommPort port(SteadyClock::instance());
        openThrottled(port, sim);
        TimingPort timing(port);
        CountingClock clock;
        FilesHost host;
        for (int t = 1; t <= 3; ++t)
            host.files[t] = bytes(kFileBytes, t);
        TFirmThread thread(timing, host, clock);
        static_cast<SoftwareUpdate&>(thread.update()).setLogPath("bench-logUpdate.txt");
        const double start = nowS();
        thread.start();
        thread.wait();
        const double whole = nowS() - start;
        port.Close();
        if (thread.failed() || !host.done) {
            state.SkipWithError("the update failed");
            return;
        }
        // The receiver takes a file as ended after 400 ms of silence and
        // prints its reports 150 ms apart; the commands' bytes and the
        // receiver's texts go over the line too (small next to the files).
        const double wire = 3 * kFileBytes / kLineBytesPerSecond;
        const double receiverWaits = 3 * (0.400 + 2 * 0.150);
        const double pauses = clock.slept / 1000.0;
        const double budget = wire + pauses + timing.emptyReadS + receiverWaits;
        state.counters["whole_s"] = whole;
        state.counters["wire_s"] = wire;
        state.counters["pauses_s"] = pauses;
        state.counters["empty_reads_s"] = timing.emptyReadS;
        state.counters["budget_s"] = budget;
        state.counters["beyond_budget_s"] = whole - budget;
        state.SetIterationTime(whole);
    }
}
BENCHMARK(BM_Update)->Iterations(1)->Unit(benchmark::kSecond)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
