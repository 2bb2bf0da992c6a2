#pragma once

#include "editor/EditForm.h"
#include "editor/FavForm.h"
#include "editor/Warnung.h"
#include "listmodel/ChannelListModel.h"
#include "tests/channellist/ListTestSupport.h"
#include "tests/support/FakeDialogs.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <vector>

// The editor, its favourites window and warnings over a model of their own,
// with fake dialogs; list files go to a scratch directory.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a list file with these channels (favourite numbers as given).
    QString writeList(const std::vector<ChannelRecord>& channels, const QString& name = "a.lst");
    // Opens a file through the open dialog.
    void open(const QString& path);
    void selectRows(int top, int bottom);
    std::vector<int> ids() const { return listtest::usedIds(model->image); }
    std::string cell(int column, int row) const { return model->channelGrid.cell(column, row); }

    FakeDialogs dialogs;
    std::unique_ptr<ChannelListModel> model = std::make_unique<ChannelListModel>();
    std::unique_ptr<TWarnung> warnings[4];
    std::unique_ptr<TFavForm> fav;
    std::unique_ptr<TEditForm> edit;
    QTemporaryDir dir;
};

// Readable QString values in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

// count TV channels with program numbers 1..count, then radio 101...
std::vector<ChannelRecord> tvThenRadio(int tv, int radio = 0);
// TV and radio interleaved: TV1, R101, TV2, R102, ...
std::vector<ChannelRecord> interleaved(int pairs);
