#include "transfer/ListCompare.h"

#include "listformat/ChannelListImage.h"

#include <algorithm>

namespace {

struct Field {
    std::size_t offset;
    const char* name;
};

// ChannelRecord and TransponderRecord as they lie in the file.
constexpr Field kChannelFields[] = {
    {0, "flags"},        {2, "favouriteNumber"}, {4, "carried4"},          {6, "programNumber"},
    {8, "carried8"},     {10, "pcrPid"},         {12, "videoPid"},         {14, "carried14"},
    {16, "teletextPid"}, {18, "audioPid"},       {20, "transponderIndex"}, {22, "name"},
};
constexpr Field kTransponderFields[] = {
    {0, "symbolRate"}, {4, "frequency"},       {8, "networkId"},       {10, "transponderFlags"},
    {12, "carried12"}, {13, "satelliteIndex"}, {14, "modulationCode"},
};

template <std::size_t N> const char* fieldAt(const Field (&fields)[N], std::size_t inRecord) {
    const char* name = fields[0].name;
    for (const Field& field : fields)
        if (field.offset <= inRecord)
            name = field.name;
    return name;
}

std::string fieldName(std::size_t offset) {
    if (offset < DescriptorOffset)
        return "header";
    if (offset < ParameterBlockOffset)
        return "descriptor";
    if (offset < ChannelTableOffset)
        return "parameter block";
    if (offset < TransponderTableOffset) {
        const std::size_t at = offset - ChannelTableOffset;
        return "channel " + std::to_string(at / ChannelRecordBytes + 1) + ": " +
               fieldAt(kChannelFields, at % ChannelRecordBytes);
    }
    if (offset < SatelliteTableOffset) {
        const std::size_t at = offset - TransponderTableOffset;
        return "transponder " + std::to_string(at / TransponderRecordBytes + 1) + ": " +
               fieldAt(kTransponderFields, at % TransponderRecordBytes);
    }
    if (offset < TrailerOffset)
        return "satellite " +
               std::to_string((offset - SatelliteTableOffset) / SatelliteRecordBytes + 1);
    return "trailer";
}

} // namespace

std::vector<std::string> differingListFields(const uint8_t* a, std::size_t aSize, const uint8_t* b,
                                             std::size_t bSize) {
    std::vector<std::string> fields;
    const std::size_t common = std::min(aSize, bSize);
    for (std::size_t i = 0; i < common; ++i) {
        if (a[i] == b[i])
            continue;
        std::string name = fieldName(i);
        if (fields.empty() || fields.back() != name)
            fields.push_back(std::move(name));
    }
    if (aSize != bSize)
        fields.push_back("length");
    return fields;
}
