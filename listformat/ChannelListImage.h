#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// The receiver's channel list as one fixed-size image: descriptor, parameter
// block, 4000 channel slots, 1000 transponder slots, 30 satellite slots and a
// trailing word. Records are kept as plain fields; their packed little-endian
// layout exists only in ListFile.cpp, which reads and writes them field by
// field.

inline constexpr int ChannelSlots = 4000;
inline constexpr int TransponderSlots = 1000;
inline constexpr int SatelliteSlots = 30;
inline constexpr int NameWidth = 20;

inline constexpr std::size_t ListFileHeaderBytes = 28;
inline constexpr std::size_t ListDescriptorBytes = 68;
inline constexpr std::size_t ParameterBlockBytes = 28;
inline constexpr std::size_t ChannelRecordBytes = 42;
inline constexpr std::size_t TransponderRecordBytes = 16;
inline constexpr std::size_t SatelliteRecordBytes = 30;

// File offsets of the parts of a list file.
inline constexpr std::size_t DescriptorOffset = ListFileHeaderBytes;
inline constexpr std::size_t ParameterBlockOffset = DescriptorOffset + ListDescriptorBytes;
inline constexpr std::size_t ChannelTableOffset = ParameterBlockOffset + ParameterBlockBytes;
inline constexpr std::size_t TransponderTableOffset =
    ChannelTableOffset + ChannelSlots * ChannelRecordBytes;
inline constexpr std::size_t SatelliteTableOffset =
    TransponderTableOffset + TransponderSlots * TransponderRecordBytes;
inline constexpr std::size_t TrailerOffset =
    SatelliteTableOffset + SatelliteSlots * SatelliteRecordBytes;
inline constexpr std::size_t ListFileBytes = TrailerOffset + 2;
inline constexpr std::size_t ImageBytes = ListFileBytes - ListFileHeaderBytes;
// The file checksum covers the descriptor up to the satellite table, not the
// trailer.
inline constexpr std::size_t FileCrcOffset = 8;
inline constexpr std::size_t FileCrcFirst = DescriptorOffset;
inline constexpr std::size_t FileCrcLength = TrailerOffset - DescriptorOffset;
// Offsets of the four block checksums inside the descriptor.
inline constexpr std::size_t CrcParameterBlockOffset = 80;
inline constexpr std::size_t CrcChannelTableOffset = 84;
inline constexpr std::size_t CrcTransponderTableOffset = 88;
inline constexpr std::size_t CrcSatelliteTableOffset = 92;

static_assert(ChannelTableOffset == 124 && TransponderTableOffset == 168124 &&
              SatelliteTableOffset == 184124 && TrailerOffset == 185024);
// The parts add up to 184998 image bytes behind the 28-byte header; the file
// offsets above (trailer at 185024, file of 185026 bytes) are what the
// receiver and every stored file rely on.
static_assert(ImageBytes == 184998 && ListFileBytes == 185026 && FileCrcLength == 184996);

// Bits of ChannelRecord::flags.
inline constexpr uint16_t ChannelInUse = 0x80;
inline constexpr uint16_t ChannelIsTv = 0x08;
inline constexpr uint16_t ChannelCrypted = 0x01;

using NameField = std::array<char, NameWidth>;

struct ListFileHeader {
    std::array<uint32_t, 7> words{}; // word 2 is fileCrc, the others are carried
    uint32_t fileCrc() const { return words[2]; }
    bool operator==(const ListFileHeader&) const = default;
};

struct DescriptorEntry {
    uint32_t value = 0;
    std::array<char, 8> text{};
    bool operator==(const DescriptorEntry&) const = default;
};

struct ListDescriptor {
    uint16_t receiverType = 0;
    std::array<uint8_t, 6> identity{};
    std::array<DescriptorEntry, 3> entries{};
    std::array<uint32_t, 2> words{};
    uint32_t crcParameterBlock = 0;
    uint32_t crcChannelTable = 0;
    uint32_t crcTransponderTable = 0;
    uint32_t crcSatelliteTable = 0;
    bool operator==(const ListDescriptor&) const = default;
};

