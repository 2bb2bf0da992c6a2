// quelvox-cli export FILE.lst OUT.txt [--lang de|en|fr] [--force]
#include "cli/CliCommand.h"
#include "cli/ListCommands.h"
#include "i18n/Messages.h"
#include "listformat/TextExport.h"
#include "listmodel/ChannelListModel.h"
#include "listmodel/ListFileTexts.h"

#include <memory>
#include <ostream>

int runExport(const std::vector<std::string>& args, CliContext& context) {
    ListCommandArgs parsed;
    CommandLine line = listCommandLine("export", true);
    if (const std::string complaint = parseListArguments(args, line, parsed); !complaint.empty())
        return usageError(context, complaint);
    if (parsed.files.size() != 2)
        return usageError(context, "export needs a list file and a text file "
                                   "(export FILE.lst OUT.txt [--lang de|en|fr] [--force])");
    i18n::applyMessages(parsed.language);

    auto model = std::make_unique<ChannelListModel>();
    if (!loadForCommand(*model, parsed.files[0], parsed.force, context))
        return ExitUsage;
    ConsoleFileReporter reporter(context);
    return reporter.saveExit(
        exportText(model->image, parsed.files[1], currentExportWords(), reporter));
}
