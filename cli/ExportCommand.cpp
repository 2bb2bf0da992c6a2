// quelvox-cli export FILE.lst OUT.txt [--lang de|en|fr]
#include "channellist/ChannelListModel.h"
#include "channellist/TextExport.h"
#include "cli/CliCommand.h"
#include "cli/ListCommands.h"
#include "i18n/Messages.h"

#include <memory>
#include <ostream>

int runExport(const std::vector<std::string>& args, CliContext& context) {
    std::vector<std::string> files;
    i18n::Language language = i18n::Language::German;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang") {
            if (i + 1 >= args.size())
                return usageError(context, "--lang needs one of de, en, fr");
            if (!languageFromCode(args[++i], language))
                return usageError(context, "unknown language '" + args[i] + "' (use de, en or fr)");
        } else if (args[i].rfind("--", 0) == 0) {
            return usageError(context, "unknown option '" + args[i] + "' for export");
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 2)
        return usageError(context, "export needs a list file and a text file "
                                   "(export FILE.lst OUT.txt [--lang de|en|fr])");
    i18n::applyMessages(language);

    auto model = std::make_unique<ChannelListModel>();
    const std::optional<LoadedList> loaded = loadForCommand(*model, files[0], context);
    if (!loaded)
        return ExitUsage;
    if (!loaded->checksumHolds)
        context.err << "quelvox-cli: warning: the checksum of " << files[0]
                    << " does not hold; exporting the data as loaded\n";
    ConsoleFileReporter reporter(context);
    return reporter.saveExit(exportText(model->image, argumentPath(files[1]), reporter));
}
