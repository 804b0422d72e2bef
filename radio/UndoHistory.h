#pragma once
// One history of the data set for Undo and Redo. A step keeps only the bytes it changed (their
// old and new values) with its name ("Paste", "Sort", "Setting") and the page it was made on.
//
// Memory bound: at most kMaxSteps steps and kMaxBytes bytes of kept values, the oldest steps
// going first, plus one copy of the data image (69818 bytes). A cell edit keeps a few bytes, a
// sort of 1000 channels about 26 KB, a step that rewrites the whole image about 140 KB, so the
// history never holds more than about 8.1 MB.

#include "radio/Radio.h"

#include <QString>
#include <cstddef>
#include <deque>
#include <vector>

class UndoHistory {
public:
    static constexpr int kMaxSteps = 200;
    static constexpr std::size_t kMaxBytes = 8u << 20;

    explicit UndoHistory(int maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes);

    // Starts a new history whose first state is current (New, Open, a read).
    void Reset(const Image& current);
    // Notes that the data set became current through the step label made on page. A step that
    // changed nothing is not kept (false). Any undone steps are dropped.
    bool Record(const Image& current, const QString& label, int page);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The name of the step Undo or Redo would take back or make again; empty when none.
    QString UndoLabel() const;
    QString RedoLabel() const;
    // Takes image back to before the last step (or makes the next undone step again) and
    // returns the page where that step was made; -1 when there is nothing to undo or redo.
    int Undo(Image& image);
    int Redo(Image& image);
    // The same on the model's working image.
    int Undo(CRadio& radio) { return Apply(radio, true); }
    int Redo(CRadio& radio) { return Apply(radio, false); }
    // The page Undo or Redo would return, without doing it; -1 when there is nothing.
    int UndoPage() const { return CanUndo() ? steps_[done_ - 1].page : -1; }
    int RedoPage() const { return CanRedo() ? steps_[done_].page : -1; }
    // Takes current as the state the history has reached, without a step: changes nobody
    // made as a step stay when earlier steps are undone.
    void Adopt(const Image& current) { top_ = current; }

    std::size_t Steps() const { return steps_.size(); }
    std::size_t KeptBytes() const { return keptBytes_; }

private:
    struct Run {
        int offset;
        std::vector<Byte> before;
        std::vector<Byte> after;
    };
    struct Step {
        QString label;
        int page;
        std::vector<Run> runs;
        std::size_t bytes;
    };

    int Apply(CRadio& radio, bool undo);
    static Step Diff(const Image& from, const Image& to);
    static void Apply(const Step& step, bool forward, Image& image);
    void Trim();

    int maxSteps_;
    std::size_t maxBytes_;
    std::deque<Step> steps_;
    std::size_t done_ = 0; // steps_[0..done_) are applied
    std::size_t keptBytes_ = 0;
    Image top_{}; // the data set as the history last left it
};
