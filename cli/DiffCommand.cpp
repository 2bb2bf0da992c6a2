// quelvox-cli diff A.lst B.lst [--json] [--force]
#include "cli/CliCommand.h"
#include "cli/InputFile.h"
#include "cli/ListCommands.h"
#include "listformat/ListFile.h"
#include "reorder/ListDiff.h"
#include "reorder/ReferenceFile.h"

#include <memory>
#include <ostream>

namespace {

// A name in quotes (appended piece by piece: GCC 12 warns, wrongly, about
// "\"" + string).
std::string quoted(const std::string& name) {
    std::string text(1, '"');
    text += name;
    text += '"';
    return text;
}

// A list as stored (favourites not repaired): a diff shows the files.
bool loadAsStored(ChannelListImage& image, const std::string& path, bool force,
                  CliContext& context) {
    const std::optional<InputFile> input = readInputFile(path, ListFileBytes, context);
    if (!input)
        return false;
    if (input->size != ListFileBytes && !force) {
        context.err << "quelvox-cli: " << path << " is " << input->size
                    << " bytes, not a list file of " << ListFileBytes
                    << " bytes (--force loads it, missing bytes as 0)\n";
        return false;
    }
    if (loadListBytes(image, input->bytes.data(), input->bytes.size()) != ListLoadResult::Valid)
        context.err << "quelvox-cli: warning: " << path << ": the checksum is wrong\n";
    return true;
}

std::string jsonText(const std::string& latin1) {
    std::string out = "\"";
    for (char ch : latin1ToUtf8(latin1)) {
        const auto code = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (code < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[code >> 4];
            out += hex[code & 15];
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string jsonChannel(const DiffChannel& c) {
    return "\"position\": " + std::to_string(c.position) + ", \"name\": " + jsonText(c.name) +
           ", \"programNumber\": " + std::to_string(c.programNumber);
}

template <class T, class F>
void jsonArray(std::ostream& out, const char* key, const std::vector<T>& items, F item, bool last) {
    out << "    \"" << key << "\": [";
    for (std::size_t i = 0; i < items.size(); ++i)
        out << (i ? ",\n      " : "\n      ") << "{" << item(items[i]) << "}";
    out << (items.empty() ? "" : "\n    ") << "]" << (last ? "\n" : ",\n");
}

void printJson(std::ostream& out, const ListDiff& diff) {
    out << "{\n  \"same\": " << (diff.same() ? "true" : "false") << ",\n";
    const KindDiff* kinds[] = {&diff.tv, &diff.radio};
    const char* names[] = {"tv", "radio"};
    for (int k = 0; k < 2; ++k) {
        const KindDiff& d = *kinds[k];
        out << "  \"" << names[k] << "\": {\n";
        jsonArray(out, "added", d.added, jsonChannel, false);
        jsonArray(out, "removed", d.removed, jsonChannel, false);
        jsonArray(
            out, "moved", d.moved,
            [](const DiffMove& m) {
                return jsonChannel(m.channel) + ", \"from\": " + std::to_string(m.from);
            },
            false);
        jsonArray(
            out, "changed", d.changed,
            [](const DiffChange& c) {
                std::string fields;
                for (const DiffField& f : c.fields)
                    fields += std::string(fields.empty() ? "" : ", ") + "{\"field\": \"" + f.field +
                              "\", \"old\": " + jsonText(f.before) +
                              ", \"new\": " + jsonText(f.after) + "}";
                return jsonChannel(c.channel) + ", \"match\": \"" +
                       (c.rule == MatchRule::Name ? "name" : "id") + "\", \"fields\": [" + fields +
                       "]";
            },
            true);
        out << "  }" << (k == 0 ? ",\n" : "\n");
    }
    out << "}\n";
}

std::string shown(const DiffChannel& c) {
    return std::to_string(c.position) + " " + latin1ToUtf8(c.name) + " (program " +
           std::to_string(c.programNumber) + ")";
}

void printText(std::ostream& out, const ListDiff& diff) {
    if (diff.same()) {
        out << "The lists are the same.\n";
        return;
    }
    const KindDiff* kinds[] = {&diff.tv, &diff.radio};
    const char* names[] = {"TV", "Radio"};
    for (int k = 0; k < 2; ++k) {
        const KindDiff& d = *kinds[k];
        out << names[k] << ": ";
        if (d.empty()) {
            out << "no differences\n";
            continue;
        }
        out << d.added.size() << " added, " << d.removed.size() << " removed, " << d.moved.size()
            << " moved, " << d.changed.size() << " changed\n";
        for (const DiffChannel& c : d.added)
            out << "  added    " << shown(c) << "\n";
        for (const DiffChannel& c : d.removed)
            out << "  removed  " << shown(c) << "\n";
        for (const DiffMove& m : d.moved)
            out << "  moved    " << shown(m.channel) << ", was " << m.from << "\n";
        for (const DiffChange& c : d.changed) {
            out << "  changed  " << shown(c.channel) << ":";
            for (const DiffField& f : c.fields) {
                const bool text = std::string(f.field) == "name";
                const std::string before = text ? quoted(latin1ToUtf8(f.before)) : f.before;
                const std::string after = text ? quoted(latin1ToUtf8(f.after)) : f.after;
                out << " " << f.field << " " << before << " -> " << after << ";";
            }
            out << "\n";
        }
    }
}

} // namespace

int runDiff(const std::vector<std::string>& args, CliContext& context) {
    bool json = false;
    std::vector<std::string> rest;
    for (const std::string& arg : args) {
        if (arg == "--json")
            json = true;
        else
            rest.push_back(arg);
    }
    ListCommandArgs parsed;
    if (const std::string complaint = parseListArguments(rest, "diff", false, parsed);
        !complaint.empty())
        return usageError(context, complaint);
    if (parsed.files.size() != 2)
        return usageError(context,
                          "diff needs two list files (diff A.lst B.lst [--json] [--force])");
    auto a = std::make_unique<ChannelListImage>();
    auto b = std::make_unique<ChannelListImage>();
    if (!loadAsStored(*a, parsed.files[0], parsed.force, context) ||
        !loadAsStored(*b, parsed.files[1], parsed.force, context))
        return ExitUsage;
    const ListDiff diff = diffLists(*a, countChannels(*a), *b, countChannels(*b));
    if (json)
        printJson(context.out, diff);
    else
        printText(context.out, diff);
    return diff.same() ? ExitOk : ExitFailed;
}
