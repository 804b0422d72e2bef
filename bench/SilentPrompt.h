#pragma once
// Answers every box without showing it, so a stray message cannot stop the clock forever.

#include "radio/Prompt.h"

class SilentPrompt : public Prompt {
public:
    PromptAnswer Message(const QString&, const QString&, PromptButtons buttons,
                         PromptIcon) override {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
    QString OpenFileName(const FileDialogRequest&) override { return {}; }
    QString SaveFileName(const FileDialogRequest&) override { return {}; }
};
