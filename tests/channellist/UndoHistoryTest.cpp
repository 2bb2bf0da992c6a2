#include "listmodel/UndoHistory.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct Fixture {
    std::unique_ptr<ChannelListImage> image = std::make_unique<ChannelListImage>();
    UndoHistory history{*image};

    void change(uint16_t value) {
        history.begin();
        image->channels[0].programNumber = value;
        history.commit();
    }
};

} // namespace

TEST(UndoHistoryTest, KeepsAtMostItsDepthAndRecordsNoEmptySteps) {
    Fixture f;
    f.history.reset();
    for (uint16_t i = 1; i <= 101; ++i)
        f.change(i);
    f.change(101); // no change, no step
    EXPECT_EQ(f.history.undoCount(), 100);
    while (f.history.undo()) {
    }
    EXPECT_EQ(f.image->channels[0].programNumber, 1); // the oldest step fell off
    EXPECT_TRUE(f.history.modified());
    EXPECT_EQ(f.history.redoCount(), 100);
}

TEST(UndoHistoryTest, ModifiedFollowsTheSavedState) {
    Fixture f;
    f.history.reset();
    EXPECT_FALSE(f.history.modified());
    f.change(5);
    EXPECT_TRUE(f.history.modified());
    f.history.undo();
    EXPECT_FALSE(f.history.modified());
    f.history.redo();
    f.history.markSaved();
    EXPECT_FALSE(f.history.modified());
    f.history.undo();
    EXPECT_TRUE(f.history.modified());
    f.change(7); // a new step drops the redo side
    EXPECT_FALSE(f.history.canRedo());
    EXPECT_TRUE(f.history.modified());
}
