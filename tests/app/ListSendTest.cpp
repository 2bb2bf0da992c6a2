// "Daten senden..." end to end: the main window against the stand-in receiver
// on a pseudo-terminal, lists and software files, with the window's and the
// receiver's pauses 20 times faster.
#include "tests/app/SimWindowFixture.h"

#include "listformat/ListCrc32.h"
#include "serial/FirmThread.h"
#include "serial/LoadThread.h"
#include "tests/support/ListBlocks.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace {
using Icon = UserDialogs::Icon;

const QString sent = QString::fromUtf8("Liste wurde vollständig gesendet");
const QString sendFailed = QString::fromUtf8("Beim Senden der Liste ist ein Fehler aufgetreten.");
const QString unsuitable = QString::fromUtf8("Diese Senderliste ist nicht für Ihr Gerät geeignet");
const QString noList = QString::fromUtf8("Keine Liste geöffnet!");
const QString updateDone = QStringLiteral("Software Update abgeschlossen");
const QString updateFailed = QStringLiteral("Die Software konnte nicht geladen werden");

// A valid list with this identity byte.
std::vector<uint8_t> listWithIdentity(uint32_t seed, uint8_t identity) {
    std::vector<uint8_t> block = listblocks::make(seed);
    block[28] = identity;
    const uint32_t crc =
        listCrc32(block.data() + listblocks::crcFirst, listblocks::crcEnd - listblocks::crcFirst);
    for (int i = 0; i < 4; ++i)
        block[8 + i] = static_cast<uint8_t>(crc >> (8 * i));
    return block;
}

std::vector<uint8_t> corrupt(std::vector<uint8_t> block) {
    block[1000] ^= 1;
    return block;
}

class ListSendTest : public SimWindowTest {
protected:
    // The receiver keeps what it is sent in store; no backups from before.
    void startOn(std::vector<std::string> options) {
        QDir(store).removeRecursively();
        QDir().mkpath(store);
        QDir(QStringLiteral("backups")).removeRecursively();
        QFile::remove(QStringLiteral("backups"));
        options.insert(options.end(), {"--store", store.toStdString()});
        SimWindowTest::startOn(std::move(options));
    }

    void send(const QStringList& files) {
        dialogs.openAnswers.push_back(files);
        button("SpeedButton3")->click();
    }
    // Until the box that ends the transfer.
    bool ended(int ms = 60000) {
        return waitFor(
            [this] {
                return !dialogs.messageTexts().isEmpty() && !form().transfer().ListBusy &&
                       !form().transfer().UpdateBusy;
            },
            ms);
    }
    QString file(const char* name, const std::vector<uint8_t>& bytes) {
        const QString path = QDir::current().filePath(QString::fromLatin1(name));
        listblocks::writeFile(path, bytes);
        return path;
    }
    QStringList stored() const { return QDir(store).entryList(QDir::Files, QDir::Name); }
    QStringList backups() const { return QDir(QStringLiteral("backups")).entryList(QDir::Files); }

    QString store = QDir::current().filePath(QStringLiteral("store"));
};

TEST_F(ListSendTest, ListGoesOutByteIdenticalAfterItsBackup) {
    const auto served = listWithIdentity(7, 9);
    file("served.lst", served);
    startOn({"--list", "served.lst"});
    const auto list = listWithIdentity(8, 9);
    const QString path = file("new.LST", list); // any letter case marks a list
    send({path});
    EXPECT_EQ(form().transfer().LastTransfer, 2);
    ASSERT_TRUE(ended());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{sent});
    EXPECT_EQ(dialogs.shown.back().icon, Icon::Information);
    ASSERT_EQ(stored(), QStringList{QStringLiteral("list1.lst")});
    EXPECT_EQ(listblocks::readFile(store + "/list1.lst"), listblocks::bytes(list));
    ASSERT_EQ(backups().size(), 1);
    const QString backup = QStringLiteral("backups/") + backups().first();
    EXPECT_EQ(listblocks::readFile(backup), listblocks::bytes(served));
    EXPECT_TRUE(control<QLabel>("StatusBar1")->text().endsWith(backup));
    EXPECT_TRUE(listblocks::readFile("logLoad.txt").contains(backup.toUtf8()));
    const QString view = control<QPlainTextEdit>("RichEdit1")->toPlainText();
    EXPECT_TRUE(view.contains(QString::fromUtf8("Liste wurde übernommen")));
    EXPECT_TRUE(view.contains(QStringLiteral("Speichern beendet")));
    EXPECT_FALSE(form().listPort()->IsOpen());

    // Repeat: no dialog, the same file again.
    dialogs.clear();
    button("RedoButton")->click();
    EXPECT_TRUE(button("CancelButton")->isEnabled());
    ASSERT_TRUE(ended());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{sent});
    EXPECT_EQ(stored().size(), 2);
}

