#include "radio/UndoHistory.h"

#include <algorithm>

namespace {
// Changed bytes closer than this are kept as one run: fewer, slightly longer runs.
constexpr int kJoinGap = 16;
} // namespace

UndoHistory::UndoHistory(int maxSteps, std::size_t maxBytes)
    : maxSteps_(std::max(1, maxSteps)), maxBytes_(maxBytes) {}

void UndoHistory::Reset(const Image& current) {
    steps_.clear();
    done_ = 0;
    keptBytes_ = 0;
    top_ = current;
}

UndoHistory::Step UndoHistory::Diff(const Image& from, const Image& to) {
    Step step{{}, 0, {}, 0};
    const int size = static_cast<int>(from.size());
    int i = 0;
    while (i < size) {
        if (from[i] == to[i]) {
            ++i;
            continue;
        }
        const int start = i;
        int end = i + 1; // one past the last changed byte of the run
        for (int j = end; j < size && j < end + kJoinGap; ++j)
            if (from[j] != to[j])
                end = j + 1;
        Run run{start,
                {from.begin() + start, from.begin() + end},
                {to.begin() + start, to.begin() + end}};
        step.bytes += 2 * run.before.size();
        step.runs.push_back(std::move(run));
        i = end;
    }
    return step;
}

void UndoHistory::Apply(const Step& step, bool forward, Image& image) {
    for (const Run& run : step.runs) {
        const std::vector<Byte>& bytes = forward ? run.after : run.before;
        std::copy(bytes.begin(), bytes.end(), image.begin() + run.offset);
    }
}

bool UndoHistory::Record(const Image& current, const QString& label, int page) {
    Step step = Diff(top_, current);
    if (step.runs.empty())
        return false;
    step.label = label;
    step.page = page;
    while (steps_.size() > done_) {
        keptBytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    keptBytes_ += step.bytes;
    steps_.push_back(std::move(step));
    done_ = steps_.size();
    top_ = current;
    Trim();
    return true;
}

// Drops the oldest steps beyond the bound; the newest step always stays.
void UndoHistory::Trim() {
    while (steps_.size() > 1 &&
           (steps_.size() > static_cast<std::size_t>(maxSteps_) || keptBytes_ > maxBytes_)) {
        keptBytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --done_;
    }
}

QString UndoHistory::UndoLabel() const {
    return CanUndo() ? steps_[done_ - 1].label : QString();
}

QString UndoHistory::RedoLabel() const {
    return CanRedo() ? steps_[done_].label : QString();
}

int UndoHistory::Undo(Image& image) {
    if (!CanUndo())
        return -1;
    const Step& step = steps_[--done_];
    Apply(step, false, image);
    Apply(step, false, top_);
    return step.page;
}

int UndoHistory::Redo(Image& image) {
    if (!CanRedo())
        return -1;
    const Step& step = steps_[done_++];
    Apply(step, true, image);
    Apply(step, true, top_);
    return step.page;
}

int UndoHistory::Apply(CRadio& radio, bool undo) {
    Image image = radio.EditImage();
    const int page = undo ? Undo(image) : Redo(image);
    radio.SetEditImage(image);
    return page;
}
