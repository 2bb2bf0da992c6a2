#include "transfer/SendOutcome.h"

#include "fileio/SafeFileWrite.h"
#include "listformat/ListFile.h"
#include "transfer/TransferState.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <vector>

namespace {
constexpr qint64 kLeastListFileBytes = 184997;
constexpr int kIdentityOffset = 28;

OutcomeMessage box(i18n::Msg slot, OutcomeMessage::Icon icon) {
    OutcomeMessage message;
    message.show = true;
    message.slot = slot;
    message.icon = icon;
    return message;
}

// Reads a whole file into a buffer of at least minimum bytes (zeros after the
// file's bytes); -1 when it cannot be opened or read.
qint64 readWhole(const QString& path, std::vector<uint8_t>& buffer, qint64 minimum) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const qint64 size = file.size();
    buffer.assign(static_cast<std::size_t>(std::max(size + 1, minimum)), 0);
    const qint64 got = size > 0 ? file.read(reinterpret_cast<char*>(buffer.data()), size) : 0;
    return got < 0 ? -1 : got;
}

// Writes the receiver's list into folder under a name not taken yet.
bool writeBackup(const QString& folder, const std::vector<uint8_t>& list, QString* path,
                 std::string* reason) {
    if (!QDir().mkpath(folder)) {
        *reason = QStringLiteral("%1: cannot create the folder").arg(folder).toStdString();
        return false;
    }
    const QString stamp = backupFileName(QDateTime::currentDateTime());
    QString target = QDir(folder).filePath(stamp);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QDir(folder).filePath(stamp.chopped(4) + QStringLiteral("-%1.lst").arg(n));
    fileio::WriteResult written;
    if (!writeFileReplacing(target, reinterpret_cast<const char*>(list.data()), list.size(),
                            &written)) {
        *reason = target.toStdString() + ": " + written.reason;
        return false;
    }
    *path = target;
    return true;
}
} // namespace

bool isListFileName(const QString& name) {
    return name.endsWith(QStringLiteral("lst"), Qt::CaseInsensitive);
}

uint8_t CheckChannelListOui(const uint8_t* image) {
    return image == nullptr ? 0 : image[kIdentityOffset];
}

QString backupFileName(const QDateTime& when) {
    return QStringLiteral("receiver-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".lst");
}

bool OpenChannelList(TransferState& state) {
    state.ListFileSize = 0;
    state.ListFileBuffer.clear();
    std::vector<uint8_t> buffer;
    const qint64 got = readWhole(state.SendFileName, buffer, ListImageBytes);
    if (got < kLeastListFileBytes)
        return false;
    state.ListFileBuffer = std::move(buffer);
    state.ListFileSize = static_cast<int32_t>(got);
    return true;
}

bool ReadFirmFiles(TransferState& state) {
    bool anyOpened = false;
    for (std::size_t i = 0; i < state.SoftwareFileNames.size(); ++i) {
        state.SoftwareBuffers[i].clear();
        state.SoftwareSizes[i] = 0;
        const QString& name = state.SoftwareFileNames[i];
        if (name.isEmpty() || !QFileInfo::exists(name))
            continue;
        std::vector<uint8_t> buffer;
        const qint64 got = readWhole(name, buffer, 0);
        if (got < 0)
            continue;
        anyOpened = true;
        if (got > 0) {
            state.SoftwareBuffers[i] = std::move(buffer);
            state.SoftwareSizes[i] = static_cast<int32_t>(got);
        }
    }
    return anyOpened;
}

QString softwareFileThatIsAList(const TransferState& state) {
    for (std::size_t i = 0; i < state.SoftwareFileNames.size(); ++i)
        if (state.SoftwareSizes[i] == ListImageBytes &&
            fileCrcHolds(state.SoftwareBuffers[i].data(), ListImageBytes))
            return state.SoftwareFileNames[i];
    return {};
}

ListSendCheck checkListForSend(TransferState& state, const QString& backupFolder) {
    using Verdict = ListSendCheck::Verdict;
    ListSendCheck check;
    const int32_t receivedSize =
        std::min<int32_t>(state.ReceivedSize, static_cast<int32_t>(state.ReceiveBuffer.size()));
    const uint8_t receiverId =
        state.ReceiveBuffer.empty() ? 0 : CheckChannelListOui(state.ReceiveBuffer.data());
    if (receivedSize <= 0)
        return check; // nothing came back: nothing to compare, nothing to back up
    const std::vector<uint8_t> receiverList(state.ReceiveBuffer.begin(),
                                            state.ReceiveBuffer.begin() + receivedSize);
    state.releaseReceiveBuffer();
    state.ReceivedSize = 0;

    if (!OpenChannelList(state))
        return check;
    const uint8_t fileId = CheckChannelListOui(state.ListFileBuffer.data());
    if (receiverId != 0 && receiverId != fileId) {
        check.verdict = Verdict::Unsuitable;
        return check;
    }
    if (!fileCrcHolds(state.ListFileBuffer.data(), state.ListFileBuffer.size())) {
        check.verdict = Verdict::NoList;
        return check;
    }
    // The receiver's list is overwritten by the send: keep it first.
    check.verdict = writeBackup(backupFolder, receiverList, &check.backupPath, &check.reason)
                        ? Verdict::Send
                        : Verdict::BackupFailed;
    return check;
}

OutcomeMessage finishListSend(const TransferState& state) {
    return state.ListAccepted ? box(i18n::Msg::ListSent, OutcomeMessage::Icon::Information)
                              : box(i18n::Msg::SendFailed, OutcomeMessage::Icon::Warning);
}

OutcomeMessage finishSoftwareUpdate(TransferState& state) {
    for (std::size_t i = 0; i < state.SoftwareBuffers.size(); ++i) {
        state.SoftwareBuffers[i].clear();
        state.SoftwareBuffers[i].shrink_to_fit();
        state.SoftwareSizes[i] = 0;
    }
    return state.UpdateDone ? box(i18n::Msg::UpdateDone, OutcomeMessage::Icon::Information)
                            : box(i18n::Msg::SoftwareFailed, OutcomeMessage::Icon::Warning);
}
