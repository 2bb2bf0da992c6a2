#pragma once

#include "listformat/ChannelListImage.h"

#include <cstdint>
#include <filesystem>
#include <vector>

class FieldReader;
class FieldWriter;
class ListFileReporter;

enum class ListLoadResult {
    Valid,            // fileCrc matches
    ChecksumMismatch, // loaded, but fileCrc does not match (corrected on the next save)
    Unreadable        // the file could not be opened or read; the image is unchanged
};

// Record readers and writers, field by field in file order.
void readImageBody(FieldReader& reader, ChannelListImage& image); // descriptor to trailer
void readListFile(FieldReader& reader, ChannelListImage& image);  // header, then the body
// False when a text or byte-array field was written short.
bool writeListFile(FieldWriter& writer, const ChannelListImage& image);

// The image as list-file bytes, exactly as they stand (no checksums updated).
std::vector<uint8_t> serialiseListFile(const ChannelListImage& image);

// Fills the image from list-file bytes (a file's first 185026 bytes or fewer):
// 0xFF first, then every field present; missing numeric fields read 0.
// readListBytes gives no verdict: it leaves out the checksum of the whole file.
void readListBytes(ChannelListImage& image, const uint8_t* data, std::size_t size);
ListLoadResult loadListBytes(ChannelListImage& image, const uint8_t* data, std::size_t size);
ListLoadResult loadListFileChecked(ChannelListImage& image, const std::filesystem::path& path);
// True when the file's checksum holds.
bool loadListFile(ChannelListImage& image, const std::filesystem::path& path);

// The checksum rule of a list block: listCrc32 of bytes 28 to 185023 equals
// the word at offset 8. Bytes beyond size count as 0.
bool fileCrcHolds(const uint8_t* data, std::size_t size);

// The rule for a list block received from the receiver: it must cover the
// whole checksummed range (bytes a shorter block lacks never arrived) and
// hold its checksum.
bool receivedListIntact(const uint8_t* data, std::size_t size);

// Stores fresh block checksums and fileCrc into the image and returns the
// file's bytes. shortWrite is set when a field could not be written whole.
std::vector<uint8_t> serialiseForSave(ChannelListImage& image, bool* shortWrite = nullptr);

// Writes the image as a list file with fresh checksums, through a temporary
// file that replaces the target only when complete. Failures go to the
// reporter; false when nothing was written.
bool saveListFile(ChannelListImage& image, const std::filesystem::path& path,
                  ListFileReporter& reporter);
