#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct chmFile;

namespace help {

// A compiled-HTML help file (".chm") opened read-only through chmlib. No
// window: the help window and the tests read pages through it. Everything it
// hands out is bounded, so a damaged or hostile file costs little memory and
// time: a file whose header does not hold together is not given to chmlib at
// all, and no object larger than maxObjectSize is read.
class ChmArchive {
public:
    enum class Status { Ok, Missing, NotChm, Damaged };

    static constexpr qint64 maxFileSize = 64 * 1024 * 1024;
    static constexpr qint64 maxObjectSize = 8 * 1024 * 1024;

    ChmArchive();
    ~ChmArchive();
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    Status open(const QString& path);
    bool isOpen() const { return file_ != nullptr; }

    // The object at an absolute path inside the archive ("/index.html");
    // nothing when it is missing, too large or cannot be read whole.
    std::optional<QByteArray> read(const QString& path) const;
    bool contains(const QString& path) const;

    // From the archive's own description (#SYSTEM); empty when it has none.
    QString title() const { return title_; }
    QString contentsFile() const { return contentsFile_; }
    QString indexFile() const { return indexFile_; }
    QString defaultTopic() const { return defaultTopic_; }
    unsigned localeId() const { return localeId_; }

private:
    void readSystem();

    chmFile* file_ = nullptr;
    QString title_, contentsFile_, indexFile_, defaultTopic_;
    unsigned localeId_ = 0;
};

// True when the first bytes of a file look like a CHM header whose sizes fit
// the file: the check made before chmlib sees a file.
bool plausibleChmHeader(const QByteArray& head, qint64 fileSize);

} // namespace help
