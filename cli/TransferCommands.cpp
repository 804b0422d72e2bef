// The commands that talk to the receiver through the clone cable: read, write, and the cable
// check (doctor).

#include "cli/CliPrompt.h"
#include "cli/Command.h"
#include "link/CableDoctor.h"
#include "link/CloneReceiver.h"
#include "link/CloneSender.h"
#include "link/CloneSession.h"
#include "link/CommPort.h"
#include "radio/Backups.h"
#include "radio/FileIo.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <optional>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kScriptWaitSeconds = 120;
constexpr int kLongestWaitSeconds = 24 * 60 * 60;

// Ctrl+C reaches the event loop through a pipe, so a transfer ends through its own Cancel.
class Interrupts {
public:
    Interrupts() {
        if (::pipe(fds_) != 0)
            return;
        writeFd_ = fds_[1];
        notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
        struct sigaction sa {};
        sa.sa_handler = &Interrupts::OnSignal;
        ::sigaction(SIGINT, &sa, &old_);
    }
    ~Interrupts() {
        ::sigaction(SIGINT, &old_, nullptr);
        writeFd_ = -1;
        notifier_.reset();
        for (int fd : fds_)
            if (fd >= 0)
                ::close(fd);
    }
    Interrupts(const Interrupts&) = delete;
    Interrupts& operator=(const Interrupts&) = delete;

    QSocketNotifier* Notifier() { return notifier_.get(); }

private:
    static void OnSignal(int) {
        const char c = 1;
        if (writeFd_ >= 0) [[maybe_unused]]
            auto n = ::write(writeFd_, &c, 1);
    }
    static inline volatile int writeFd_ = -1;
    int fds_[2] = {-1, -1};
    struct sigaction old_ {};
    std::unique_ptr<QSocketNotifier> notifier_;
};

// "Reading  [##########          ]  50%" on stderr, redrawn in place; only on a terminal.
class ProgressBar {
public:
    explicit ProgressBar(const char* label) : label_(label), shown_(::isatty(STDERR_FILENO)) {}
    ~ProgressBar() { Finish(); }
    // Ends the bar's line, so what is printed next starts on a line of its own.
    void Finish() {
        if (shown_ && drawn_)
            std::fputs("\n", stderr);
        drawn_ = false;
    }
    void Show(int percent) {
        if (!shown_)
            return;
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        std::fprintf(stderr, "\r%s [%s%s] %3d%%", label_, std::string(filled, '#').c_str(),
                     std::string(kWidth - filled, ' ').c_str(), percent);
        std::fflush(stderr);
        drawn_ = true;
    }

private:
    const char* label_;
    bool shown_;
    bool drawn_ = false;
};

// The port named by --port, or nothing (told) when no port can have that name.
bool PortArgumentUsable(const Invocation& inv) {
    if (!inv.Has("--port"))
        return true;
    const QString problem = PortNameProblem(inv.Value("--port"));
    if (problem.isEmpty())
        return true;
    UsageError(inv.command, problem);
    return false;
}

std::unique_ptr<CCommPort> OpenPort(const Invocation& inv) {
    auto port =
        inv.Has("--port")
            ? std::make_unique<CCommPort>(&inv.prompt, QString::fromLatin1(CCommPort::kSettings),
                                          inv.Value("--port"))
            : std::make_unique<CCommPort>(&inv.prompt);
    if (port->IsOpen())
        return port;
    if (port->DeviceName().isEmpty())
        PrintError(QStringLiteral("No serial port is chosen: give one with --port DEVICE, or "
                                  "choose it in Corvinel's Comport Setup."));
    return nullptr;
}

// Waits for Enter on a terminal (the receiver must be ready to take data before the first
// frame); false when the user pressed Ctrl+C instead. Scripts start at once.
bool WaitForEnter(Interrupts& interrupts) {
    if (!::isatty(STDIN_FILENO))
        return true;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QEventLoop loop;
    bool go = false;
    QObject::connect(&input, &QSocketNotifier::activated, &loop, [&] {
        char line[256];
        go = std::fgets(line, sizeof line, stdin) != nullptr;
        loop.quit();
    });
    if (interrupts.Notifier())
        QObject::connect(interrupts.Notifier(), &QSocketNotifier::activated, &loop,
                         &QEventLoop::quit);
    loop.exec();
    return go;
}

