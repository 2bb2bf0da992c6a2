// quelvox-cli reorder --like REF IN.lst OUT.lst [--drop-unmatched] [--lang de|en|fr] [--force]
#include "cli/CliCommand.h"
#include "cli/InputFile.h"
#include "cli/ListCommands.h"
#include "i18n/Messages.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"
#include "reorder/ListReorder.h"
#include "reorder/ReferenceFile.h"

#include <memory>
#include <ostream>

namespace {

std::optional<ReferenceList> loadReference(const std::string& path, CliContext& context) {
    const std::optional<InputFile> input = readInputFile(path, ReferenceTextLimit + 1, context);
    if (!input)
        return std::nullopt;
    std::vector<uint8_t> bytes = input->bytes;
    if (input->size > ReferenceTextLimit)
        bytes.resize(ReferenceTextLimit + 1);
    ReferenceLoad load = readReference(bytes);
    for (const std::string& warning : load.warnings)
        context.err << "quelvox-cli: " << path << ": " << warning << "\n";
    if (!load.list)
        context.err << "quelvox-cli: " << path << ": " << load.error << "\n";
    return std::move(load.list);
}

} // namespace

int runReorder(const std::vector<std::string>& args, CliContext& context) {
    static const char* usage =
        "(reorder --like REF IN.lst OUT.lst [--drop-unmatched] [--lang de|en|fr] [--force])";
    static const std::string likeMissing = std::string("--like needs a reference file ") + usage;
    CommandLine line =
        listCommandLine("reorder", true, {"drop-unmatched"}, {{"like", likeMissing.c_str()}});
    ListCommandArgs parsed;
    if (const std::string complaint = parseListArguments(args, line, parsed); !complaint.empty())
        return usageError(context, complaint);
    const std::string like = line.value("like");
    const bool drop = line.isSet("drop-unmatched");
    if (like.empty() || parsed.files.size() != 2)
        return usageError(context, std::string("reorder needs --like REF, a list file and an "
                                               "output file ") +
                                       usage);

    i18n::applyMessages(parsed.language); // the reference file's messages
    const std::optional<ReferenceList> reference = loadReference(like, context);
    if (!reference)
        return ExitUsage;
    auto model = std::make_unique<ChannelListModel>();
    if (!loadForCommand(*model, parsed.files[0], parsed.force, context))
        return ExitUsage;

    const ReorderSummary summary = applyReferenceOrder(*model, *reference, drop);
    context.out << "Matched by id: " << summary.byId << "\n"
                << "Matched by name: " << summary.byName << "\n"
                << "Unmatched: " << summary.unmatched << "\n"
                << "Dropped: " << summary.dropped << "\n";
    if (summary.matched() == 0) {
        context.err << "quelvox-cli: no channel matched the reference; " << parsed.files[1]
                    << " was not written\n";
        return ExitFailed;
    }
    model->repairFavourites();
    model->recount();
    ConsoleFileReporter reporter(context);
    return reporter.saveExit(saveListFile(model->image, parsed.files[1], reporter));
}
