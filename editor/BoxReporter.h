#pragma once

#include "fileio/FileWriter.h"
#include "i18n/Messages.h"
#include "listmodel/ListFileTexts.h"
#include "ui/UserDialogs.h"

#include <QFile>

class QWidget;

// The list file's messages (checksum, favourites, failed saves) as plain
// message boxes of the editor.
class BoxReporter : public ListFileMessages {
public:
    BoxReporter(UserDialogs& dialogs, QWidget* parent) : dialogs_(dialogs), parent_(parent) {}
    // A failed save whose old content could only be kept in a copy names the
    // copy under the failure message, so the user can get the file back.
    void writeFailed(const fileio::WriteResult& result) override {
        keptCopy_ = QFile::decodeName(QByteArray::fromStdString(result.oldContentCopy));
    }
    void plainMessage(const QString& text) override {
        QString shown = text;
        if (!keptCopy_.isEmpty())
            shown += QStringLiteral("\n") + i18n::text(i18n::Msg::OldContentKept).arg(keptCopy_);
        keptCopy_.clear();
        ::plainMessage(dialogs_, parent_, shown);
    }

private:
    UserDialogs& dialogs_;
    QWidget* parent_;
    QString keptCopy_;
};
