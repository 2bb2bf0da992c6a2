#include "reorder/ReferenceFile.h"

#include "i18n/Messages.h"
#include "listformat/ListFile.h"

#include <charconv>
#include <cstdio>
#include <memory>

namespace {

// The next code point of UTF-8 text at i, or -1 for a malformed sequence.
long nextCodePoint(std::string_view s, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(s[i++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    long cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return -1;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    static constexpr long smallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < smallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    return cp;
}

bool isUtf8WithNonAscii(std::string_view s) {
    bool nonAscii = false;
    for (std::size_t i = 0; i < s.size();) {
        const long cp = nextCodePoint(s, i);
        if (cp < 0)
            return false;
        nonAscii = nonAscii || cp >= 0x80;
    }
    return nonAscii;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// A field without its spreadsheet quotes ("a ""b""" is a "b").
std::string unquote(std::string_view field) {
    field = trim(field);
    if (field.size() < 2 || field.front() != '"' || field.back() != '"')
        return std::string(field);
    std::string out;
    field = field.substr(1, field.size() - 2);
    for (std::size_t i = 0; i < field.size(); ++i) {
        out.push_back(field[i]);
        if (field[i] == '"' && i + 1 < field.size() && field[i + 1] == '"')
            ++i;
    }
    return out;
}

std::vector<std::string> splitFields(std::string_view line) {
    const char separator = line.find(';') != std::string_view::npos ? ';' : '\t';
    std::vector<std::string> fields;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"')
            quoted = !quoted;
        if (i == line.size() || (line[i] == separator && !quoted)) {
            fields.push_back(unquote(line.substr(start, i - start)));
            start = i + 1;
        }
    }
    return fields;
}

bool parseNumber(const std::string& text, long max, long& value) {
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(text.data(), last, value);
    return result.ec == std::errc() && result.ptr == last && !text.empty() && value >= 0 &&
           value <= max;
}

// A message slot's text with its %n filled in, as UTF-8.
// All in one pass, so a "%2" inside a line read from the file stays as it is.
template <typename... Args> std::string say(i18n::Msg slot, const Args&... args) {
    if constexpr (sizeof...(Args) == 0)
        return i18n::text(slot).toUtf8().toStdString();
    else
        return i18n::text(slot).arg(QString::fromUtf8(args)...).toUtf8().toStdString();
}

std::string lineTag(int line) {
    return say(i18n::Msg::RefLine, std::to_string(line).c_str());
}

} // namespace

std::string latin1ToUtf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (char ch : latin1) {
        const auto code = static_cast<unsigned char>(ch);
        if (code < 0x80) {
            out.push_back(ch);
        } else {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

ReferenceLoad readReferenceText(std::string_view text) {
    ReferenceLoad load;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code < 0x20 && code != '\t' && code != '\n' && code != '\r') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", code);
            load.error = say(i18n::Msg::RefBadByte, hex, std::to_string(i).c_str());
            return load;
        }
    }
    const bool utf8 = isUtf8WithNonAscii(text);
    ReferenceList list;
    list.fromListFile = false;
    int lineNumber = 0;
    bool seenLine = false;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty())
            continue;
        const std::vector<std::string> fields = splitFields(line);
        long position = 0;
        const bool numbered = parseNumber(fields[0], 99999, position) && position > 0;
        if (!numbered && !seenLine) {
            seenLine = true; // a heading line
            continue;
        }
        seenLine = true;
        const std::string shown = utf8 ? std::string(line) : latin1ToUtf8(line);
        if (!numbered || fields.size() < 2 || fields.size() > 3) {
            load.error = lineTag(lineNumber) + say(i18n::Msg::RefBadLine, shown.c_str());
            return load;
        }
        ReferenceChannel r;
        r.position = static_cast<int>(position);
        r.kindKnown = false;
        r.hasTransponder = false;
        r.hasProgramNumber = fields.size() == 3 && !fields[2].empty();
        long number = 0;
        if (r.hasProgramNumber && !parseNumber(fields[2], 65535, number)) {
            const std::string field = utf8 ? fields[2] : latin1ToUtf8(fields[2]);
            load.error = lineTag(lineNumber) + say(i18n::Msg::RefBadNumber, field.c_str());
            return load;
        }
        r.programNumber = static_cast<uint16_t>(number);
        if (utf8) {
            const std::string& name = fields[1];
            for (std::size_t i = 0; i < name.size();) {
                const long cp = nextCodePoint(name, i);
                if (cp > 0xFF) {
                    char buffer[24];
                    std::snprintf(buffer, sizeof buffer, "U+%04lX", static_cast<unsigned long>(cp));
                    load.warnings.push_back(lineTag(lineNumber) +
                                            say(i18n::Msg::RefNameUnusable, name.c_str(), buffer));
                    r.nameUsable = false;
                    break;
                }
                r.name.push_back(static_cast<char>(cp));
            }
        } else {
            r.name = fields[1];
        }
        if (!r.nameUsable)
            r.name.clear();
        if (r.name.size() > NameWidth)
            r.name.resize(NameWidth); // as a channel name field would cut it
        list.channels.push_back(std::move(r));
    }
    if (list.channels.empty()) {
        load.error = say(i18n::Msg::RefNoLines);
        return load;
    }
    load.list = std::move(list);
    return load;
}

ReferenceLoad readReference(const std::vector<uint8_t>& bytes) {
    if (bytes.size() == ListFileBytes) {
        ReferenceLoad load;
        auto image = std::make_unique<ChannelListImage>();
        if (loadListBytes(*image, bytes.data(), bytes.size()) != ListLoadResult::Valid)
            load.warnings.push_back(say(i18n::Msg::RefChecksumWrong));
        load.list = referenceFromImage(*image, countChannels(*image));
        return load;
    }
    if (bytes.size() > ReferenceTextLimit) {
        ReferenceLoad load;
        load.error = say(i18n::Msg::RefTooLarge);
        return load;
    }
    return readReferenceText(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