TEST_F(ListSendTest, RefusalsSendNothing) {
    struct Case {
        const char* name;
        std::vector<std::string> options;
        std::vector<uint8_t> list;
        bool backupBlocked;
        QString text; // the file's path follows the no-list text
        bool backedUp;
    };
    const std::vector<Case> cases = {
        {"backup folder blocked",
         {"--identity", "3"},
         listWithIdentity(2, 3),
         true,
         i18n::text(i18n::Msg::BackupFailed),
         false},
        {"other identity", {"--identity", "5"}, listWithIdentity(2, 6), false, unsuitable, false},
        {"wrong checksum",
         {"--identity", "5"},
         corrupt(listWithIdentity(2, 5)),
         false,
         noList,
         false},
        {"receiver rejects",
         {"--identity", "0", "--reject-list"},
         listWithIdentity(2, 1),
         false,
         sendFailed,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startOn(c.options);
        if (c.backupBlocked) {
            QFile blocker(QStringLiteral("backups")); // the folder cannot be made
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        const QString path = file("refused.lst", c.list);
        send({path});
        ASSERT_TRUE(ended());
        ASSERT_EQ(dialogs.messageTexts().size(), 1)
            << dialogs.messageTexts().join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(dialogs.messageTexts().first().startsWith(c.text));
        EXPECT_EQ(dialogs.shown.back().icon, Icon::Warning);
        if (c.text == noList) {
            EXPECT_EQ(dialogs.messageTexts().first(), noList + path);
        }
        // Sent only when the receiver's list is backed up.
        EXPECT_EQ(stored().size(), c.backedUp ? 1 : 0);
        EXPECT_EQ(backups().size(), c.backedUp ? 1 : 0);
        WindowTest::TearDown();
        sim.reset();
        dialogs.clear();
    }
}

TEST_F(ListSendTest, ThreeSoftwareFilesInOrder) {
    startOn({});
    std::vector<std::vector<uint8_t>> contents;
    QStringList paths;
    for (int i = 0; i < 3; ++i) {
        contents.push_back(std::vector<uint8_t>(3000 + 1000 * i, static_cast<uint8_t>('a' + i)));
        paths << file(("soft" + std::to_string(i) + ".bin").c_str(), contents.back());
    }
    send(paths);
    EXPECT_EQ(form().transfer().LastTransfer, 1);
    ASSERT_TRUE(ended());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{updateDone});
    ASSERT_EQ(stored(), (QStringList{"file1.app", "file2.app", "file3.app"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(listblocks::readFile(store + "/" + stored()[i]), listblocks::bytes(contents[i]));
    EXPECT_TRUE(form().transfer().SoftwareBuffers[0].empty());
    EXPECT_FALSE(form().updatePort()->IsOpen());
    EXPECT_TRUE(QFile::exists(QStringLiteral("logUpdate.txt")));

    // Four files, or a list among software files: refused, nothing started.
    dialogs.clear();
    send(paths + QStringList{paths[0]});
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{QString::fromUtf8("Es können maximal nur 3 Dateien geladen werden.")});
    dialogs.clear();
    const QString looksLikeList = file("list.bin", listWithIdentity(1, 1));
    send({paths[0], looksLikeList});
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList{i18n::text(i18n::Msg::SoftwareIsList) + looksLikeList});
    EXPECT_FALSE(form().transfer().UpdateBusy);
}

TEST_F(ListSendTest, CancelEachTransfer) {
    // Cancelled as soon as each worker runs: in its handshake or, at the
    // latest, right after its image.
    startOn({"--identity", "3"});
    send({file("cancel.lst", listWithIdentity(4, 3))});
    ASSERT_TRUE(waitFor([this] { return form().loadThread() != nullptr; }, 60000));
    button("CancelButton")->click();
    ASSERT_TRUE(ended());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{sendFailed});

    dialogs.clear();
    send({file("cancel.bin", std::vector<uint8_t>(40000, 7))});
    ASSERT_TRUE(
        waitFor([this] { return control<QProgressBar>("ProgressBar1")->value() > 0; }, 30000));
    button("CancelButton")->click();
    ASSERT_TRUE(ended());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{updateFailed});
}

} // namespace
