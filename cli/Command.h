#pragma once
// The commands of corvinel-cli as a table: each names its options, and one parser serves all.

#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <span>

class CliPrompt;
struct Command;

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Invocation {
    QStringList positional;
    std::map<QString, QString> values; // option -> value, for options that take one
    std::set<QString> flags;           // options without a value that were given
    CliPrompt& prompt;
    const Command& command;

    bool Has(const char* option) const { return values.count(QLatin1String(option)) > 0; }
    QString Value(const char* option) const {
        const auto it = values.find(QLatin1String(option));
        return it == values.end() ? QString() : it->second;
    }
    bool Flag(const char* option) const { return flags.count(QLatin1String(option)) > 0; }
};

struct Command {
    const char* name;
    const char* summary;
    const char* usage;        // after "corvinel-cli "
    const char* valueOptions; // space separated, e.g. "-o --at"
    const char* flagOptions;  // space separated, e.g. "--wideband"
    int minPositional;
    int maxPositional;
    bool needsCountry; // settle the country setting before running
    int (*run)(const Invocation&);
};

// Each file of commands offers its table; cli/Main.cpp lists the tables.
std::span<const Command> FileCommands();
std::span<const Command> TransferCommands();
std::span<const Command> CompareCommands();
std::span<const Command> TextCommands();

void PrintOut(const QString& text);   // stdout, a line end added
void PrintError(const QString& text); // stderr, a line end added
// Prints "usage: corvinel-cli USAGE" on stderr and returns kExitUsage.
int UsageError(const Command& command, const QString& problem);
