#include "listformat/ListFile.h"

#include "fileio/FileWriter.h"
#include "listformat/FieldReader.h"
#include "listformat/FieldWriter.h"
#include "listformat/ListCrc32.h"
#include "listformat/ListFileReporter.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {

template <std::size_t N> void readArray(FieldReader& r, std::array<uint8_t, N>& a) {
    r.readBytes(a.data(), N);
}
template <std::size_t N> void readArray(FieldReader& r, std::array<char, N>& a) {
    r.readBytes(a.data(), N);
}

void readHeader(FieldReader& r, ListFileHeader& h) {
    for (uint32_t& word : h.words)
        word = r.readU32();
}

void readDescriptor(FieldReader& r, ListDescriptor& d) {
    d.receiverType = r.readU16();
    readArray(r, d.identity);
    for (DescriptorEntry& entry : d.entries) {
        entry.value = r.readU32();
        readArray(r, entry.text);
    }
    for (uint32_t& word : d.words)
        word = r.readU32();
    d.crcParameterBlock = r.readU32();
    d.crcChannelTable = r.readU32();
    d.crcTransponderTable = r.readU32();
    d.crcSatelliteTable = r.readU32();
}

void readParameterBlock(FieldReader& r, ParameterBlock& p) {
    p.word0 = r.readU16();
    p.word1 = r.readU16();
    p.long0 = r.readU32();
    p.word2 = r.readU16();
    p.word3 = r.readU16();
    for (uint8_t& b : p.bytes0)
        b = r.readByte();
    p.long1 = r.readU32();
    readArray(r, p.bytes1);
    p.word4 = r.readU16();
}

void readChannel(FieldReader& r, ChannelRecord& c) {
    c.flags = r.readU16();
    c.favouriteNumber = r.readU16();
    c.carried4 = r.readU16();
    c.programNumber = r.readU16();
    c.carried8 = r.readU16();
    c.pcrPid = r.readU16();
    c.videoPid = r.readU16();
    c.carried14 = r.readU16();
    c.teletextPid = r.readU16();
    c.audioPid = r.readU16();
    c.transponderIndex = r.readU16();
    readArray(r, c.name);
}

void readTransponder(FieldReader& r, TransponderRecord& t) {
    t.symbolRate = r.readU32();
    t.frequency = r.readU32();
    t.networkId = r.readU16();
    t.transponderFlags = r.readU16();
    t.carried12 = r.readByte();
    t.satelliteIndex = r.readByte();
    t.modulationCode = r.readU16();
}

void readSatellite(FieldReader& r, SatelliteRecord& s) {
    for (uint8_t& b : s.bytes0)
        b = r.readByte();
    s.word4 = r.readU16();
    s.word6 = r.readU16();
    readArray(r, s.name);
    for (uint8_t& b : s.bytes28)
        b = r.readByte();
}

void writeHeader(FieldWriter& w, const ListFileHeader& h) {
    for (uint32_t word : h.words)
        w.writeU32(word);
}

void writeDescriptor(FieldWriter& w, const ListDescriptor& d) {
    w.writeU16(d.receiverType);
    w.writeBytes(d.identity.data(), d.identity.size());
    for (const DescriptorEntry& entry : d.entries) {
        w.writeU32(entry.value);
        w.writeBytes(entry.text.data(), entry.text.size());
    }
    for (uint32_t word : d.words)
        w.writeU32(word);
    w.writeU32(d.crcParameterBlock);
    w.writeU32(d.crcChannelTable);
    w.writeU32(d.crcTransponderTable);
    w.writeU32(d.crcSatelliteTable);
}

void writeParameterBlock(FieldWriter& w, const ParameterBlock& p) {
    w.writeU16(p.word0);
    w.writeU16(p.word1);
    w.writeU32(p.long0);
    w.writeU16(p.word2);
    w.writeU16(p.word3);
    for (uint8_t b : p.bytes0)
        w.writeByte(b);
    w.writeU32(p.long1);
    w.writeBytes(p.bytes1.data(), p.bytes1.size());
    w.writeU16(p.word4);
}

