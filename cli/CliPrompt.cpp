#include "cli/CliPrompt.h"

#include "cli/Command.h"

PromptAnswer CliPrompt::Message(const QString& text, const QString& caption, PromptButtons buttons,
                                PromptIcon) {
    PrintError(caption.isEmpty() ? text : caption + QStringLiteral(": ") + text);
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        return PromptAnswer::No;
    case PromptButtons::OkCancel:
    case PromptButtons::YesNoCancel:
        break;
    }
    return PromptAnswer::Cancel;
}

QString CliPrompt::OpenFileName(const FileDialogRequest&) {
    return presetPath;
}

QString CliPrompt::SaveFileName(const FileDialogRequest&) {
    return presetPath;
}
