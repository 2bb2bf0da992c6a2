#include "tools/receiver-sim/SimOptions.h"

#include <cstdlib>
#include <cstring>
#include <utility>

namespace sim {

const char* usageText() {
    return "usage: receiver-sim [options]\n"
           "A stand-in receiver on a pseudo-terminal. Prints the slave device path on\n"
           "the first line of its output, then answers like the receiver's firmware.\n"
           "\n"
           "  --list FILE          serve this list file (default: a generated sample)\n"
           "  --seed N             which sample list to generate (default 1)\n"
           "  --throttle           limit both directions to 115200 baud\n"
           "  --speedup F          shorten the receiver's own pauses F times\n"
           "  --transcript FILE    record every received byte with its time\n"
           "  --received FILE      keep the last file sent to the receiver\n"
           "  --store DIR          keep every file sent to the receiver, in order:\n"
           "                       lists as list1.lst, list2.lst, ..., software as\n"
           "                       file1.app, file2.app, ...\n"
           "  --exit-on-stdin-eof  end when standard input closes\n"
           "  --link PATH          make PATH a symbolic link to the pseudo-terminal and\n"
           "                       print PATH instead of the device; SIGUSR1 unplugs\n"
           "fault modes:\n"
           "  --silent             never answer\n"
           "  --noise              print unrelated text without end\n"
           "  --startup            print \"StartUpControl\" first and on the first help\n"
           "  --error              answer every command with \"error\"\n"
           "  --short              cut the list image short\n"
           "  --no-end-marker      leave out \"End Upload\"\n"
           "  --double-end         print \"End Upload\" twice\n"
           "  --drop-after N       hang up the line after N bytes of the list stream\n"
           "  --reject-list        refuse a list sent to the receiver (\"ready\")\n"
           "  --identity N         serve a list whose identity byte (offset 28) is N\n"
           "  --ok-then-silence    answer a file with \"File OK!\" and then nothing more\n"
           "  --binary-mode        at power-on and after standby, answer the first help\n"
           "                       with \"Send file in binary mode\" and wait for a file\n"
           "  --alter-kept OFFSET  add 1 to this byte of a list before keeping it\n"
           "                       (146: the first letter of channel 1's name)\n"
           "  --unplug-after N     unplug after sending N bytes: the pseudo-terminal and\n"
           "                       its link vanish, as a pulled USB adapter\n"
           "  --unplug-after-time S  unplug S seconds after being plugged in\n"
           "  --replug-after M     come back M seconds after unplugging (default 2) as a\n"
           "                       new pseudo-terminal behind the same link (without\n"
           "                       --link: /tmp/receiver-sim-PID)\n"
           "  --unplug-repeat      unplug again after each replug, counting anew\n";
}

namespace {
bool parseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}
// Options that take a number within a range.
struct Number {
    const char* name;
    double least;
    double most;
    const char* range;
    void (*apply)(SimOptions&, double);
};

const Number kNumbers[] = {
    {"--seed", 0, 4294967295.0, "a number from 0",
     [](SimOptions& o, double v) { o.seed = static_cast<uint32_t>(v); }},
    {"--drop-after", 0, 1e12, "a number from 0",
     [](SimOptions& o, double v) { o.dropAfter = static_cast<long>(v); }},
    {"--speedup", 1e-9, 1e12, "a number above 0", [](SimOptions& o, double v) { o.speedup = v; }},
    {"--identity", 0, 255, "a number from 0 to 255",
     [](SimOptions& o, double v) { o.identity = static_cast<int>(v); }},
    {"--alter-kept", 0, 185025, "an offset from 0 to 185025",
     [](SimOptions& o, double v) { o.alterKept = static_cast<long>(v); }},
    {"--unplug-after", 0, 1e12, "a number from 0",
     [](SimOptions& o, double v) { o.unplugAfterBytes = static_cast<long>(v); }},
    {"--unplug-after-time", 0, 1e9, "seconds from 0",
     [](SimOptions& o, double v) { o.unplugAfterSeconds = v; }},
    {"--replug-after", 0, 1e9, "seconds from 0",
     [](SimOptions& o, double v) { o.replugAfter = v; }},
};

const Number* findNumber(const char* arg) {
    for (const Number& n : kNumbers)
        if (std::strcmp(arg, n.name) == 0)
            return &n;
    return nullptr;
}

// Options that take a file or folder name.
std::string SimOptions::*findText(const char* arg) {
    static const std::pair<const char*, std::string SimOptions::*> texts[] = {
        {"--list", &SimOptions::listFile},         {"--transcript", &SimOptions::transcript},
        {"--received", &SimOptions::receivedFile}, {"--store", &SimOptions::storeDir},
        {"--link", &SimOptions::linkPath},
    };
    for (const auto& [name, member] : texts)
        if (std::strcmp(arg, name) == 0)
            return member;
    return nullptr;
}

} // namespace

std::optional<SimOptions> parseOptions(int argc, char** argv, std::string& error, bool& help) {
    SimOptions o;
    help = false;
    struct Flag {
        const char* name;
        bool SimOptions::*member;
    };
    static const Flag flags[] = {
        {"--silent", &SimOptions::silent},
        {"--noise", &SimOptions::noise},
        {"--startup", &SimOptions::startup},
        {"--error", &SimOptions::error},
        {"--short", &SimOptions::shortStream},
        {"--no-end-marker", &SimOptions::noEndMarker},
        {"--double-end", &SimOptions::doubleEnd},
        {"--reject-list", &SimOptions::rejectList},
        {"--ok-then-silence", &SimOptions::okThenSilence},
        {"--binary-mode", &SimOptions::binaryMode},
        {"--throttle", &SimOptions::throttle},
        {"--exit-on-stdin-eof", &SimOptions::exitOnStdinEof},
        {"--unplug-repeat", &SimOptions::unplugRepeat},
    };
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            help = true;
            return o;
        }
        bool matched = false;
        for (const Flag& f : flags) {
            if (std::strcmp(arg, f.name) == 0) {
                o.*(f.member) = true;
                matched = true;
            }
        }
        if (matched)
            continue;
        auto needValue = [&](const char*& value) {
            if (i + 1 >= argc) {
                error = std::string(arg) + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };
        const char* value = nullptr;
        double number = 0;
        if (std::string SimOptions::*text = findText(arg)) {
            if (!needValue(value))
                return std::nullopt;
            o.*text = value;
        } else if (const Number* n = findNumber(arg)) {
            if (!needValue(value))
                return std::nullopt;
            if (!parseNumber(value, number) || number < n->least || number > n->most) {
                error = std::string(arg) + ": " + n->range + ": " + value;
                return std::nullopt;
            }
            n->apply(o, number);
        } else {
            error = std::string("unknown option: ") + arg;
            return std::nullopt;
        }
    }
    return o;
}

} // namespace sim