void writeChannel(FieldWriter& w, const ChannelRecord& c) {
    w.writeU16(c.flags);
    w.writeU16(c.favouriteNumber);
    w.writeU16(c.carried4);
    w.writeU16(c.programNumber);
    w.writeU16(c.carried8);
    w.writeU16(c.pcrPid);
    w.writeU16(c.videoPid);
    w.writeU16(c.carried14);
    w.writeU16(c.teletextPid);
    w.writeU16(c.audioPid);
    w.writeU16(c.transponderIndex);
    w.writeBytes(c.name.data(), c.name.size());
}

void writeTransponder(FieldWriter& w, const TransponderRecord& t) {
    w.writeU32(t.symbolRate);
    w.writeU32(t.frequency);
    w.writeU16(t.networkId);
    w.writeU16(t.transponderFlags);
    w.writeByte(t.carried12);
    w.writeByte(t.satelliteIndex);
    w.writeU16(t.modulationCode);
}

void writeSatellite(FieldWriter& w, const SatelliteRecord& s) {
    for (uint8_t b : s.bytes0)
        w.writeByte(b);
    w.writeU16(s.word4);
    w.writeU16(s.word6);
    w.writeBytes(s.name.data(), s.name.size());
    for (uint8_t b : s.bytes28)
        w.writeByte(b);
}

uint32_t crcOfRange(const std::vector<uint8_t>& bytes, std::size_t offset, std::size_t length) {
    return listCrc32(bytes.data() + offset, length);
}

} // namespace

void readImageBody(FieldReader& reader, ChannelListImage& image) {
    readDescriptor(reader, image.descriptor);
    readParameterBlock(reader, image.parameters);
    for (ChannelRecord& c : image.channels)
        readChannel(reader, c);
    for (TransponderRecord& t : image.transponders)
        readTransponder(reader, t);
    for (SatelliteRecord& s : image.satellites)
        readSatellite(reader, s);
    image.trailerWord = reader.readU16();
}

void readListFile(FieldReader& reader, ChannelListImage& image) {
    readHeader(reader, image.header);
    readImageBody(reader, image);
}

bool writeListFile(FieldWriter& writer, const ChannelListImage& image) {
    writeHeader(writer, image.header);
    writeDescriptor(writer, image.descriptor);
    writeParameterBlock(writer, image.parameters);
    for (const ChannelRecord& c : image.channels)
        writeChannel(writer, c);
    for (const TransponderRecord& t : image.transponders)
        writeTransponder(writer, t);
    for (const SatelliteRecord& s : image.satellites)
        writeSatellite(writer, s);
    writer.writeU16(image.trailerWord);
    return !writer.hadShortWrite();
}

std::vector<uint8_t> serialiseListFile(const ChannelListImage& image) {
    std::vector<uint8_t> bytes;
    bytes.reserve(ListFileBytes);
    FieldWriter writer(bytes);
    writeListFile(writer, image);
    return bytes;
}

bool fileCrcHolds(const uint8_t* data, std::size_t size) {
    // Bytes missing from a short file count as 0.
    uint32_t crc = 0xFFFFFFFFu;
    std::size_t present = 0;
    if (size > FileCrcFirst) {
        present = std::min(size - FileCrcFirst, FileCrcLength);
        crc = listCrc32Update(crc, data + FileCrcFirst, present);
    }
    static const std::array<uint8_t, 4096> zeros{};
    for (std::size_t missing = FileCrcLength - present; missing > 0;) {
        const std::size_t chunk = std::min(missing, zeros.size());
        crc = listCrc32Update(crc, zeros.data(), chunk);
        missing -= chunk;
    }
    FieldReader reader(data, size);
    reader.readU32();
    reader.readU32();
    return crc == reader.readU32();
}

namespace {
// What an erased image reads as from no bytes at all: every record that
// starts past the end of a short file loads as this one's.
const ChannelListImage& loadedFromNothing() {
    static const std::unique_ptr<const ChannelListImage> nothing = [] {
        auto image = std::make_unique<ChannelListImage>();
        eraseImage(*image);
        FieldReader reader(nullptr, 0);
        readListFile(reader, *image);
        return std::unique_ptr<const ChannelListImage>(std::move(image));
    }();
    return *nothing;
}

template <class Record, std::size_t N, class Read>
void readPresentRecords(FieldReader& reader, std::array<Record, N>& records, Read read) {
    for (Record& record : records) {
        if (reader.exhausted())
            return;
        read(reader, record);
    }
}
} // namespace

