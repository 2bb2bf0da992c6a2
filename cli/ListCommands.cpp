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
}

int ConsoleFileReporter::saveExit(bool saved) const {
    if (saved)
        return ExitOk;
    return refused_ ? ExitUsage : ExitFailed;
}

QString argumentPath(const std::string& argument) {
    return QFile::decodeName(QByteArray::fromStdString(argument));
}

std::string parseListArguments(const std::vector<std::string>& args, const std::string& command,
                               bool takesLanguage, ListCommandArgs& parsed) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--force") {
            parsed.force = true;
        } else if (takesLanguage && args[i] == "--lang") {
            if (i + 1 >= args.size())
                return "--lang needs one of de, en, fr";
            if (!languageFromCode(args[++i], parsed.language))
                return "unknown language '" + args[i] + "' (use de, en or fr)";
        } else if (args[i].rfind("--", 0) == 0) {
            return "unknown option '" + args[i] + "' for " + command;
        } else {
            parsed.files.push_back(args[i]);
        }
    }
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
