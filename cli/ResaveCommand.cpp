// quelvox-cli resave FILE.lst OUT.lst [--force]
#include "cli/CliCommand.h"
#include "cli/ListCommands.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"

#include <memory>
#include <ostream>

int runResave(const std::vector<std::string>& args, CliContext& context) {
    ListCommandArgs parsed;
    CommandLine line = listCommandLine("resave", false);
    if (const std::string complaint = parseListArguments(args, line, parsed); !complaint.empty())
        return usageError(context, complaint);
    if (parsed.files.size() != 2)
        return usageError(context, "resave needs a list file and an output file "
                                   "(resave FILE.lst OUT.lst [--force])");
    auto model = std::make_unique<ChannelListModel>();
    const std::optional<LoadedList> loaded =
        loadForCommand(*model, parsed.files[0], parsed.force, context);
    if (!loaded)
        return ExitUsage;
    if (!loaded->checksumHolds)
        context.out << "Checksum was wrong; the saved file carries a correct one.\n";
    if (loaded->favouritesRepaired)
        context.out << "Favourite numbers repaired.\n";
    // As the editor's Save: repair once more right before saving.
    model->repairFavourites();
    model->recount();
    ConsoleFileReporter reporter(context);
    return reporter.saveExit(saveListFile(model->image, parsed.files[1], reporter));
}
