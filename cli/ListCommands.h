#pragma once

#include "channellist/ListEditorPrompts.h"
#include "cli/CliCommand.h"
#include "i18n/Messages.h"

#include <QString>
#include <optional>
#include <string>

class ChannelListModel;

// Shows the model's save messages on the error stream.
class ConsoleFileReporter : public ListFileReporter {
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

struct LoadedList {
    bool checksumHolds;
    bool favouritesRepaired;
};

// Loads a list file into the model as the editor does (load, repair
// favourites, count channels). Nothing, after an error line, when the file
// cannot be read.
std::optional<LoadedList> loadForCommand(ChannelListModel& model, const std::string& path,
                                         CliContext& context);

// The language named by a --lang value (de, en, fr); false for any other text.
bool languageFromCode(const std::string& code, i18n::Language& language);
