#pragma once

#include <string>
#include <vector>

// The options of one command of quelvox-cli, read with Qt's command-line
// parser: flags ("--force"), options with a value ("--lang de", also
// "--lang=de") anywhere among the file names, "--" ending the options.
class CommandLine {
public:
    struct ValueOption {
        const char* name;    // without the dashes
        const char* missing; // the complaint when the value is missing
    };

    CommandLine(std::string command, std::vector<const char*> flags,
                std::vector<ValueOption> values = {});

    // Empty on success, else the one-line complaint (an unknown option
    // first, then a missing value).
    std::string parse(const std::vector<std::string>& args);

    bool isSet(const char* name) const;
    // The last value given (empty when the option is not set).
    std::string value(const char* name) const;
    // The other arguments, in order.
    const std::vector<std::string>& files() const { return files_; }

private:
    std::string command_;
    std::vector<std::string> flags_;
    std::vector<ValueOption> values_;
    std::vector<std::string> set_;
    std::vector<std::pair<std::string, std::string>> given_;
    std::vector<std::string> files_;
};
