// quelvox-cli info FILE.lst
#include "channellist/ChannelListModel.h"
#include "channellist/ListFile.h"
#include "cli/CliCommand.h"
#include "cli/ListCommands.h"

#include <bitset>
#include <memory>
#include <ostream>

int runInfo(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() != 1)
        return usageError(context, "info needs exactly one list file (info FILE.lst)");
    auto model = std::make_unique<ChannelListModel>();
    ChannelListImage& image = model->image;
    const ListLoadResult result = loadListFileChecked(image, argumentPath(args[0]));
    if (result == ListLoadResult::Unreadable) {
        context.err << "quelvox-cli: cannot read " << args[0] << "\n";
        return ExitUsage;
    }

    const int count = countChannels(image);
    int tv = 0;
    std::bitset<TransponderSlots> transponders;
    for (int slot = 0; slot < count; ++slot) {
        const ChannelRecord& c = image.channels[slot];
        tv += c.isTv() ? 1 : 0;
        if (c.transponderIndex < TransponderSlots)
            transponders.set(c.transponderIndex);
    }
    const bool valid = result == ListLoadResult::Valid;
    context.out << "Receiver type: " << getReceiverType(image) << "\n"
                << "TV channels: " << tv << "\n"
                << "Radio channels: " << count - tv << "\n"
                << "Used transponders: " << transponders.count() << "\n"
                << "Checksum: " << (valid ? "valid" : "wrong") << "\n";
    return valid ? ExitOk : ExitFailed;
}