// Runs the transfer to its end. A read waits for the receiver's first byte at most waitSeconds
// (0: without limit).
int Transfer(CloneSession& session, const char* label, Interrupts& interrupts,
             int waitSeconds = 0) {
    ProgressBar bar(label);
    QEventLoop loop;
    QObject::connect(&session, &CloneSession::progressChanged, &loop,
                     [&](int percent) { bar.Show(percent); });
    QObject::connect(&session, &CloneSession::finished, &loop, &QEventLoop::quit);
    if (interrupts.Notifier())
        QObject::connect(interrupts.Notifier(), &QSocketNotifier::activated, &session,
                         &CloneSession::Cancel);
    const auto* receiver = dynamic_cast<const CloneReceiver*>(&session.Engine());
    bool gaveUp = false;
    QTimer patience;
    patience.setSingleShot(true);
    QObject::connect(&patience, &QTimer::timeout, &session, [&] {
        if (receiver && !receiver->DataBegan()) {
            gaveUp = true;
            session.Cancel();
        }
    });
    session.Start();
    if (receiver && waitSeconds > 0)
        patience.start(std::chrono::seconds(waitSeconds));
    if (!session.Engine().IsFinished())
        loop.exec();
    bar.Finish();
    const auto* sender = dynamic_cast<const CloneSender*>(&session.Engine());
    switch (session.State()) {
    case CloneState::Succeeded:
        return kExitOk;
    case CloneState::Cancelled:
        if (gaveUp)
            PrintError(QStringLiteral("The receiver sent nothing within %1 seconds.\n%2\nPress "
                                      "its 2 key in clone mode sooner, or allow longer with "
                                      "--wait.")
                           .arg(waitSeconds)
                           .arg(CloneReceiver::SilenceAdvice()));
        else if (sender && sender->FramesSent() > 0)
            PrintError(QStringLiteral(
                "Cancelled. The receiver now holds a partly written image.\nTo recover, put it "
                "in clone mode again and write the data again."));
        else
            PrintError(QStringLiteral("Cancelled."));
        return kExitFailed;
    default:
        PrintError(session.Caption().isEmpty()
                       ? session.Message()
                       : session.Caption() + QStringLiteral(": ") + session.Message());
        return kExitFailed;
    }
}

// Runs the transfer and keeps its trace where --trace asks, whatever the outcome: a failed
// transfer is what a trace is for.
int TracedTransfer(const Invocation& inv, CloneSession& session, const char* label,
                   Interrupts& interrupts, int waitSeconds = 0) {
    const int result = Transfer(session, label, interrupts, waitSeconds);
    if (!inv.Has("--trace"))
        return result;
    const QString failure = session.Trace().SaveTo(inv.Value("--trace"));
    if (failure.isEmpty())
        return result;
    PrintError(QStringLiteral("The trace could not be written:\n%1\n%2")
                   .arg(inv.Value("--trace"), failure));
    return kExitFailed;
}

