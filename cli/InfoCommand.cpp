// quelvox-cli info FILE.lst
#include "cli/CliCommand.h"
#include "cli/InputFile.h"
#include "listformat/ListFile.h"
#include "listmodel/ChannelListModel.h"

#include <bitset>
#include <memory>
#include <ostream>

int runInfo(const std::vector<std::string>& args, CliContext& context) {
    if (args.size() != 1)
        return usageError(context, "info needs exactly one list file (info FILE.lst)");
    const std::optional<InputFile> input = readInputFile(args[0], ListFileBytes, context);
    if (!input)
        return ExitUsage;
    if (input->size != ListFileBytes)
        context.err << "quelvox-cli: warning: " << args[0] << " is " << input->size
                    << " bytes, a list file has " << ListFileBytes << "\n";
    auto model = std::make_unique<ChannelListModel>();
    ChannelListImage& image = model->image;
    const ListLoadResult result = loadListBytes(image, input->bytes.data(), input->bytes.size());

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
