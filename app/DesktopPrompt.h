#pragma once
// The program's prompt service: real message boxes and file dialogs over the main window.

#include "radio/Prompt.h"

#include <QPointer>
#include <QWidget>

class DesktopPrompt : public Prompt {
public:
    // The window the boxes and dialogs belong to; they are centred over it.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    PromptAnswer Message(const QString& text, const QString& caption, PromptButtons buttons,
                         PromptIcon icon) override;
    PromptAnswer Details(const QString& text, const QString& details, const QString& caption,
                         PromptButtons buttons, PromptIcon icon) override;
    PromptAnswer Confirm(const QString& text, const QString& caption, const QString& action,
                         PromptIcon icon) override;
    QString OpenFileName(const FileDialogRequest& request) override;
    QString SaveFileName(const FileDialogRequest& request) override;

private:
    PromptAnswer Show(const QString& text, const QString& details, const QString& caption,
                      PromptButtons buttons, PromptIcon icon);

    QPointer<QWidget> owner_;
};
