#include "app/BackgroundWork.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>
#include <memory>
#include <thread>

#ifdef Q_OS_UNIX
#include <csignal>
#include <pthread.h>
#endif

namespace {

// A pipe whose reader went away after a cancelled export must fail that write, not end the
// program: the signal a write to it raises goes to the writing thread, which ignores it.
void RefuseBrokenPipeSignal() {
#ifdef Q_OS_UNIX
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
#endif
}

struct Shared {
    WorkState state;
    std::atomic<bool> done{false};
};
} // namespace

bool RunInBackground(QWidget* parent, const QString& label, std::function<void(WorkState&)> work) {
    auto shared = std::make_shared<Shared>();
    std::thread([shared, work = std::move(work)] {
        RefuseBrokenPipeSignal();
        work(shared->state);
        shared->done = true;
    }).detach();

    QProgressDialog dialog(label, QCoreApplication::translate("BackgroundWork", "Cancel"), 0, 0,
                           parent);
    auto* bar = new QProgressBar(&dialog);
    bar->setAccessibleName(label);
    dialog.setBar(bar);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(400); // quick work shows no dialog
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (shared->done || dialog.wasCanceled())
            return loop.quit();
        const int percent = shared->state.percent;
        if (percent >= 0 && dialog.maximum() == 0)
            dialog.setMaximum(100);
        dialog.setValue(std::max(percent, 0));
    });
    poll.start(20);
    dialog.setValue(0);
    if (!shared->done)
        loop.exec();
    if (shared->done)
        return true;
    shared->state.cancelled = true;
    return false;
}
