// receiver-sim: a stand-in receiver on a pseudo-terminal, for trying Quelvox and
// for its integration tests without hardware.
#include "tools/receiver-sim/PluggedLine.h"
#include "tools/receiver-sim/PtyLine.h"
#include "tools/receiver-sim/Receiver.h"
#include "tools/receiver-sim/SampleList.h"
#include "tools/receiver-sim/SimOptions.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t unplugRequested = 0;

void onStopSignal(int) {
    stopRequested = 1;
}

void onUnplugSignal(int) {
    unplugRequested = 1;
}

void installSignals() {
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: a blocked poll or sleep returns at once
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    action.sa_handler = onUnplugSignal;
    sigaction(SIGUSR1, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

bool readList(const sim::SimOptions& options, std::vector<uint8_t>& list) {
    if (options.listFile.empty()) {
        list = sim::makeSampleList(options.seed);
        return true;
    }
    std::ifstream in(options.listFile, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "receiver-sim: cannot read %s\n", options.listFile.c_str());
        return false;
    }
    list.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (!list.empty() && list[0] == '-')
        std::fprintf(stderr,
                     "receiver-sim: warning: %s starts with '-', which the PC takes "
                     "for part of the marker run\n",
                     options.listFile.c_str());
    return true;
}

bool loadList(const sim::SimOptions& options, std::vector<uint8_t>& list) {
    if (!readList(options, list))
        return false;
    if (options.identity >= 0 && !sim::setIdentity(list, static_cast<uint8_t>(options.identity))) {
        std::fprintf(stderr, "receiver-sim: --identity needs a list of %zu bytes\n",
                     sim::kListFileSize);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    bool help = false;
    auto options = sim::parseOptions(argc, argv, error, help);
    if (help) {
        std::fputs(sim::usageText(), stdout);
        return 0;
    }
    if (!options) {
        std::fprintf(stderr, "receiver-sim: %s\n%s", error.c_str(), sim::usageText());
        return 2;
    }
    std::vector<uint8_t> list;
    if (!loadList(*options, list))
        return 1;
    std::error_code storeError;
    if (!options->storeDir.empty() && !std::filesystem::is_directory(options->storeDir) &&
        !std::filesystem::create_directories(options->storeDir, storeError)) {
        std::fprintf(stderr, "receiver-sim: cannot create %s\n", options->storeDir.c_str());
        return 1;
    }

    installSignals();
    sim::PtyLine pty(options->throttle, options->transcript);
    sim::PluggedLine line(pty, *options, [] { return stopRequested == 0; });
    std::string shownPath;
    if (!line.open(shownPath, error)) {
        std::fprintf(stderr, "receiver-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", shownPath.c_str());
    std::fflush(stdout);

    sim::Receiver receiver(*options, std::move(list), line);
    receiver.start();

    uint8_t buffer[4096];
    while (!stopRequested && !receiver.lineDropped()) {
        pollfd fds[2] = {{pty.fd(), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        int count = options->exitOnStdinEof ? 2 : 1;
        int ready = ::poll(fds, static_cast<nfds_t>(count), 20);
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            long n = pty.receive(buffer, sizeof buffer);
            if (n < 0)
                break;
            receiver.onBytes(buffer, static_cast<std::size_t>(n));
        }
        if (ready > 0 && count == 2 && (fds[1].revents & (POLLIN | POLLHUP))) {
            char sink[256];
            if (::read(STDIN_FILENO, sink, sizeof sink) <= 0)
                break;
        }
        receiver.onTick();
        const bool unplugNow = unplugRequested != 0;
        unplugRequested = 0;
        if (!line.onTick(unplugNow, error)) {
            std::fprintf(stderr, "receiver-sim: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}
