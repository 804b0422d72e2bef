// The commands that turn a data file into YAML text and back: dump, apply.

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "radio/ConfigText.h"
#include "radio/FileIo.h"
#include "radio/Radio.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

bool IsStdout(const QString& path) {
    return path.isEmpty() || path == QLatin1String("-");
}

// Writing the output over the file being read would lose it.
bool RefusedAsInput(const QString& output, const QString& input) {
    const QString canonical = QFileInfo(output).canonicalFilePath();
    if (canonical.isEmpty() || canonical != QFileInfo(input).canonicalFilePath())
        return false;
    PrintError(QStringLiteral("Refused: the output %1 is the file being read.\nChoose another "
                              "output file.")
                   .arg(output));
    return true;
}

int RunDump(const Invocation& inv) {
    const QString output = inv.Value("-o");
    if (!IsStdout(output) && RefusedAsInput(output, inv.positional[0]))
        return kExitFailed;
    CVR500Radio radio;
    radio.SetPrompt(&inv.prompt);
    if (!radio.LoadFile(inv.positional[0]))
        return kExitFailed;
    const QByteArray text = configtext::Dump(radio.EditImage());
    if (IsStdout(output))
        return std::fwrite(text.constData(), 1, text.size(), stdout) ==
                       static_cast<size_t>(text.size())
                   ? kExitOk
                   : kExitFailed;
    const QString failure = SaveWholeFile(output, text);
    if (!failure.isEmpty()) {
        PrintError(failure);
        return kExitFailed;
    }
    return kExitOk;
}

int RunApply(const Invocation& inv) {
    const QString textPath = inv.positional[0];
    const QString output = inv.Value("-o");
    if (output.isEmpty())
        return UsageError(inv.command, QStringLiteral("-o OUT is required"));
    if (RefusedAsInput(output, textPath))
        return kExitFailed;
    QFile file(textPath);
    if (!file.open(QIODevice::ReadOnly)) {
        PrintError(QStringLiteral("Cannot open file:\n%1").arg(textPath));
        return kExitFailed;
    }
    const QByteArray text = file.read(configtext::kMaxTextSize + 1);

    CVR500Radio radio;
    radio.SetPrompt(&inv.prompt);
    std::optional<Image> base;
    if (inv.positional.size() > 1) {
        if (!radio.LoadFile(inv.positional[1]))
            return kExitFailed;
        base = radio.EditImage();
    }
    const configtext::Applied applied = configtext::Apply(text, base ? &*base : nullptr);
    if (!applied.Ok()) {
        PrintError(QStringLiteral("%1:%2\nNothing was written.").arg(textPath, applied.error));
        return kExitFailed;
    }
    radio.SetEditImage(applied.image);
    return radio.SaveTo(output) ? kExitOk : kExitFailed;
}

const Command kTextCommands[] = {
    {"dump",
     "Write the whole data file as YAML text to stdout (also with -o -) or to TEXT:\n"
     "receiver version, channels in use, band plan, skip frequencies, search limits,\n"
     "presets, dual watch pairs and every setting, under the names the pages show.\n"
     "Bytes those values do not hold are listed as raw bytes, so apply gives the file back.",
     "dump FILE [-o TEXT]", "-o", "", 1, 1, false, RunDump},
    {"apply",
     "Apply YAML text (as dump writes it) onto BASE, or onto a new data set of the text's\n"
     "receiver version, and write OUT. Every value is checked as the pages check it; the\n"
     "first refusal is reported with its line and key, and nothing is written.\n"
     "Channels and skip frequencies the text does not list are taken out of use; anything\n"
     "else the text leaves out keeps the value BASE has.",
     "apply TEXT [BASE] -o OUT", "-o", "", 1, 2, false, RunApply},
};

} // namespace

std::span<const Command> TextCommands() {
    return kTextCommands;
}
