#include "listformat/TextExport.h"

#include "fileio/SafeFileWrite.h"
#include "i18n/Messages.h"
#include "listformat/ListFileReporter.h"

#include <charconv>

namespace {

using i18n::Msg;

// The file is the text of a text-mode stream: every line feed is CR LF.
constexpr const char* NewLine = "\r\n";
constexpr int RuleLength = 145;

const std::string& word(Msg slot) {
    return i18n::latin1(slot);
}

void appendNumber(std::string& out, long long value) {
    char buffer[24];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendHeadingLine(std::string& out) {
    out += word(Msg::ExportHeading1) + "\t" + word(Msg::ExportHeading2) + "\t" +
           word(Msg::ExportHeading3) + "\t\t" + word(Msg::ExportHeading4) + "\t\t" +
           word(Msg::ExportHeading5) + "\t" + word(Msg::ExportHeading6) + "\t" +
           word(Msg::ExportHeading7) + "\t\t" + word(Msg::ExportHeading8) + "\t" +
           word(Msg::ExportHeading9);
}

void appendSectionHead(std::string& out, Msg title) {
    const std::string equalsRule(RuleLength, '=');
    out += word(title);
    out += NewLine;
    out += equalsRule;
    out += NewLine;
    out += NewLine;
    appendHeadingLine(out);
    out += NewLine;
    out += NewLine;
    out += equalsRule;
    out += NewLine;
}

void appendChannelLine(std::string& out, const ChannelListImage& image, const ChannelRecord& c) {
    // A transponderIndex outside the table (damaged file) is written as an
    // all-zero transponder, so the line keeps its columns.
    const TransponderRecord* found = transponderAt(image, c.transponderIndex);
    const TransponderRecord tp = found ? *found : TransponderRecord{};

    appendNumber(out, static_cast<int32_t>(tp.frequency));
    out += ",\t";
    appendNumber(out, static_cast<int32_t>(tp.symbolRate));
    out += ",\t\t";
    out += word(tp.vertical() ? Msg::ExportVertical : Msg::ExportHorizontal);
    out += '\t';
    appendNumber(out, c.programNumber);
    out += ",\t\t";
    appendNumber(out, c.videoPid);
    out += ",\t";
    appendNumber(out, c.audioPid);
    out += ",\t";
    appendNumber(out, c.teletextPid);
    out += ",\t\t";
    out += c.crypted() ? word(Msg::ExportCrypted) + "\t\t" : word(Msg::ExportFree) + "\t";
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

void appendChannels(std::string& out, const ChannelListImage& image, bool tv) {
    for (int slot = 0; slot < ChannelSlots && image.channels[slot].inUse(); ++slot) {
        const ChannelRecord& c = image.channels[slot];
        if (c.isTv() == tv)
            appendChannelLine(out, image, c);
    }
}

} // namespace

std::string exportTextContent(const ChannelListImage& image) {
    std::string out;
    out.reserve(64 * 1024);
    out += NewLine;
    appendSectionHead(out, Msg::ExportTvTitle);
    appendChannels(out, image, true);
    out += NewLine;
    out += NewLine;
    appendSectionHead(out, Msg::ExportRadioTitle);
    appendChannels(out, image, false);
    out += NewLine;
    return out;
}

bool exportText(const ChannelListImage& image, const QString& path, ListFileReporter& reporter) {
    const std::string content = exportTextContent(image);
    fileio::WriteResult written;
    if (!writeFileReplacing(path, content.data(), content.size(), &written)) {
        reporter.writeFailed(written);
        reporter.plainMessage(i18n::text(Msg::DataSaveFailed));
        return false;
    }
    return true;
}