int RunRead(const Invocation& inv) {
    if (!inv.Has("-o"))
        return UsageError(inv.command, QStringLiteral("-o FILE is required"));
    // A person at a terminal sees the read waiting; a script must not hang for ever.
    int waitSeconds = ::isatty(STDIN_FILENO) ? 0 : kScriptWaitSeconds;
    if (inv.Has("--wait")) {
        bool ok = false;
        waitSeconds = inv.Value("--wait").toInt(&ok);
        if (!ok || waitSeconds < 0 || waitSeconds > kLongestWaitSeconds)
            return UsageError(
                inv.command,
                QStringLiteral("--wait takes seconds, 0..%1").arg(kLongestWaitSeconds));
    }
    const QString target = inv.Value("-o");
    // A read takes half a minute of the user's time: find out first whether its file can be
    // written at all.
    if (!CanSaveTo(target)) {
        PrintError(QStringLiteral("Cannot create file:\n") + target);
        return kExitFailed;
    }
    if (!PortArgumentUsable(inv))
        return kExitUsage;
    CVR500Radio radio;
    radio.SetPrompt(&inv.prompt);
    radio.NewImage();
    const auto port = OpenPort(inv);
    if (!port)
        return kExitFailed;
    Interrupts interrupts;
    PrintError(QString::fromLatin1(wire::kCloneModeSteps) + QLatin1Char('\n') +
               QString::fromLatin1(wire::kReadStep));
    CloneSession session(*port, std::make_unique<CloneReceiver>(radio.EditRadio()));
    session.SetStoresVersion(!inv.Flag("--no-settings"));
    const int result = TracedTransfer(inv, session, "Reading", interrupts, waitSeconds);
    if (result != kExitOk)
        return result; // nothing is written; the half image goes with the process
    if (!inv.Flag("--no-backup")) {
        // Kept before the file is written, so the data survive a file that fails.
        const backups::Written backup = backups::Write(radio.EditImage());
        PrintError(backup.failure.isEmpty()
                       ? QStringLiteral("Backup: ") + backup.path
                       : QStringLiteral("No backup was kept: ") + backup.failure);
    }
    if (!radio.SaveTo(target))
        return kExitFailed;
    // The file holds the receiver's version either way; the settings decide what the next
    // write sends.
    if (!session.VersionStored()) {
        PrintError(QStringLiteral("Warning: ") +
                   VersionNotStoredMessage(radio.Country(), radio.Wideband()) +
                   QStringLiteral("\n(--no-settings reads without storing the version.)"));
        return kExitFailed;
    }
    return kExitOk;
}

QString VersionText(int country, int wideband) {
    return QStringLiteral("country %1, wideband %2").arg(country).arg(wideband);
}

// The version the start frame carries: --country (with --wideband) when given, otherwise the
// stored one, which must be the version the file was made for.
std::optional<std::pair<int, int>> VersionToSend(const Invocation& inv, const CRadio& file,
                                                 int& status) {
    if (inv.Has("--country")) {
        bool ok = false;
        const int country = inv.Value("--country").toInt(&ok);
        if (!ok || !IsReceiverVersion(country, 0)) {
            status = UsageError(inv.command,
                                QStringLiteral("--country takes 0..%1").arg(kHighestCountry));
            return std::nullopt;
        }
        return std::pair{country, inv.Flag("--wideband") ? 1 : 0};
    }
    if (inv.Flag("--wideband")) {
        status = UsageError(inv.command, QStringLiteral("--wideband goes with --country N"));
        return std::nullopt;
    }
    int country = settings::kDefaultCountry;
    int wideband = settings::kDefaultWideband;
    ReadCountrySettings(country, wideband);
    if (file.Country() != country || file.Wideband() != wideband) {
        PrintError(QStringLiteral("Refused: %1 was made for %2, but the stored version is %3.\n"
                                  "Give --country N (and --wideband) to say which version the "
                                  "receiver gets.")
                       .arg(inv.positional[0], VersionText(file.Country(), file.Wideband()),
                            VersionText(country, wideband)));
        status = kExitFailed;
        return std::nullopt;
    }
    return std::pair{country, wideband};
}

