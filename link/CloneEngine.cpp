#include "link/CloneEngine.h"

QByteArray CloneEngine::TakeOutput() {
    QByteArray out;
    out.swap(output_);
    return out;
}

void CloneEngine::Finish(CloneState state, const QString& message, const QString& caption) {
    state_ = state;
    message_ = message;
    caption_ = caption;
    deadline_.reset();
}

void CloneEngine::Abort(const QString& message, const QString& caption) {
    if (!IsFinished())
        Finish(CloneState::Failed, message, caption);
}
