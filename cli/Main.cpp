// corvinel-cli: the radio data files (and, through the link, the receiver) without a window.

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "radio/Codecs.h"
#include "radio/Settings.h"
#include "radio/Version.h"

#include <QCoreApplication>
#include <cstdio>
#include <vector>

namespace {

// Every table of commands the tool offers; a new file of commands adds its table here.
std::vector<Command> AllCommands() {
    std::vector<Command> all;
    for (auto table : {FileCommands(), TextCommands(), CompareCommands(), TransferCommands()})
        all.insert(all.end(), table.begin(), table.end());
    return all;
}

QStringList Words(const char* spaced) {
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void PrintOverview(const std::vector<Command>& commands, void (*print)(const QString&)) {
    print(QStringLiteral("usage: corvinel-cli COMMAND [ARGUMENTS]   (COMMAND --help for more)\n"));
    for (const Command& c : commands)
        print(QStringLiteral("  %1  %2")
                  .arg(QString::fromLatin1(c.name), -9)
                  .arg(QString::fromLatin1(c.summary).section(QLatin1Char('\n'), 0, 0)));
    print(QStringLiteral(
        "\ncorvinel-cli --version prints the version.\n"
        "Errors go to stderr with exit status 1; wrong usage exits with status 2.\n"
        "Questions the program would ask in its window are answered Cancel (or No),\n"
        "so nothing changes that the command line did not ask for."));
}

void PrintHelp(const Command& c) {
    PrintOut(QStringLiteral("usage: corvinel-cli %1\n\n%2")
                 .arg(QString::fromLatin1(c.usage), QString::fromLatin1(c.summary)));
}

int Run(const Command& command, const QStringList& args, CliPrompt& prompt) {
    Invocation inv{{}, {}, {}, prompt, command};
    const QStringList valueOptions = Words(command.valueOptions);
    const QStringList flagOptions = Words(command.flagOptions);
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            PrintHelp(command);
            return kExitOk;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            inv.positional.append(arg);
            continue;
        }
        const qsizetype eq = arg.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? arg : arg.left(eq);
        if (flagOptions.contains(name) && eq < 0) {
            inv.flags.insert(name);
        } else if (valueOptions.contains(name)) {
            if (eq < 0 && i + 1 >= args.size())
                return UsageError(command, name + QStringLiteral(" needs a value"));
            inv.values[name] = eq < 0 ? args[++i] : arg.mid(eq + 1);
        } else {
            return UsageError(command, QStringLiteral("unknown option ") + arg);
        }
    }
    if (inv.positional.size() < command.minPositional)
        return UsageError(command, QStringLiteral("missing argument"));
    if (inv.positional.size() > command.maxPositional)
        return UsageError(command, QStringLiteral("too many arguments"));
    if (command.needsCountry)
        SettleCountry(SystemLanguageId());
    return command.run(inv);
}

// Standard output is buffered: a full disk or a closed pipe shows only when it is flushed,
// and a command whose output was lost has failed.
int WithOutputFlushed(int status) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return status;
    PrintError(QStringLiteral("Error writing file:\nstandard output"));
    return kExitFailed;
}

} // namespace

// Names, paths and file contents reach these texts: none may drive the user's terminal.
void PrintOut(const QString& text) {
    std::fputs(VisibleText(text, true).toUtf8().append('\n').constData(), stdout);
}

void PrintError(const QString& text) {
    std::fputs(VisibleText(text, true).toUtf8().append('\n').constData(), stderr);
}

int UsageError(const Command& command, const QString& problem) {
    PrintError(
        QStringLiteral("corvinel-cli %1: %2\nusage: corvinel-cli %3")
            .arg(QString::fromLatin1(command.name), problem, QString::fromLatin1(command.usage)));
    return kExitUsage;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const std::vector<Command> commands = AllCommands();
    if (args.isEmpty()) {
        PrintOverview(commands, PrintError);
        return kExitUsage;
    }
    if (args[0] == QLatin1String("--version")) {
        PrintOut(QStringLiteral("corvinel-cli ") + QLatin1String(kAppVersion));
        return WithOutputFlushed(kExitOk);
    }
    if (args[0] == QLatin1String("--help") || args[0] == QLatin1String("-h") ||
        args[0] == QLatin1String("help")) {
        PrintOverview(commands, PrintOut);
        return WithOutputFlushed(kExitOk);
    }
    for (const Command& c : commands) {
        if (args[0] == QLatin1String(c.name)) {
            CliPrompt prompt;
            return WithOutputFlushed(Run(c, args.mid(1), prompt));
        }
    }
    PrintError(QStringLiteral("corvinel-cli: unknown command \"%1\"").arg(VisibleText(args[0])));
    PrintOverview(commands, PrintError);
    return kExitUsage;
}
