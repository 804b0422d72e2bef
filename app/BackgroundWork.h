#pragma once
// Work the window must not wait on (a named pipe nobody opens, a huge channel list) runs on a
// thread of its own while a progress dialog with Cancel keeps the window alive.

#include <QString>
#include <atomic>
#include <functional>

class QWidget;

// What the work and the window share while it runs.
struct WorkState {
    std::atomic<bool> cancelled{false};
    std::atomic<int> percent{-1}; // -1 while the work cannot tell how far it is
};

// Runs work and returns true once it finished, false when the user cancelled first. Work that
// cannot see the cancel (stuck opening a pipe) is left to end on its own, so it must own
// everything it touches: it runs on after this returns.
bool RunInBackground(QWidget* parent, const QString& label, std::function<void(WorkState&)> work);
