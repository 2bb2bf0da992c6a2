#pragma once

#include "listformat/ChannelListImage.h"

#include <QString>
#include <string>

class ListFileReporter;

// The readable text form of the list: all TV channels, then all radio
// channels, in the language of the message slots at the moment of the call.
// Lines end in CR LF, and so does a line feed inside a channel name; each
// channel line ends its rule line with CR CR LF.
std::string exportTextContent(const ChannelListImage& image);

// Writes exportTextContent through the program's writer (writeFileReplacing):
// the target is replaced only when complete; on failure or refusal "Daten konnten nicht gespeichert
// werden" goes to the reporter, the old file stays and false is returned.
bool exportText(const ChannelListImage& image, const QString& path, ListFileReporter& reporter);
