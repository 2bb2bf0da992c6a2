#pragma once

#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "i18n/Messages.h"
#include "listmodel/ListFileTexts.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

class ChannelListModel;

// Shows the model's save messages on the error stream.
class ConsoleFileReporter : public ListFileMessages {
public:
    explicit ConsoleFileReporter(CliContext& context) : context_(context) {}
    void plainMessage(const QString& text) override;
    void writeFailed(const fileio::WriteResult& result) override;
    // The exit status of a save: 0 done, 2 a target that is refused (FIFO,
    // socket, block device), 1 any other failure (a folder included).
    int saveExit(bool saved) const;

private:
    CliContext& context_;
    bool refused_ = false;
};

// A command-line argument as a file path.
QString argumentPath(const std::string& argument);

// The arguments of a command that reads a list file: file names in order,
// --force, and --lang where the command takes it.
struct ListCommandArgs {
    std::vector<std::string> files;
    i18n::Language language = i18n::Language::German;
    bool force = false;
};

// --lang, for the commands that take it.
inline constexpr CommandLine::ValueOption languageOption{"lang", "--lang needs one of de, en, fr"};

// The options of a command that reads list files: --force, --lang where it
// takes it, and its own.
CommandLine listCommandLine(const char* command, bool takesLanguage,
                            std::initializer_list<const char*> flags = {},
                            std::initializer_list<CommandLine::ValueOption> values = {});
// Parses args with line into parsed; empty on success, else the one-line
// complaint.
std::string parseListArguments(const std::vector<std::string>& args, CommandLine& line,
                               ListCommandArgs& parsed);

struct LoadedList {
    bool checksumHolds;
    bool favouritesRepaired;
};

// Loads a list file into the model as the editor does (load, repair
// favourites, count channels), and reports a wrong checksum on the error
// stream as the editor reports it. A file of another size than a list file
// is refused unless force is set; then missing bytes read as 0. Nothing,
// after an error line, when the file is refused or cannot be read.
std::optional<LoadedList> loadForCommand(ChannelListModel& model, const std::string& path,
                                         bool force, CliContext& context);

// The language named by a --lang value (de, en, fr); false for any other text.
bool languageFromCode(const std::string& code, i18n::Language& language);
