#pragma once

#include "listformat/ChannelListImage.h"

#include <cstdint>
#include <deque>
#include <memory>

// Undo and redo for the list image: whole-image snapshots (about 190 KB
// each), at most `depth` steps back. A change is framed by begin() and
// commit(); a frame that leaves the image as it was records nothing. The
// history also knows whether the image still matches its file: every state
// carries a number, and the number of the state last loaded or saved is kept.
class UndoHistory {
public:
    explicit UndoHistory(ChannelListImage& image, int depth = 100);

    // A list was opened or closed: no steps, and the image counts as its file.
    void reset();
    // The image was written to its file.
    void markSaved() { savedState_ = currentState_; }
    // True while the image differs from the state last loaded or saved.
    bool modified() const { return currentState_ != savedState_; }

    // Takes the image as it stands before a change.
    void begin();
    // Ends the change begun last; true when it changed the image (a step).
    bool commit();

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Restore the image of the step before / after; false when there is none.
    bool undo();
    bool redo();

    int undoCount() const { return static_cast<int>(undo_.size()); }
    int redoCount() const { return static_cast<int>(redo_.size()); }

private:
    struct State {
        std::unique_ptr<ChannelListImage> image;
        uint64_t number = 0;
    };

    ChannelListImage& image_;
    int depth_;
    std::deque<State> undo_; // oldest first
    std::deque<State> redo_; // next redo last
    std::unique_ptr<ChannelListImage> pending_;
    uint64_t currentState_ = 0;
    uint64_t savedState_ = 0;
    uint64_t nextState_ = 1;
};
