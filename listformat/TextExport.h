#pragma once

#include "listformat/ChannelListImage.h"

#include <array>
#include <filesystem>
#include <string>

class ListFileReporter;

// The words of a text export in the language it is written in, Latin-1
// bytes: the two section titles, the nine column headings, the two
// polarisations and the two access words.
struct ExportWords {
    std::string tvTitle;
    std::string radioTitle;
    std::array<std::string, 9> headings;
    std::string horizontal;
    std::string vertical;
    std::string free;
    std::string crypted;
};

// The readable text form of the list: all TV channels, then all radio
// channels, in the given words. Lines end in CR LF, and so does a line feed
// inside a channel name; each channel line ends its rule line with CR CR LF.
std::string exportTextContent(const ChannelListImage& image, const ExportWords& words);

// Writes exportTextContent through the program's writer (fileio::writeFile):
// the target is replaced only when complete; on failure or refusal the
// reporter hears of it, the old file stays and false is returned.
bool exportText(const ChannelListImage& image, const std::filesystem::path& path,
                const ExportWords& words, ListFileReporter& reporter);
