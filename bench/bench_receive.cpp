// The list receive (TComThread over TCommPort) against the stand-in receiver
// throttled to 115200 baud, in real time. One run, measured at the PC's end:
//   data phase : first byte of "Start Upload" to the last byte of the stream,
//                against the wire time of those bytes (goal: at most 1.02 x);
//   whole run  : start to finished(), against the wire time of everything the
//                receiver sent plus the dialogue's prescribed pauses and
//                time-outs;
//   worker CPU : CPU time of the worker thread during the data phase, in % of
//                one core (goal: below 5 %).
#include "serial/ComThread.h"
#include "serial/CommPort.h"
#include "tests/serial/TransferRecorder.h"
#include "tests/support/SimProcess.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <mutex>
#include <string>
#include <vector>

namespace {

constexpr double kLineBytesPerSecond = 11520.0; // 115200 baud, 10 bits a byte
constexpr double kBurstGapS = 0.015;

double nowS() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double threadCpuS() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + ts.tv_nsec * 1e-9;
}

// Passes everything to the real port and notes when each chunk arrived.
class TimingPort : public Port {
public:
    explicit TimingPort(Port& inner) : inner_(inner) {}
    bool IsOpen() const override { return inner_.IsOpen(); }
    void Write(const uint8_t* d, int32_t n) override { inner_.Write(d, n); }
    void WritePaced(const uint8_t* d, uint32_t n, uint32_t ms) override {
        inner_.WritePaced(d, n, ms);
    }
    void WriteByte(uint8_t b) override { inner_.WriteByte(b); }
    void Flush() override { inner_.Flush(); }
    void interruptRead() override { inner_.interruptRead(); }

    uint32_t Read(uint8_t* buffer, uint32_t capacity) override {
        const uint32_t n = inner_.Read(buffer, capacity);
        const double returned = nowS();
        if (n == 0) {
            ++emptyReads;
            return n;
        }
        // A read that did not fill ends 15 ms after its last byte.
        const double lastByte = returned - (n < capacity ? kBurstGapS : 0.0);
        if (n < capacity)
            ++partialReads;
        const size_t before = all.size();
        all.append(reinterpret_cast<const char*>(buffer), n);
        if (streamStart == std::string::npos) {
            const size_t at = all.find("Start Upload", before >= 11 ? before - 11 : 0);
            if (at != std::string::npos) {
                streamStart = at;
                // Bytes come at line speed: the marker's first byte arrived
                // (bytes after it) / rate before the last one.
                firstStreamByteS = lastByte - (all.size() - 1 - at) / kLineBytesPerSecond;
                cpuAtStreamS = threadCpuS();
            }
        }
        lastByteS = lastByte;
        cpuAtLastByteS = threadCpuS();
        return n;
    }

    Port& inner_;
    std::string all;
    size_t streamStart = std::string::npos;
    double firstStreamByteS = 0;
    double lastByteS = 0;
    double cpuAtStreamS = 0;
    double cpuAtLastByteS = 0;
    int emptyReads = 0;
    int partialReads = 0;
};

void BM_ReceiveThrottled(benchmark::State& state) {
    for (auto _ : state) {
        SimProcess sim({"--throttle"}, false, RECEIVER_SIM_PATH);
        TCommPort port(SteadyClock::instance());
        port.SetPort(sim.devicePath());
        port.SetBaudRate(115200);
        port.Open();
        TimingPort timing(port);
        TransferRecorder host;
        TComThread thread(timing, host, SteadyClock::instance());
        thread.setLogPath("bench-logRead.txt");
        const double started = nowS();
        thread.start();
        thread.wait();
        const double whole = nowS() - started;
        port.Close();

        if (thread.failed() || host.receivedStatus() != 1 ||
            timing.streamStart == std::string::npos) {
            state.SkipWithError("the receive failed");
            return;
        }
        const double dataPhase = timing.lastByteS - timing.firstStreamByteS;
        const double dataWire = (timing.all.size() - timing.streamStart) / kLineBytesPerSecond;
        const double cpu = timing.cpuAtLastByteS - timing.cpuAtStreamS;

        // Everything the receiver sent and the PC's three commands on the wire,
        // the 70 ms pacing of 3 x 3 command bytes, the pauses of 100 ms
        // (before "500", after the stream, before "300") and 5000 ms (after
        // standby), the 1274 ms empty read that ends the stream, 15 ms after
        // each burst that did not fill a read, and the receiver's own reaction
        // (20 ms a command, 50 ms before the stream).
        const double wireAll = (timing.all.size() + 15) / kLineBytesPerSecond;
        const double prescribed =
            9 * 0.070 + 3 * 0.100 + 5.000 + 1.274 + timing.partialReads * kBurstGapS;
        const double receiverThinking = 2 * 0.020 + 0.050;
        const double budget = wireAll + prescribed + receiverThinking;

        state.counters["data_phase_s"] = dataPhase;
        state.counters["data_wire_s"] = dataWire;
        state.counters["data_ratio"] = dataPhase / dataWire;
        state.counters["whole_s"] = whole;
        state.counters["whole_budget_s"] = budget;
        state.counters["whole_ratio"] = whole / budget;
        state.counters["worker_cpu_pct"] = 100.0 * cpu / dataPhase;
        state.counters["bytes"] = static_cast<double>(timing.all.size());
        state.SetIterationTime(whole);
    }
}
BENCHMARK(BM_ReceiveThrottled)->Iterations(1)->Unit(benchmark::kSecond)->UseManualTime();

} // namespace

BENCHMARK_MAIN();
