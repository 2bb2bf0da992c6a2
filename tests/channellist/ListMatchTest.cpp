// Matching the channels of two lists, reordering like a reference and
// comparing lists.
#include "i18n/Messages.h"
#include "listformat/ListFile.h"
#include "listformat/NameMatch.h"
#include "reorder/ListDiff.h"
#include "reorder/ListReorder.h"
#include "reorder/ReferenceFile.h"
#include "tests/channellist/ListTestSupport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using listtest::channel;
using listtest::usedIds;

namespace {

const TransponderRecord satA{27500, 11778000, 1, 1, 0, 0, 0};
const TransponderRecord satB{27500, 12100000, 1, 0, 0, 0, 0};
const TransponderRecord cable{6900, 346000, 2, 0, 0, 0, 0};

std::unique_ptr<ChannelListModel> makeList(const std::vector<ChannelRecord>& channels) {
    auto model = std::make_unique<ChannelListModel>();
    listtest::clearList(model->image);
    model->image.transponders[0] = satA;
    model->image.transponders[1] = satB;
    model->image.transponders[2] = cable;
    listtest::setChannels(*model, channels);
    return model;
}

ChannelRecord fav(ChannelRecord c, uint16_t favourite) {
    c.favouriteNumber = favourite;
    return c;
}

// TV 1..4 and radio 101..103 interleaved, with favourites.
std::vector<ChannelRecord> original() {
    return {fav(channel(true, 1, "Das Erste"), 2), fav(channel(false, 101, "Bayern 3"), 1),
            fav(channel(true, 2, "ZDF", 1), 1),    channel(true, 3, "RTL"),
            channel(false, 102, "hr3", 2),         fav(channel(true, 4, "Sat.1"), 3),
            channel(false, 103, "SWR3", 2)};
}

const ChannelRecord& byId(const ChannelListImage& image, int id) {
    for (int s = 0; s < ChannelSlots; ++s)
        if (image.channels[s].inUse() && image.channels[s].programNumber == id)
            return image.channels[s];
    throw std::runtime_error("no channel " + std::to_string(id));
}

} // namespace

TEST(NameMatch, NormalisesAsFindDoes) {
    EXPECT_EQ(normaliseChannelName("Sport 1"), "SPORT1");
    EXPECT_EQ(normaliseChannelName(" s p\to\x85"), "SPO");
    EXPECT_EQ(normaliseChannelName("\xe4\xc4x"), "\xe4\xc4X"); // umlauts keep their case
    EXPECT_EQ(normaliseChannelName(std::string(40, 'a')), std::string(35, 'A'));
}

// A fresh scan: shuffled, new PIDs, one renamed, one with a new service id
// (found by name), two new, one gone; then arranged like the old list.
TEST(ListReorder, RoundTripAfterRescan) {
    auto reference = makeList(original());
    std::vector<ChannelRecord> scan = {
        channel(false, 103, "SWR3", 2),   channel(true, 44, "SAT.1"),
        channel(true, 5, "Neu TV"),       channel(true, 1, "Das Erste"),
        channel(false, 102, "hr3", 2),    channel(true, 3, "RTL Television"),
        channel(false, 104, "Neu Radio"), channel(false, 101, "Bayern 3")};
    for (ChannelRecord& c : scan)
        c.videoPid = static_cast<uint16_t>(1000 + c.programNumber);
    const ReferenceList ref = referenceFromImage(reference->image, reference->channelCount());

    for (const bool drop : {false, true}) {
        auto scanned = makeList(scan);
        const ReorderSummary summary = applyReferenceOrder(*scanned, ref, drop);
        EXPECT_EQ(summary.byId, 5);
        EXPECT_EQ(summary.byName, 1);
        EXPECT_EQ(summary.unmatched, 2);
        EXPECT_EQ(summary.dropped, drop ? 2 : 0);
        std::vector<int> expected = {1, 101, 3, 102, 44, 103};
        if (!drop)
            expected.insert(expected.end(), {5, 104});
        const ChannelListImage& image = scanned->image;
        EXPECT_EQ(usedIds(image), expected);
        EXPECT_EQ(scanned->channelCount(), static_cast<int>(expected.size()));
        EXPECT_EQ(image.channels[expected.size()], ChannelRecord{});
        // Favourites of the reference, closed up where ZDF (TV 1) went.
        EXPECT_EQ(byId(image, 1).favouriteNumber, 1);
        EXPECT_EQ(byId(image, 44).favouriteNumber, 2);
        EXPECT_EQ(byId(image, 101).favouriteNumber, 1);
        EXPECT_EQ(byId(image, 3).favouriteNumber, 0);
        EXPECT_EQ(fieldText(byId(image, 3).name), "RTL Television");
        EXPECT_EQ(byId(image, 3).videoPid, 1003);
        EXPECT_FALSE(scanned->repairFavourites());
        std::vector<uint8_t> bytes = serialiseForSave(scanned->image);
        EXPECT_TRUE(fileCrcHolds(bytes.data(), bytes.size()));
    }
}

