#include "ListCommands.h"

#include "ChannelListModel.h"
#include "ListFile.h"

#include <QFile>
#include <ostream>

void ConsoleFileReporter::plainMessage(const QString& text) {
    context_.err << "quelvox-cli: " << text.toLocal8Bit().toStdString() << "\n";
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
