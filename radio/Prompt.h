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
    // A message with a longer report that the desktop keeps in a scrollable area of its own;
    // where there is none, the report follows the text.
    virtual PromptAnswer Details(const QString& text, const QString& details,
                                 const QString& caption, PromptButtons buttons, PromptIcon icon) {
        return Message(text + QStringLiteral("\n\n") + details, caption, buttons, icon);
    }
    // A question whose yes-button is named for what it does ("Insert") beside Cancel; Ok
    // means go ahead. Where buttons cannot be named, OK and Cancel stand in.
    virtual PromptAnswer Confirm(const QString& text, const QString& caption,
                                 const QString& /*action*/, PromptIcon icon) {
        return Message(text, caption, PromptButtons::OkCancel, icon);
    }
    // The chosen path, or an empty string when the user cancels.
    virtual QString OpenFileName(const FileDialogRequest& request) = 0;
    virtual QString SaveFileName(const FileDialogRequest& request) = 0;
};

inline constexpr char kAppName[] = "Corvinel";

// A message over a list: a few lines stay in the text, more go to the details, so the box
// never grows taller than the screen.
inline PromptAnswer ShowList(Prompt& prompt, const QString& text, const QStringList& lines,
                             const QString& caption, PromptButtons buttons, PromptIcon icon) {
    constexpr qsizetype kLinesInText = 10;
    if (lines.size() <= kLinesInText)
        return prompt.Message(text + QLatin1Char('\n') + lines.join(QLatin1Char('\n')), caption,
                              buttons, icon);
    return prompt.Details(text, lines.join(QLatin1Char('\n')), caption, buttons, icon);
}
