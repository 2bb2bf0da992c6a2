#include "cli/CommandLine.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>

namespace {

QString qs(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string local(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace

CommandLine::CommandLine(std::string command, std::vector<const char*> flags,
                         std::vector<ValueOption> values)
    : command_(std::move(command)), flags_(flags.begin(), flags.end()), values_(std::move(values)) {
}

std::string CommandLine::parse(const std::vector<std::string>& args) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const std::string& flag : flags_)
        parser.addOption(QCommandLineOption(qs(flag)));
    for (const ValueOption& option : values_)
        parser.addOption(QCommandLineOption(QString::fromLatin1(option.name), QString(),
                                            QStringLiteral("value")));

    QStringList arguments{QStringLiteral("quelvox-cli")}; // the parser skips the program name
    for (const std::string& arg : args)
        arguments << qs(arg);
    if (!parser.parse(arguments)) {
        if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
            return "unknown option '--" + local(unknown.first()) + "' for " + command_;
        // A value goes missing only after the last argument.
        const std::string last = args.empty() ? std::string() : args.back();
        for (const ValueOption& option : values_)
            if (last == std::string("--") + option.name || last == std::string("-") + option.name)
                return option.missing;
        return local(parser.errorText());
    }
    for (const std::string& flag : flags_)
        if (parser.isSet(qs(flag)))
            set_.push_back(flag);
    for (const ValueOption& option : values_)
        if (parser.isSet(QString::fromLatin1(option.name)))
            given_.emplace_back(option.name,
                                local(parser.values(QString::fromLatin1(option.name)).last()));
    // The file names as given: bytes that are no text in the locale stay.
    std::size_t next = 0;
    for (const QString& file : parser.positionalArguments()) {
        while (next < args.size() && qs(args[next]) != file)
            ++next;
        files_.push_back(next < args.size() ? args[next++] : local(file));
    }
    return {};
}

bool CommandLine::isSet(const char* name) const {
    return std::find(set_.begin(), set_.end(), name) != set_.end() ||
           std::any_of(given_.begin(), given_.end(),
                       [name](const auto& option) { return option.first == name; });
}

std::string CommandLine::value(const char* name) const {
    for (const auto& [option, text] : given_)
        if (option == name)
            return text;
    return {};
}
