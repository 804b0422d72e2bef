#include "app/ImportFlow.h"

#include "app/MainFrame.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QCoreApplication>

bool FinishImport(CMainFrame& frame, Prompt& prompt, CVR500Radio& radio, CVR500Radio& copy,
                  const csv::Plan& plan, bool skipRefused, const QString& caption) {
    const csv::ImportResult result = csv::ApplyPlan(copy, plan, skipRefused);
    if (!result.failure.isEmpty()) {
        prompt.Message(result.failure, QString(), PromptButtons::Ok, PromptIcon::Stop);
        return false;
    }
    const QString where = QCoreApplication::translate("ImportFlow", "Line ");
    if (!result.problems.empty()) {
        QStringList lines = csv::ProblemLines(result.problems, where);
        if (!result.acceptedRanges.isEmpty())
            lines << result.acceptedRanges;
        ShowList(
            prompt,
            QCoreApplication::translate("ImportFlow", "No channels were changed. Rows to correct:"),
            lines, caption, PromptButtons::Ok, PromptIcon::Stop);
        return false;
    }
    radio.SetEditImage(copy.EditImage());
    frame.DataSetReplaced();
    frame.Announce(result.channelsSet == 1
                       ? QCoreApplication::translate("ImportFlow", "1 channel imported")
                       : QCoreApplication::translate("ImportFlow", "%1 channels imported")
                             .arg(result.channelsSet));
    if (!result.skipped.empty())
        ShowList(prompt,
                 QCoreApplication::translate("ImportFlow", "%1 channels imported. Rows left out:")
                     .arg(result.channelsSet),
                 csv::ProblemLines(result.skipped, where), caption, PromptButtons::Ok,
                 PromptIcon::Exclamation);
    if (!result.cutNames.empty())
        ShowList(prompt,
                 QCoreApplication::translate(
                     "ImportFlow", "%1 channels imported. Names longer than the receiver holds "
                                   "were cut:")
                     .arg(result.channelsSet),
                 csv::ProblemLines(result.cutNames, where), caption, PromptButtons::Ok,
                 PromptIcon::Information);
    return true;
}