void readListBytes(ChannelListImage& image, const uint8_t* data, std::size_t size) {
    size = std::min(size, ListFileBytes);
    image = loadedFromNothing();
    FieldReader reader(data, size);
    readHeader(reader, image.header);
    readDescriptor(reader, image.descriptor);
    readParameterBlock(reader, image.parameters);
    readPresentRecords(reader, image.channels, readChannel);
    readPresentRecords(reader, image.transponders, readTransponder);
    readPresentRecords(reader, image.satellites, readSatellite);
    if (!reader.exhausted())
        image.trailerWord = reader.readU16();
}

ListLoadResult loadListBytes(ChannelListImage& image, const uint8_t* data, std::size_t size) {
    readListBytes(image, data, size);
    return fileCrcHolds(data, std::min(size, ListFileBytes)) ? ListLoadResult::Valid
                                                             : ListLoadResult::ChecksumMismatch;
}

bool receivedListIntact(const uint8_t* data, std::size_t size) {
    return data != nullptr && size >= TrailerOffset && fileCrcHolds(data, size);
}

ListLoadResult loadListFileChecked(ChannelListImage& image, const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    if (!readFilePrefix(path, ListFileBytes, bytes))
        return ListLoadResult::Unreadable;
    return loadListBytes(image, bytes.data(), bytes.size());
}

bool loadListFile(ChannelListImage& image, const std::filesystem::path& path) {
    return loadListFileChecked(image, path) == ListLoadResult::Valid;
}

std::vector<uint8_t> serialiseForSave(ChannelListImage& image, bool* shortWrite) {
    std::vector<uint8_t> bytes;
    bytes.reserve(ListFileBytes);
    FieldWriter writer(bytes);
    const bool whole = writeListFile(writer, image);
    if (shortWrite)
        *shortWrite = !whole;
    bytes.resize(ListFileBytes, 0);

    // Block checksums first: the file checksum covers the descriptor with
    // them in it.
    ListDescriptor& d = image.descriptor;
    d.crcParameterBlock = crcOfRange(bytes, ParameterBlockOffset, ParameterBlockBytes);
    d.crcChannelTable =
        crcOfRange(bytes, ChannelTableOffset, TransponderTableOffset - ChannelTableOffset);
    d.crcTransponderTable =
        crcOfRange(bytes, TransponderTableOffset, SatelliteTableOffset - TransponderTableOffset);
    d.crcSatelliteTable =
        crcOfRange(bytes, SatelliteTableOffset, TrailerOffset - SatelliteTableOffset);
    patchU32(bytes, CrcParameterBlockOffset, d.crcParameterBlock);
    patchU32(bytes, CrcChannelTableOffset, d.crcChannelTable);
    patchU32(bytes, CrcTransponderTableOffset, d.crcTransponderTable);
    patchU32(bytes, CrcSatelliteTableOffset, d.crcSatelliteTable);

    image.header.words[2] = crcOfRange(bytes, FileCrcFirst, FileCrcLength);
    patchU32(bytes, FileCrcOffset, image.header.words[2]);
    return bytes;
}

bool saveListFile(ChannelListImage& image, const std::filesystem::path& path,
                  ListFileReporter& reporter) {
    // A failed save leaves the image's checksums as they were.
    const ListDescriptor descriptorBefore = image.descriptor;
    const ListFileHeader headerBefore = image.header;
    bool shortWrite = false;
    const std::vector<uint8_t> bytes = serialiseForSave(image, &shortWrite);
    if (shortWrite)
        reporter.fieldWriteShort();
    const fileio::WriteResult written = fileio::writeFile(path.string(), bytes);
    if (!written.ok()) {
        image.descriptor = descriptorBefore;
        image.header = headerBefore;
        reporter.saveFailed(written);
        return false;
    }
    return true;
}
