#include "help/ChmArchive.h"

#include <QFile>
#include <QFileInfo>

#include <chm_lib.h>

#include <cstring>
#include <utility>
#include <vector>

namespace help {
namespace {

quint32 le32(const QByteArray& bytes, qsizetype at) {
    if (at < 0 || at + 4 > bytes.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint64 le64(const QByteArray& bytes, qsizetype at) {
    return quint64(le32(bytes, at)) | quint64(le32(bytes, at + 4)) << 32;
}

quint16 le16(const QByteArray& bytes, qsizetype at) {
    if (at < 0 || at + 2 > bytes.size())
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

// A text field of #SYSTEM: zero-terminated, in the file's single-byte code page.
QString systemText(const QByteArray& data) {
    const qsizetype end = data.indexOf('\0');
    const QByteArray text = end < 0 ? data : data.left(end);
    const QString utf8 = QString::fromUtf8(text);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(text) : utf8;
}

} // namespace

bool plausibleChmHeader(const QByteArray& head, qint64 fileSize) {
    // ITSF header (version 2 or 3) with two section entries (offset, length):
    // the file-size section and the directory.
    if (head.size() < 0x58 || !head.startsWith("ITSF"))
        return false;
    const quint32 version = le32(head, 4);
    const quint32 headerLength = le32(head, 8);
    if ((version != 2 && version != 3) || headerLength < 0x58 || headerLength > 0x1000)
        return false;
    const auto fits = [fileSize](quint64 offset, quint64 length) {
        return offset <= quint64(fileSize) && length <= quint64(fileSize) - offset;
    };
    if (!fits(le64(head, 0x38), le64(head, 0x40)) || !fits(le64(head, 0x48), le64(head, 0x50)))
        return false;
    return le64(head, 0x50) >= 0x54; // the directory needs room for its own header
}

namespace {

// An encoded integer of the directory: 7 bits a byte, high bit set on all
// but the last.
bool readEncInt(const QByteArray& bytes, qsizetype& at, qsizetype end, quint64& value) {
    value = 0;
    for (int i = 0; i < 9; ++i) {
        if (at >= end)
            return false;
        const auto byte = static_cast<unsigned char>(bytes[at++]);
        value = value << 7 | (byte & 0x7F);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// The directory (ITSP header and its chunks): sizes in range, and the index
// chunks a lookup walks form a tree, so chmlib's search always ends.
bool directoryHoldsTogether(const QByteArray& dir) {
    if (dir.size() < 0x54 || !dir.startsWith("ITSP") || le32(dir, 8) != 0x54)
        return false;
    const quint32 chunkSize = le32(dir, 0x10);
    const auto root = qint32(le32(dir, 0x1C));
    const auto head = qint32(le32(dir, 0x20));
    const quint32 chunks = le32(dir, 0x2C);
    if (chunkSize < 0x200 || chunkSize > 0x10000 || chunks == 0 || chunks > 4096)
        return false;
    if (0x54 + quint64(chunks) * chunkSize > quint64(dir.size()))
        return false;
    if (head < 0 || quint32(head) >= chunks || root < -1 || (root >= 0 && quint32(root) >= chunks))
        return false;
    const auto chunkAt = [&](quint32 i) { return qsizetype(0x54 + quint64(i) * chunkSize); };

    // Depth-first over the index chunks from the root: 1 on the path, 2 done.
    std::vector<char> state(chunks, 0);
    std::vector<std::pair<quint32, qsizetype>> path;
    const quint32 start = root < 0 ? quint32(head) : quint32(root);
    path.emplace_back(start, -1);
    while (!path.empty()) {
        auto& [chunk, cursor] = path.back();
        const qsizetype base = chunkAt(chunk);
        if (dir.mid(base, 4) != "PMGI") {
            state[chunk] = 2; // a listing chunk, or one chmlib gives up on
            path.pop_back();
            continue;
        }
        const qsizetype end = base + chunkSize - le32(dir, base + 4);
        if (cursor < 0) {
            if (end < base + 8 || end > base + chunkSize)
                return false;
            state[chunk] = 1;
            cursor = base + 8;
        }
        if (cursor >= end) {
            state[chunk] = 2;
            path.pop_back();
            continue;
        }
        quint64 nameLength = 0, child = 0;
        if (!readEncInt(dir, cursor, end, nameLength) || nameLength > quint64(end - cursor))
            return false;
        cursor += qsizetype(nameLength);
        if (!readEncInt(dir, cursor, end, child) || child >= chunks || state[child] == 1)
            return false;
        if (state[child] == 0)
            path.emplace_back(quint32(child), -1);
    }
    return true;
}

} // namespace

ChmArchive::ChmArchive() = default;

ChmArchive::~ChmArchive() {
    if (file_)
        chm_close(file_);
}

ChmArchive::Status ChmArchive::open(const QString& path) {
    if (file_) {
        chm_close(file_);
        file_ = nullptr;
    }
    title_.clear();
    contentsFile_.clear();
    indexFile_.clear();
    defaultTopic_.clear();
    localeId_ = 0;

    const QFileInfo info(path);
    if (!info.exists())
        return Status::Missing;
    // Only a regular file: a FIFO or a device would block or never end.
    if (!info.isFile() || info.size() > maxFileSize)
        return Status::NotChm;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::Missing;
    const QByteArray head = file.read(0x60);
    if (!head.startsWith("ITSF"))
        return Status::NotChm;
    if (!plausibleChmHeader(head, info.size()))
        return Status::Damaged;
    const qint64 dirLength = qint64(le64(head, 0x50));
    if (dirLength > maxObjectSize || !file.seek(qint64(le64(head, 0x48))) ||
        !directoryHoldsTogether(file.read(dirLength)))
        return Status::Damaged;
    file.close();

    file_ = chm_open(QFile::encodeName(path).constData());
    if (!file_)
        return Status::Damaged;
    readSystem();
    return Status::Ok;
}

std::optional<QByteArray> ChmArchive::read(const QString& path) const {
    if (!file_)
        return std::nullopt;
    const QByteArray name = path.toUtf8();
    if (name.isEmpty() || name.size() > CHM_MAX_PATHLEN)
        return std::nullopt;
    chmUnitInfo unit;
    std::memset(&unit, 0, sizeof unit);
    if (chm_resolve_object(file_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > quint64(maxObjectSize))
        return std::nullopt;
    QByteArray bytes(qsizetype(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return bytes;
    const LONGINT64 got = chm_retrieve_object(
        file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return std::nullopt;
    return bytes;
}

bool ChmArchive::contains(const QString& path) const {
    if (!file_)
        return false;
    const QByteArray name = path.toUtf8();
    if (name.isEmpty() || name.size() > CHM_MAX_PATHLEN)
        return false;
    chmUnitInfo unit;
    std::memset(&unit, 0, sizeof unit);
    return chm_resolve_object(file_, name.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

void ChmArchive::readSystem() {
    // #SYSTEM: a version word, then records of code (16 bits), length (16
    // bits) and data.
    const std::optional<QByteArray> system = read(QStringLiteral("/#SYSTEM"));
    if (!system)
        return;
    const QByteArray& bytes = *system;
    qsizetype at = 4;
    while (at + 4 <= bytes.size()) {
        const quint16 code = le16(bytes, at);
        const quint16 length = le16(bytes, at + 2);
        at += 4;
        if (at + length > bytes.size())
            break;
        const QByteArray data = bytes.mid(at, length);
        at += length;
        switch (code) {
        case 0:
            contentsFile_ = systemText(data);
            break;
        case 1:
            indexFile_ = systemText(data);
            break;
        case 2:
            defaultTopic_ = systemText(data);
            break;
        case 3:
            title_ = systemText(data);
            break;
        case 4:
            localeId_ = le32(data, 0);
            break;
        default:
            break;
        }
    }
}

} // namespace help
