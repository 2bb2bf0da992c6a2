// The online terminal on a pseudo-terminal, in real time:
//  - CPU share of the worker while online and idle (goal: below 2 % of a core),
//    once with a silent line and once with an unfinished line waiting;
//  - latency from the Enter key (appendChar('\r')) to the first byte of the
//    line at the far end (goal: below 80 ms).
#include "bench/CpuTime.h"
#include "serial/CommPort.h"
#include "serial/TermThread.h"
#include "tests/support/Pty.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono;

// The worker writes logTerm.txt into the working directory when it winds up;
// keep that out of wherever the bench was started.
void useScratchDirectory() {
    static const bool moved = [] {
        char path[] = "/tmp/quelvox-bench-XXXXXX";
        return mkdtemp(path) != nullptr && chdir(path) == 0;
    }();
    (void)moved;
}

struct OnlineTerminal {
    OnlineTerminal() {
        useScratchDirectory();
        port.SetPort(pty.slavePath());
        port.SetBaudRate(115200);
        port.Open();
        thread.start();
    }
    ~OnlineTerminal() {
        thread.CancelByUser();
        thread.wait();
    }

    Pty pty;
    TCommPort port{SteadyClock::instance()};
    WorkerHost host; // the defaults do nothing
    TTermThread thread{port, host, SteadyClock::instance()};
};

// While the main thread only sleeps, the process's CPU time is the worker's.
void idleCpu(benchmark::State& state, const char* typed) {
    OnlineTerminal terminal;
    for (char c : std::string(typed))
        terminal.thread.appendChar(c);
    for (auto _ : state) {
        const double cpuBefore = bench::processCpuSeconds();
        const auto wallBefore = steady_clock::now();
        std::this_thread::sleep_for(seconds(3));
        const double wall = duration<double>(steady_clock::now() - wallBefore).count();
        const double cpu = bench::processCpuSeconds() - cpuBefore;
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
    }
}

void BM_TerminalIdleCpu_SilentLine(benchmark::State& state) {
    idleCpu(state, "");
}
void BM_TerminalIdleCpu_UnfinishedLine(benchmark::State& state) {
    idleCpu(state, "AB");
}

void BM_TerminalEnterToFirstByte(benchmark::State& state) {
    OnlineTerminal terminal;
    double worstMs = 0;
    for (auto _ : state) {
        // Let the worker settle into a long read of the silent line first.
        std::this_thread::sleep_for(milliseconds(300));
        terminal.thread.appendChar('A');
        terminal.thread.appendChar('B');
        const auto enter = steady_clock::now();
        terminal.thread.appendChar('\r');
        pollfd pfd{terminal.pty.masterFd(), POLLIN, 0};
        if (::poll(&pfd, 1, 5000) != 1) {
            state.SkipWithError("the line never arrived");
            break;
        }
        const double latency = duration<double>(steady_clock::now() - enter).count();
        state.SetIterationTime(latency);
        worstMs = std::max(worstMs, latency * 1000);
        // Collect the rest of the line: A, 70 ms, B, 70 ms, CR LF.
        const std::string rest = terminal.pty.receive(500, 150);
        benchmark::DoNotOptimize(rest);
    }
    state.counters["worst_ms"] = worstMs;
}

} // namespace

BENCHMARK(BM_TerminalIdleCpu_SilentLine)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(BM_TerminalIdleCpu_UnfinishedLine)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
BENCHMARK(BM_TerminalEnterToFirstByte)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
