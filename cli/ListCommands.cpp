#include "cli/ListCommands.h"

#include "cli/InputFile.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"

#include <QFile>
#include <ostream>

void ConsoleFileReporter::plainMessage(const QString& text) {
    context_.err << "quelvox-cli: " << text.toLocal8Bit().toStdString() << "\n";
}

void ConsoleFileReporter::writeFailed(const fileio::WriteResult& result) {
    refused_ = result.refused();
    context_.err << "quelvox-cli: " << result.reason << "\n";
    if (!result.oldContentCopy.empty())
        context_.err << "quelvox-cli: "
                     << i18n::text(i18n::Msg::OldContentKept)
                            .arg(
                                QFile::decodeName(QByteArray::fromStdString(result.oldContentCopy)))
                            .toLocal8Bit()
                            .toStdString()
                     << "\n";
}

int ConsoleFileReporter::saveExit(bool saved) const {
    if (saved)
        return ExitOk;
    return refused_ ? ExitUsage : ExitFailed;
}

QString argumentPath(const std::string& argument) {
    return QFile::decodeName(QByteArray::fromStdString(argument));
}

CommandLine listCommandLine(const char* command, bool takesLanguage,
                            std::initializer_list<const char*> flags,
                            std::initializer_list<CommandLine::ValueOption> values) {
    std::vector<const char*> allFlags{"force"};
    allFlags.insert(allFlags.end(), flags.begin(), flags.end());
    std::vector<CommandLine::ValueOption> allValues(values);
    if (takesLanguage)
        allValues.push_back(languageOption);
    return CommandLine(command, allFlags, allValues);
}

std::string parseListArguments(const std::vector<std::string>& args, CommandLine& line,
                               ListCommandArgs& parsed) {
    if (std::string complaint = line.parse(args); !complaint.empty())
        return complaint;
    parsed.files = line.files();
    parsed.force = line.isSet("force");
    if (line.isSet("lang") && !languageFromCode(line.value("lang"), parsed.language))
        return "unknown language '" + line.value("lang") + "' (use de, en or fr)";
    return {};
}

std::optional<LoadedList> loadForCommand(ChannelListModel& model, const std::string& path,
                                         bool force, CliContext& context) {
    const std::optional<InputFile> input = readInputFile(path, ListFileBytes, context);
    if (!input)
        return std::nullopt;
    // Anything else would come out as a list with valid checksums.
    if (input->size != ListFileBytes && !force) {
        context.err << "quelvox-cli: " << path << " is " << input->size
                    << " bytes, not a list file of " << ListFileBytes
                    << " bytes (--force loads it, missing bytes as 0)\n";
        return std::nullopt;
    }
    const bool valid = loadListBytes(model.image, input->bytes.data(), input->bytes.size()) ==
                       ListLoadResult::Valid;
    if (!valid)
        context.err << "quelvox-cli: " << path << ": "
                    << i18n::text(i18n::Msg::ChecksumWrong).toLocal8Bit().toStdString() << "\n";
    LoadedList loaded{};
    loaded.checksumHolds = valid;
    loaded.favouritesRepaired = model.repairFavourites();
    model.recount();
    return loaded;
}

bool languageFromCode(const std::string& code, i18n::Language& language) {
    static constexpr struct {
        const char* code;
        i18n::Language language;
    } codes[] = {{"de", i18n::Language::German},
                 {"en", i18n::Language::English},
                 {"fr", i18n::Language::French}};
    for (const auto& entry : codes) {
        if (code == entry.code) {
            language = entry.language;
            return true;
        }
    }
    return false;
}
