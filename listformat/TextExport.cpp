#include "listformat/TextExport.h"

#include "fileio/FileWriter.h"
#include "listformat/ListFileReporter.h"

#include <charconv>

namespace {

// The file is the text of a text-mode stream: every line feed is CR LF.
constexpr const char* NewLine = "\r\n";
constexpr int RuleLength = 145;

void appendNumber(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendHeadingLine(std::string& out, const ExportWords& words) {
    // Tabs between the headings, two where a column's values run wide.
    static constexpr std::array<const char*, 8> gaps = {"\t", "\t", "\t\t", "\t\t",
                                                        "\t", "\t", "\t\t", "\t"};
    out += words.headings[0];
    for (std::size_t i = 0; i < gaps.size(); ++i) {
        out += gaps[i];
        out += words.headings[i + 1];
    }
}

void appendSectionHead(std::string& out, const std::string& title, const ExportWords& words) {
    const std::string equalsRule(RuleLength, '=');
    out += title;
    out += NewLine;
    out += equalsRule;
    out += NewLine;
    out += NewLine;
    appendHeadingLine(out, words);
    out += NewLine;
    out += NewLine;
    out += equalsRule;
    out += NewLine;
}

void appendChannelLine(std::string& out, const ChannelListImage& image, const ChannelRecord& c,
                       const ExportWords& words) {
    // A transponderIndex outside the table (damaged file) is written as an
    // all-zero transponder, so the line keeps its columns.
    const TransponderRecord* found = transponderAt(image, c.transponderIndex);
    const TransponderRecord tp = found ? *found : TransponderRecord{};

    appendNumber(out, static_cast<int32_t>(tp.frequency));
    out += ",\t";
    appendNumber(out, static_cast<int32_t>(tp.symbolRate));
    out += ",\t\t";
    out += tp.vertical() ? words.vertical : words.horizontal;
    out += '\t';
    appendNumber(out, c.programNumber);
    out += ",\t\t";
    appendNumber(out, c.videoPid);
    out += ",\t";
    appendNumber(out, c.audioPid);
    out += ",\t";
    appendNumber(out, c.teletextPid);
    out += ",\t\t";
    out += c.crypted() ? words.crypted + "\t\t" : words.free + "\t";
    out += '"';
    // A line feed stored in the name leaves the text-mode stream as CR LF too.
    for (const char ch : fieldText(c.name)) {
        if (ch == '\n')
            out += NewLine;
        else
            out += ch;
    }
    out += '"';
    out += NewLine;
    out.append(RuleLength, '_');
    out += '\r';
    out += NewLine;
}

void appendChannels(std::string& out, const ChannelListImage& image, bool tv,
                    const ExportWords& words) {
    for (int slot = 0; slot < ChannelSlots && image.channels[slot].inUse(); ++slot) {
        const ChannelRecord& c = image.channels[slot];
        if (c.isTv() == tv)
            appendChannelLine(out, image, c, words);
    }
}

} // namespace

std::string exportTextContent(const ChannelListImage& image, const ExportWords& words) {
    std::string out;
    out.reserve(64 * 1024);
    out += NewLine;
    appendSectionHead(out, words.tvTitle, words);
    appendChannels(out, image, true, words);
    out += NewLine;
    out += NewLine;
    appendSectionHead(out, words.radioTitle, words);
    appendChannels(out, image, false, words);
    out += NewLine;
    return out;
}

bool exportText(const ChannelListImage& image, const std::filesystem::path& path,
                const ExportWords& words, ListFileReporter& reporter) {
    const std::string content = exportTextContent(image, words);
    const fileio::WriteResult written = fileio::writeFile(path.string(), content);
    if (!written.ok()) {
        reporter.saveFailed(written);
        return false;
    }
    return true;
}
