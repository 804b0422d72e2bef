#pragma once
// Answers the program's message boxes and file dialogs from a script and records what was
// asked, so tests can check texts, captions, buttons and icons.

#include "radio/Prompt.h"

#include <QString>
#include <deque>
#include <vector>

class ScriptedPrompt : public Prompt {
public:
    struct Shown {
        QString text;
        QString caption;
        PromptButtons buttons;
        PromptIcon icon;
        QString details; // what the desktop keeps behind Show Details
        QString action;  // the named button of a Confirm, beside Cancel
    };

    std::vector<Shown> messages;
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    // Answers in order; when empty, a message gets Ok (or Yes) and a file dialog is cancelled.
    std::deque<PromptAnswer> answers;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;

    PromptAnswer Message(const QString& text, const QString& caption, PromptButtons buttons,
                         PromptIcon icon) override {
        messages.push_back({text, caption, buttons, icon, {}, {}});
        return Answer(buttons);
    }
    PromptAnswer Details(const QString& text, const QString& details, const QString& caption,
                         PromptButtons buttons, PromptIcon icon) override {
        messages.push_back({text, caption, buttons, icon, details, {}});
        return Answer(buttons);
    }
    PromptAnswer Confirm(const QString& text, const QString& caption, const QString& action,
                         PromptIcon icon) override {
        messages.push_back({text, caption, PromptButtons::OkCancel, icon, {}, action});
        return Answer(PromptButtons::OkCancel);
    }
    QString OpenFileName(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Take(openPaths);
    }
    QString SaveFileName(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Take(savePaths);
    }

    QString LastText() const { return messages.empty() ? QString() : messages.back().text; }

private:
    PromptAnswer Answer(PromptButtons buttons) {
        if (!answers.empty()) {
            const PromptAnswer a = answers.front();
            answers.pop_front();
            return a;
        }
        return (buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel)
                   ? PromptAnswer::Yes
                   : PromptAnswer::Ok;
    }
    static QString Take(std::deque<QString>& queue) {
        if (queue.empty())
            return {};
        QString path = queue.front();
        queue.pop_front();
        return path;
    }
};
