#include "cli/ListCommands.h"

#include "channellist/ChannelListModel.h"
#include "channellist/ListFile.h"

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

std::optional<LoadedList> loadForCommand(ChannelListModel& model, const std::string& path,
                                         CliContext& context) {
    const ListLoadResult result = loadListFileChecked(model.image, argumentPath(path));
    if (result == ListLoadResult::Unreadable) {
        context.err << "quelvox-cli: cannot read " << path << "\n";
        return std::nullopt;
    }
    LoadedList loaded{};
    loaded.checksumHolds = result == ListLoadResult::Valid;
    loaded.favouritesRepaired = model.repairFavourites();
    model.channelCount = countChannels(model.image);
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
