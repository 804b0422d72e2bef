#pragma once
// Every message box and file dialog of the program goes through this one service, so the
// desktop window, the command-line tool and the tests each answer them in their own way.

#include <QString>
#include <QStringList>

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Stop, Exclamation, Question, Information };
enum class PromptAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    QString title;
    QString directory;
    QString fileName;
    QStringList filters; // "Radio Files (*.rdf)", "All files (*.*)"
    QString defaultSuffix;
};

class Prompt {
public:
    virtual ~Prompt() = default;
    // An empty caption shows the application name.
    virtual PromptAnswer Message(const QString& text, const QString& caption, PromptButtons buttons,
                                 PromptIcon icon) = 0;
    // The chosen path, or an empty string when the user cancels.
    virtual QString OpenFileName(const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(const FileDialogRequest& request) = 0;
};

inline constexpr char kAppName[] = "Corvinel";
