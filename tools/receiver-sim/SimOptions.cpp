#include "tools/receiver-sim/SimOptions.h"

#include <cstdlib>
#include <cstring>

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
           "  --exit-on-stdin-eof  end when standard input closes\n"
           "fault modes:\n"
           "  --silent             never answer\n"
           "  --noise              print unrelated text without end\n"
           "  --startup            print \"StartUpControl\" first and on the first help\n"
           "  --error              answer every command with \"error\"\n"
           "  --short              cut the list image short\n"
           "  --no-end-marker      leave out \"End Upload\"\n"
           "  --double-end         print \"End Upload\" twice\n"
           "  --drop-after N       hang up the line after N bytes of the list stream\n"
           "  --reject-list        refuse a list sent to the receiver\n";
}

namespace {
bool parseNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
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
        {"--throttle", &SimOptions::throttle},
        {"--exit-on-stdin-eof", &SimOptions::exitOnStdinEof},
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
        if (std::strcmp(arg, "--list") == 0) {
            if (!needValue(value))
                return std::nullopt;
            o.listFile = value;
        } else if (std::strcmp(arg, "--transcript") == 0) {
            if (!needValue(value))
                return std::nullopt;
            o.transcript = value;
        } else if (std::strcmp(arg, "--received") == 0) {
            if (!needValue(value))
                return std::nullopt;
            o.receivedFile = value;
        } else if (std::strcmp(arg, "--seed") == 0 || std::strcmp(arg, "--drop-after") == 0 ||
                   std::strcmp(arg, "--speedup") == 0) {
            if (!needValue(value))
                return std::nullopt;
            if (!parseNumber(value, number) || number < 0) {
                error = std::string(arg) + ": not a number: " + value;
                return std::nullopt;
            }
            if (arg[2] == 's' && arg[3] == 'e')
                o.seed = static_cast<uint32_t>(number);
            else if (arg[2] == 'd')
                o.dropAfter = static_cast<long>(number);
            else if (number > 0)
                o.speedup = number;
            else {
                error = "--speedup must be above 0";
                return std::nullopt;
            }
        } else {
            error = std::string("unknown option: ") + arg;
            return std::nullopt;
        }
    }
    return o;
}

} // namespace sim
