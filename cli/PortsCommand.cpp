// quelvox-cli ports
//
// The serial ports as the main window numbers them, one line each:
// "COMn<TAB>device path<TAB>description" (the description may be empty).
// With --watch, the lines of cli/PortWait.h until Ctrl+C.
#include "cli/CliCommand.h"
#include "cli/CommandLine.h"
#include "cli/PortWait.h"
#include "serial/PortList.h"

#include <ostream>

namespace {

// One field of a tab-separated line: no tab or line break inside.
std::string field(const QString& text) {
    QString clean = text;
    for (QChar& ch : clean) {
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    }
    return clean.toLocal8Bit().toStdString();
}

} // namespace

int runPorts(const std::vector<std::string>& args, CliContext& context) {
    CommandLine line("ports", {"watch"});
    if (const std::string complaint = line.parse(args); !complaint.empty())
        return usageError(context, complaint);
    if (!line.files().empty())
        return usageError(context, "ports takes no arguments but --watch");
    if (line.isSet("watch"))
        return runPortsWatch(context);
    const QList<SerialPortEntry> ports = PortList::scan();
    if (ports.isEmpty()) {
        context.err << "quelvox-cli: no serial port found\n";
        return ExitFailed;
    }
    for (const SerialPortEntry& port : ports)
        context.out << field(port.name) << '\t' << field(port.devicePath) << '\t'
                    << field(port.description) << '\n';
    return ExitOk;
}