int RunWrite(const Invocation& inv) {
    if (!PortArgumentUsable(inv))
        return kExitUsage;
    CVR500Radio radio;
    radio.SetPrompt(&inv.prompt);
    if (!radio.LoadFile(inv.positional[0]))
        return kExitFailed;
    int status = kExitFailed;
    const auto version = VersionToSend(inv, radio, status);
    if (!version)
        return status;
    const auto [country, wideband] = *version;
    // Cleared in what is sent only: the file stays as it is.
    wire::ClearBeforeWrite(radio.EditRadio());
    const auto port = OpenPort(inv);
    if (!port)
        return kExitFailed;
    Interrupts interrupts;
    const bool terminal = ::isatty(STDIN_FILENO);
    PrintError(QString::fromLatin1(wire::kCloneModeSteps) +
               (terminal ? QStringLiteral("\n4. Press the 1 key, then press Enter here to start "
                                          "writing the data.")
                         : QStringLiteral("\n4. The receiver must wait with its 1 key pressed.")));
    if (!WaitForEnter(interrupts)) {
        PrintError(QStringLiteral("Cancelled."));
        return kExitFailed;
    }
    CloneSession session(*port,
                         std::make_unique<CloneSender>(radio.EditRadio(), country, wideband));
    session.Trace().Note(QStringLiteral("version sent"), VersionText(country, wideband));
    return TracedTransfer(inv, session, "Writing", interrupts);
}

int RunDoctor(const Invocation& inv) {
    if (!PortArgumentUsable(inv))
        return kExitUsage;
    const QString device = DeviceForPort(inv.Has("--port") ? inv.Value("--port") : ReadCommPort());
    const doctor::Result result = doctor::Run(device);
    PrintOut(result.report);
    return result.problems == 0 ? kExitOk : kExitFailed;
}

const Command kTransferCommands[] = {
    {"read",
     "Read the receiver's memory into a new radio data file.\n"
     "The receiver sends its image when you press its 2 key in clone mode. On success FILE\n"
     "is written and the receiver's country and wideband become the stored setting; on any\n"
     "failure (or Ctrl+C) nothing is written. When the settings cannot be written, FILE is\n"
     "still written but the exit status is 1; --no-settings leaves the stored setting as it\n"
     "is. --port names the serial device (default: the stored port; 1..9 name\n"
     "/dev/ttyS0../dev/ttyS8). Unless --no-backup is given, what the receiver sent is also\n"
     "kept in the backups folder (the newest 50 reads are kept).\n"
     "--wait gives up when the receiver has sent nothing after SECONDS (0: wait without\n"
     "limit). Default: without limit on a terminal, 120 seconds otherwise.\n"
     "--trace writes every byte of the transfer with its time and direction, the versions\n"
     "and the line settings into TRACE (also when the transfer fails), for a help request.",
     "read [--port DEVICE] [--wait SECONDS] [--no-backup] [--no-settings] [--trace TRACE] "
     "-o FILE",
     "--port --wait --trace -o", "--no-backup --no-settings", 0, 0, true, &RunRead},
    {"write",
     "Write a radio data file into the receiver.\n"
     "The start frame carries the stored country and wideband; a FILE made for another\n"
     "version is refused unless --country N (0..4, with --wideband for wideband 1) names the\n"
     "version to send. The set-mode bytes the receiver must get as zero are cleared in what\n"
     "is sent, FILE itself is not changed.\n"
     "On a terminal the write starts when you press Enter (after the receiver's 1 key).\n"
     "Ctrl+C during the write leaves the receiver with a partly written image: write again.\n"
     "--port and --trace as for read.",
     "write [--port DEVICE] [--country N [--wideband]] [--trace TRACE] FILE",
     "--port --country --trace", "--wideband", 1, 1, true, &RunWrite},
    {"doctor",
     "Check what would stop a transfer, without the receiver.\n"
     "Lists the serial ports with their stable names (/dev/serial/by-id) and USB ids, checks\n"
     "that you may open the port (and the command that grants it), looks for programs that\n"
     "take USB serial adapters, and sends a short pattern that the clone cable must echo.\n"
     "--port names the device (default: the stored port, else the only USB adapter). Exit\n"
     "status 0 when nothing was wrong, 1 when a problem was found. The report fits one\n"
     "screen: copy it into a help request.",
     "doctor [--port DEVICE]", "--port", "", 0, 0, false, &RunDoctor},
};

} // namespace

std::span<const Command> TransferCommands() {
    return kTransferCommands;
}