TEST(ListMatch, IdByNetworkAndFrequencyToleranceBeforeName) {
    struct Row {
        const char* what;
        int transponder;
        int32_t frequencyShift;
        uint16_t networkId;
        const char* name;
        MatchRule expected;
    } rows[] = {
        {"id beats a differing name", 0, 0, 1, "Beta", MatchRule::Id},
        {"satellite within 5 MHz", 0, 4000, 1, "Beta", MatchRule::Id},
        {"satellite beyond 5 MHz", 0, 6000, 1, "Beta", MatchRule::None},
        {"beyond, but the name", 0, 6000, 1, " alpha", MatchRule::Name},
        {"other network", 0, 0, 9, "Beta", MatchRule::None},
        {"cable within 1 MHz", 2, 900, 2, "Beta", MatchRule::Id},
        {"cable beyond 1 MHz", 2, -1500, 2, "Beta", MatchRule::None},
    };
    for (const Row& row : rows) {
        auto reference =
            makeList({channel(true, 7, "Gamma", 1),
                      channel(true, 10, "Alpha", static_cast<uint16_t>(row.transponder))});
        auto list = makeList({channel(true, 10, row.name, 5)});
        TransponderRecord tp = reference->image.transponders[row.transponder];
        tp.frequency =
            static_cast<uint32_t>(static_cast<int32_t>(tp.frequency) + row.frequencyShift);
        tp.networkId = row.networkId;
        list->image.transponders[5] = tp;
        const ListMatch match =
            matchChannels(list->image, 1, referenceFromImage(reference->image, 2));
        EXPECT_EQ(match.rule[0], row.expected) << row.what;
        if (row.expected != MatchRule::None) {
            EXPECT_EQ(match.reference[0], 1) << row.what;
        }
    }
}

TEST(ListMatch, SharedNameTakesTheNearestFrequency) {
    auto reference = makeList(
        {channel(true, 1, "Sport", 0), channel(true, 2, "Sport", 1), channel(true, 3, "Sport", 2)});
    auto list = makeList({channel(true, 99, "SPORT", 5), channel(false, 98, "Sport", 5)});
    list->image.transponders[5] = {27500, 12090000, 7, 0, 0, 0, 0};
    const ListMatch match = matchChannels(list->image, 2, referenceFromImage(reference->image, 3));
    EXPECT_EQ(match.reference[0], 1);
    EXPECT_EQ(match.rule[0], MatchRule::Name);
    EXPECT_EQ(match.rule[1], MatchRule::None); // a radio channel never takes a TV one
}

TEST(ReferenceText, SpreadsheetLinesInUtf8AndLatin1) {
    // ZDF has no number; Das Erste is found by its number although its name
    // differs; the euro sign cannot be a channel name.
    const std::string lines[] = {"Nr;Name;Prg.Nr",
                                 "2;\xc3\x96"
                                 "1",
                                 "1;ZDF",
                                 "3;Bayern S\xc3\xbc"
                                 "d",
                                 "4;\"Erstes\";28106",
                                 "5;\xe2\x82\xac"
                                 "uro"};
    auto list = makeList({channel(true, 28106, "Das Erste"),
                          channel(false, 5,
                                  "\xd6"
                                  "1"),
                          channel(true, 7,
                                  "Bayern S\xfc"
                                  "d"),
                          channel(true, 9, "ZDF"), channel(true, 11, "\x80uro")});
    for (const bool utf8 : {true, false}) {
        for (const char* separator : {";", "\t"}) {
            std::string text;
            for (const std::string& line : lines) {
                std::string l = line;
                if (!utf8) // the same text in Latin-1, without the euro line
                    l = QString::fromUtf8(line.c_str()).toLatin1().toStdString();
                if (!utf8 && line[0] == '5')
                    continue;
                std::replace(l.begin(), l.end(), ';', separator[0]);
                text += l + "\r\n";
            }
            const ReferenceLoad load = readReferenceText(text);
            ASSERT_TRUE(load.list) << load.error;
            EXPECT_EQ(load.warnings.size(), utf8 ? 1u : 0u);
            auto copy = makeList({});
            copy->image = list->image;
            const ReorderSummary summary = applyReferenceOrder(*copy, *load.list, false);
            EXPECT_EQ(summary.byId, 1);
            EXPECT_EQ(summary.byName, 3);
            EXPECT_EQ(usedIds(copy->image), (std::vector<int>{9, 5, 7, 28106, 11}));
        }
    }
}

