// corvinel-sim: a simulated VR-500 in clone mode on a pseudo-terminal.

#include "SimRadio.h"
#include "radio/Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace {

const char kDescription[] =
    "A simulated VR-500 receiver in clone mode on a pseudo-terminal.\n"
    "The first line on standard output is the device to connect to; the last one starts with\n"
    "\"result:\". Every byte the program sends is echoed back, as the clone cable does.\n\n"
    "Roles:\n"
    "  send FILE.rdf      the receiver sends the clone image of FILE (the program's Get Data)\n"
    "  receive FILE.rdf   the receiver takes an image and saves it as FILE (Send Data)\n\n"
    "Frames count from 0 (the start frame) in the order they cross the wire: with no fault,\n"
    "frame 1 is data block 0 and frame 489 the end frame. Exit status: 0 the transfer\n"
    "completed, 1 it did not, 2 bad arguments or file.";

struct Option {
    const char* name;
    const char* help;
    const char* value; // nullptr: a flag
};

const Option kOptions[] = {
    {"baud",
     "Pace every byte as the wire does at this rate (11 bits a byte, one wire for "
     "both directions). Default: unpaced.",
     "rate"},
    {"start-delay",
     "send: wait this long after the device is opened before the first frame "
     "(default 300).",
     "ms"},
    {"wait",
     "How long to wait for the program to open the device or to start (default "
     "30000).",
     "ms"},
    {"reply-wait", "How long to wait for the program's next reply or frame (default 5000).", "ms"},
    {"bad-checksum", "send: frame N carries a wrong checksum.", "N"},
    {"silence-after",
     "Fall silent after frame N (send: send no more; receive: answer no "
     "more).",
     "N"},
    {"refuse", "receive: refuse frame N with 03 15 REASON (hex), e.g. 0:80, 7:21.", "N:REASON"},
    {"bad-reply", "receive: answer frame N with 03 BYTE 00 (hex), e.g. 2:07.", "N:BYTE"},
    {"no-echo", "Do not echo what the program sends.", nullptr},
    {"no-reply", "receive: never answer.", nullptr},
    {"pieces", "send: split every frame into pieces of these sizes, e.g. 5,20,13.", "sizes"},
    {"piece-gap", "send: pause between pieces (default 20).", "ms"},
    {"extra-frames", "send: K data frames past the 488 of the image.", "K"},
    {"second-start", "send: a second start frame goes out as frame N.", "N"},
    {"kind", "send: frame N carries the kind byte BYTE (hex), e.g. 5:07.", "N:BYTE"},
    {"vanish", "The device vanishes at frame N (send: halfway through it).", "N"},
    {"country", "send: the country code in the start frame instead of the file's.", "C"},
    {"wideband", "send: the wideband flag in the start frame instead of the file's.", "W"},
};

bool Fail(const QString& text) {
    std::fprintf(stderr, "corvinel-sim: %s\n", qPrintable(text));
    return false;
}

bool IntOption(const QCommandLineParser& p, const char* name, int& out, int base = 10) {
    if (!p.isSet(QLatin1String(name)))
        return true;
    bool ok = false;
    out = p.value(QLatin1String(name)).toInt(&ok, base);
    return ok || Fail(QStringLiteral("--%1: not a number").arg(QLatin1String(name)));
}

bool PairOption(const QCommandLineParser& p, const char* name, int& at, int& byte) {
    if (!p.isSet(QLatin1String(name)))
        return true;
    const QStringList parts = p.value(QLatin1String(name)).split(QLatin1Char(':'));
    bool ok1 = false, ok2 = false;
    if (parts.size() == 2) {
        at = parts[0].toInt(&ok1);
        byte = parts[1].toInt(&ok2, 16);
    }
    return (ok1 && ok2 && byte >= 0 && byte <= 0xFF) ||
           Fail(QStringLiteral("--%1: expected N:HEX").arg(QLatin1String(name)));
}

bool Parse(const QCommandLineParser& p, SimOptions& o) {
    const QStringList args = p.positionalArguments();
    if (args.size() != 2 || (args[0] != "send" && args[0] != "receive"))
        return Fail(QStringLiteral("expected: send FILE.rdf | receive FILE.rdf (see --help)"));
    o.role = args[0] == "send" ? SimOptions::Role::Send : SimOptions::Role::Receive;
    o.file = args[1];
    o.noEcho = p.isSet(QStringLiteral("no-echo"));
    o.noReply = p.isSet(QStringLiteral("no-reply"));
    if (p.isSet(QStringLiteral("pieces"))) {
        for (const QString& s : p.value(QStringLiteral("pieces")).split(QLatin1Char(','))) {
            bool ok = false;
            const int n = s.toInt(&ok);
            if (!ok || n <= 0)
                return Fail(QStringLiteral("--pieces: expected sizes like 5,20,13"));
            o.pieces << n;
        }
    }
    return IntOption(p, "baud", o.baud) && IntOption(p, "start-delay", o.startDelayMs) &&
           IntOption(p, "wait", o.waitOpenMs) && IntOption(p, "reply-wait", o.replyWaitMs) &&
           IntOption(p, "bad-checksum", o.badChecksumAt) &&
           IntOption(p, "silence-after", o.silenceAfter) &&
           PairOption(p, "refuse", o.refuseAt, o.refuseReason) &&
           PairOption(p, "bad-reply", o.badReplyAt, o.badReplyByte) &&
           IntOption(p, "piece-gap", o.pieceGapMs) && IntOption(p, "extra-frames", o.extraFrames) &&
           IntOption(p, "second-start", o.secondStartAt) &&
           PairOption(p, "kind", o.kindAt, o.kindByte) && IntOption(p, "vanish", o.vanishAt) &&
           IntOption(p, "country", o.country) && IntOption(p, "wideband", o.wideband);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("corvinel-sim"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kAppVersion));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("role"), QStringLiteral("send or receive"));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the .rdf file"));
    for (const Option& o : kOptions)
        parser.addOption(o.value
                             ? QCommandLineOption(QLatin1String(o.name), QLatin1String(o.help),
                                                  QLatin1String(o.value))
                             : QCommandLineOption(QLatin1String(o.name), QLatin1String(o.help)));
    parser.process(app);
    SimOptions options;
    if (!Parse(parser, options))
        return 2;
    if (options.role == SimOptions::Role::Send) {
        QString error;
        if (LoadRdf(options.file, error).empty())
            return Fail(error), 2;
    }
    SimWire link;
    const QString device = link.Create();
    if (device.isEmpty())
        return Fail(QStringLiteral("cannot create a pseudo-terminal")), 2;
    std::printf("%s\n", qPrintable(device));
    std::fflush(stdout);
    return RunSimulator(options, link);
}
