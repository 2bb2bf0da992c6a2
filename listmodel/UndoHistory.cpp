#include "listmodel/UndoHistory.h"

#include <algorithm>

UndoHistory::UndoHistory(ChannelListImage& image, int depth)
    : image_(image), depth_(std::max(depth, 1)) {}

void UndoHistory::reset() {
    undo_.clear();
    redo_.clear();
    pending_.reset();
    currentState_ = nextState_++;
    savedState_ = currentState_;
}

void UndoHistory::begin() {
    // Snapshots are reused from the oldest step when the history is full, so
    // a long session does not keep allocating.
    if (!pending_)
        pending_ = std::make_unique<ChannelListImage>(image_);
    else
        *pending_ = image_;
}

bool UndoHistory::commit() {
    if (!pending_ || *pending_ == image_)
        return false;
    undo_.push_back({std::move(pending_), currentState_});
    if (static_cast<int>(undo_.size()) > depth_) {
        pending_ = std::move(undo_.front().image);
        undo_.pop_front();
    }
    redo_.clear();
    currentState_ = nextState_++;
    return true;
}

bool UndoHistory::undo() {
    if (undo_.empty())
        return false;
    State step = std::move(undo_.back());
    undo_.pop_back();
    std::swap(*step.image, image_);
    std::swap(step.number, currentState_);
    redo_.push_back(std::move(step));
    return true;
}

bool UndoHistory::redo() {
    if (redo_.empty())
        return false;
    State step = std::move(redo_.back());
    redo_.pop_back();
    std::swap(*step.image, image_);
    std::swap(step.number, currentState_);
    undo_.push_back(std::move(step));
    return true;
}
