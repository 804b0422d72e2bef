// The command that compares two radio data files: diff.

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "radio/Compare.h"
#include "radio/Radio.h"

namespace {

// Exit statuses as diff(1) has them.
constexpr int kSame = 0;
constexpr int kDiffer = 1;
constexpr int kTrouble = 2;

int RunDiff(const Invocation& inv) {
    CVR500Radio before;
    CVR500Radio after;
    before.SetPrompt(&inv.prompt);
    after.SetPrompt(&inv.prompt);
    if (!before.LoadFile(inv.positional[0]) || !after.LoadFile(inv.positional[1]))
        return kTrouble;
    const compare::Differences differences =
        compare::CompareImages(before.EditImage(), after.EditImage());
    for (const QString& line : differences.Lines())
        PrintOut(line);
    return differences.Empty() ? kSame : kDiffer;
}

const Command kCompareCommands[] = {
    {"diff",
     "List what differs from FILE1 to FILE2 in the words the pages use.\n"
     "Channels added, removed and changed, each setting by its label, the preset, dual watch,\n"
     "search limit, skip frequency and band plan rows, the country version, and a count of the\n"
     "bytes no page shows. Each line shows the value in FILE1, an arrow, the value in FILE2.\n"
     "Exit status: 0 when the files hold the same data, 1 when they differ, 2 on trouble.",
     "diff FILE1 FILE2", "", "", 2, 2, false, RunDiff},
};

} // namespace

std::span<const Command> CompareCommands() {
    return kCompareCommands;
}
