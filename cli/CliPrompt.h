#pragma once
// The tool's answer to the model's message boxes and file dialogs: there is nobody to ask, so
// messages go to stderr and every question gets the answer that changes nothing.

#include "radio/Prompt.h"

class CliPrompt : public Prompt {
public:
    // Prints the text on stderr. OK-only messages are answered OK; OK/Cancel and
    // Yes/No/Cancel questions Cancel; Yes/No questions No.
    PromptAnswer Message(const QString& text, const QString& caption, PromptButtons buttons,
                         PromptIcon icon) override;
    // The file dialogs answer with `presetPath` (a command sets it from its arguments);
    // left empty, they count as cancelled.
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;

    QString presetPath;
};