// Carried unchanged; only covered by the checksums.
struct ParameterBlock {
    uint16_t word0 = 0;
    uint16_t word1 = 0;
    uint32_t long0 = 0;
    uint16_t word2 = 0;
    uint16_t word3 = 0;
    std::array<uint8_t, 4> bytes0{};
    uint32_t long1 = 0;
    std::array<uint8_t, 6> bytes1{};
    uint16_t word4 = 0;
    bool operator==(const ParameterBlock&) const = default;
};

struct ChannelRecord {
    uint16_t flags = 0;
    uint16_t favouriteNumber = 0;
    uint16_t carried4 = 0;
    uint16_t programNumber = 0;
    uint16_t carried8 = 0;
    uint16_t pcrPid = 0;
    uint16_t videoPid = 0;
    uint16_t carried14 = 0;
    uint16_t teletextPid = 0;
    uint16_t audioPid = 0;
    uint16_t transponderIndex = 0;
    NameField name{};

    bool inUse() const { return (flags & ChannelInUse) != 0; }
    bool isTv() const { return (flags & ChannelIsTv) != 0; }
    bool crypted() const { return (flags & ChannelCrypted) != 0; }
    // 1 for TV, 0 for radio: compared with currentKind.
    uint8_t kind() const { return isTv() ? 1 : 0; }
    bool operator==(const ChannelRecord&) const = default;
};

struct TransponderRecord {
    uint32_t symbolRate = 0;
    uint32_t frequency = 0;
    uint16_t networkId = 0;
    uint16_t transponderFlags = 0;
    uint8_t carried12 = 0;
    uint8_t satelliteIndex = 0;
    uint16_t modulationCode = 0;

    bool vertical() const { return (transponderFlags & 1) != 0; }
    bool operator==(const TransponderRecord&) const = default;
};

struct SatelliteRecord {
    std::array<uint8_t, 4> bytes0{};
    uint16_t word4 = 0;
    uint16_t word6 = 0;
    NameField name{};
    std::array<uint8_t, 2> bytes28{};
    bool operator==(const SatelliteRecord&) const = default;
};

struct ChannelListImage {
    ListFileHeader header; // file only, carried from the loaded file
    ListDescriptor descriptor;
    ParameterBlock parameters;
    std::array<ChannelRecord, ChannelSlots> channels{};
    std::array<TransponderRecord, TransponderSlots> transponders{};
    std::array<SatelliteRecord, SatelliteSlots> satellites{};
    uint16_t trailerWord = 0;
    bool operator==(const ChannelListImage&) const = default;
};

enum class TransponderKind : int { Terrestrial = 1, Satellite = 2, Cable = 4 };

// A text field as Latin-1 bytes: up to the first NUL, at most the field width.
template <std::size_t N> std::string fieldText(const std::array<char, N>& field) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0')
        ++length;
    return std::string(field.data(), length);
}

// Stores text into a field, padded with NUL bytes; longer text is cut.
template <std::size_t N> void setFieldText(std::array<char, N>& field, const std::string& text) {
    field.fill('\0');
    for (std::size_t i = 0; i < N && i < text.size(); ++i)
        field[i] = text[i];
}

// Fills descriptor to trailer with 0xFF bytes (no list). The file header is
// left alone.
void eraseImage(ChannelListImage& image);

// Number of used channels; writes the zeroed end marker behind them. An image
// whose receiverType is 0 or 0xFFFF holds no list and is left unchanged.
int countChannels(ChannelListImage& image);

uint16_t getReceiverType(const ChannelListImage& image);
void setReceiverType(ChannelListImage& image, uint16_t value);

// The transponder of a slot, or nullptr when the slot number lies outside the
// table (an index taken from a damaged file).
const TransponderRecord* transponderAt(const ChannelListImage& image, int slot);
// The satellite of a transponder, or nullptr when its satelliteIndex lies
// outside the table.
const SatelliteRecord* satelliteOf(const ChannelListImage& image, const TransponderRecord& tp);

TransponderKind classifyTransponder(const ChannelListImage& image, const TransponderRecord& tp);
// By transponder slot; a slot outside the table counts as an all-zero
// transponder, which is terrestrial.
TransponderKind classifyTransponder(const ChannelListImage& image, int transponderSlot);
// By channel slot, through the channel's transponderIndex.
TransponderKind classifyChannelTransponder(const ChannelListImage& image, int channelSlot);
