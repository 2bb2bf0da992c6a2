#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sim {

// How the stand-in receiver behaves; each fault mode is one option.
struct SimOptions {
    std::string listFile;           // --list FILE: serve this .lst instead of a sample
    uint32_t seed = 1;              // --seed N: which sample list
    bool silent = false;            // --silent: never answers
    bool noise = false;             // --noise: endless unrelated text
    bool startup = false;           // --startup: "StartUpControl" first
    bool error = false;             // --error: answers every command with "error"
    bool shortStream = false;       // --short: the image is cut
    bool noEndMarker = false;       // --no-end-marker
    bool doubleEnd = false;         // --double-end
    long dropAfter = -1;            // --drop-after N: hang up after N bytes of the stream
    bool rejectList = false;        // --reject-list: a sent list is not accepted
    int identity = -1;              // --identity N: byte 28 of the served list
    bool okThenSilence = false;     // --ok-then-silence: "File OK!", then nothing more
    bool binaryMode = false;        // --binary-mode: waits for a file at power-on and after standby
    long alterKept = -1;            // --alter-kept OFFSET: change this byte of an accepted list
    bool throttle = false;          // --throttle: 115200 baud both ways
    std::string transcript;         // --transcript FILE
    std::string receivedFile;       // --received FILE: keep the last file sent to it
    std::string storeDir;           // --store DIR: keep every file sent to it, numbered
    double speedup = 1.0;           // --speedup F: own pauses divided by F
    bool exitOnStdinEof = false;    // --exit-on-stdin-eof
    std::string linkPath;           // --link PATH: a symbolic link to the pseudo-terminal
    long unplugAfterBytes = -1;     // --unplug-after N: vanish after sending N bytes
    double unplugAfterSeconds = -1; // --unplug-after-time S
    double replugAfter = 2.0;       // --replug-after M: come back after M seconds
    bool unplugRepeat = false;      // --unplug-repeat: again after each replug

    bool unplugMode() const { return unplugAfterBytes >= 0 || unplugAfterSeconds >= 0; }
};

const char* usageText();

// Parses argv; on a bad option returns nothing and puts the reason in `error`.
// `help` becomes true for --help.
std::optional<SimOptions> parseOptions(int argc, char** argv, std::string& error, bool& help);

} // namespace sim