TEST(ReferenceText, RefusesWhatIsNoReferenceInTheLanguageInUse) {
    using i18n::Language;
    const struct {
        Language language;
        std::string bytes;
        const char* complaint;
    } rows[] = {
        {Language::English, std::string("1;A\0\x01\x02", 6), "not readable text (byte 0x00"},
        {Language::English, "Nr;Name\n", "no channel lines"},
        {Language::English, "1;A\nx;B\n", "line 2: expected"},
        {Language::English, "1;A;70000\n", "line 1: program number"},
        {Language::German, "1;A\nx;%2\n",
         "Zeile 2: erwartet Position;Name[;Programmnummer], "
         "gefunden \"x;%2\""},
        {Language::French, "Nr;Name\n", "aucune ligne de cha\xC3\xAEne"}};
    for (const auto& row : rows) {
        i18n::applyMessages(row.language);
        const ReferenceLoad load = readReference({row.bytes.begin(), row.bytes.end()});
        EXPECT_FALSE(load.list);
        EXPECT_NE(load.error.find(row.complaint), std::string::npos) << load.error;
    }
    i18n::resetMessages();
}

TEST(ListDiff, SelfAndEachEditedCopy) {
    auto a = makeList(original());
    struct Row {
        const char* what;
        std::function<void(std::vector<ChannelRecord>&)> edit;
        std::size_t added, removed, moved, changed;
        const char* field;
    } rows[] = {
        {"same", [](auto&) {}, 0, 0, 0, 0, nullptr},
        {"new PIDs", [](auto& l) { l[2].videoPid = 77; }, 0, 0, 0, 1, "videoPid"},
        {"renamed", [](auto& l) { setFieldText(l[3].name, "RTL II"); }, 0, 0, 0, 1, "name"},
        {"favourite", [](auto& l) { l[3].favouriteNumber = 4; }, 0, 0, 0, 1, "favouriteNumber"},
        {"crypted", [](auto& l) { l[0].flags |= ChannelCrypted; }, 0, 0, 0, 1, "crypted"},
        {"gone", [](auto& l) { l.erase(l.begin() + 3); }, 0, 1, 0, 0, nullptr},
        {"new", [](auto& l) { l.push_back(channel(true, 9, "Neu")); }, 1, 0, 0, 0, nullptr},
        {"moved to the top", [](auto& l) { std::rotate(l.begin(), l.begin() + 5, l.begin() + 6); },
         0, 0, 1, 0, nullptr},
    };
    for (const Row& row : rows) {
        std::vector<ChannelRecord> edited = original();
        row.edit(edited);
        auto b = makeList(edited);
        const ListDiff diff = diffLists(a->image, a->channelCount(), b->image, b->channelCount());
        EXPECT_EQ(diff.tv.added.size(), row.added) << row.what;
        EXPECT_EQ(diff.tv.removed.size(), row.removed) << row.what;
        EXPECT_EQ(diff.tv.moved.size(), row.moved) << row.what;
        EXPECT_EQ(diff.tv.changed.size(), row.changed) << row.what;
        EXPECT_TRUE(diff.radio.empty()) << row.what;
        EXPECT_EQ(diff.same(), row.field == nullptr && row.added + row.removed + row.moved == 0);
        if (row.field) {
            EXPECT_STREQ(diff.tv.changed[0].fields[0].field, row.field) << row.what;
        }
    }
    std::vector<ChannelRecord> top = original();
    std::rotate(top.begin(), top.begin() + 5, top.begin() + 6);
    auto b = makeList(top);
    const DiffMove move = diffLists(a->image, 7, b->image, 7).tv.moved.at(0);
    EXPECT_EQ(move.channel.programNumber, 4);
    EXPECT_EQ(move.from, 4);
    EXPECT_EQ(move.channel.position, 1);
}

TEST(ListReorder, FullListsOf4000) {
    std::vector<ChannelRecord> channels;
    for (int i = 0; i < ChannelSlots; ++i)
        channels.push_back(channel(i % 5 != 0, static_cast<uint16_t>(i), "Ch" + std::to_string(i),
                                   static_cast<uint16_t>(i % TransponderSlots)));
    auto reference = makeList(channels);
    for (int t = 0; t < TransponderSlots; ++t)
        reference->image.transponders[t] = {
            27500, static_cast<uint32_t>(10700000 + t * 1000), static_cast<uint16_t>(t), 0, 0, 0,
            0};
    std::mt19937 random(4000);
    std::shuffle(channels.begin(), channels.end(), random);
    auto list = makeList(channels);
    list->image.transponders = reference->image.transponders;
    const ListDiff before = diffLists(reference->image, ChannelSlots, list->image, ChannelSlots);
    EXPECT_FALSE(before.tv.moved.empty());
    EXPECT_TRUE(before.tv.added.empty() && before.tv.changed.empty());

    const ReorderSummary summary =
        applyReferenceOrder(*list, referenceFromImage(reference->image, ChannelSlots), false);
    EXPECT_EQ(summary.byId, ChannelSlots);
    EXPECT_EQ(list->image.channels, reference->image.channels);
    EXPECT_TRUE(diffLists(reference->image, ChannelSlots, list->image, ChannelSlots).same());
}
