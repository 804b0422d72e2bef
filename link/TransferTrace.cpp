#include "link/TransferTrace.h"

#include "radio/Version.h"

#include <QSaveFile>
#include <QSysInfo>
#include <QtGlobal>

void TransferTrace::Begin(const QString& kind, const QString& device, const QString& lineSettings) {
    header_ = {
        QStringLiteral("Corvinel %1 transfer trace").arg(QLatin1String(kAppVersion)),
        QStringLiteral("qt: %1").arg(QLatin1String(qVersion())),
        QStringLiteral("system: %1, kernel %2 (%3)")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture()),
        QStringLiteral("transfer: ") + kind,
        QStringLiteral("port: %1 %2").arg(device, lineSettings),
    };
    chunks_.clear();
    outcome_.clear();
}

void TransferTrace::Note(const QString& name, const QString& value) {
    notes_ << name + QStringLiteral(": ") + value;
}

void TransferTrace::Bytes(Direction direction, const QByteArray& bytes, wire::Time at) {
    if (!bytes.isEmpty())
        chunks_.push_back({at, direction, bytes});
}

void TransferTrace::End(const QString& outcome, wire::Time at) {
    outcome_ = outcome;
    endedAt_ = at;
}

namespace {
QString Milliseconds(wire::Time at) {
    return QStringLiteral("%1 ms").arg(double(at.count()) / 1000.0, 10, 'f', 3);
}
} // namespace

QString TransferTrace::Text() const {
    QString text = (header_ + notes_).join(QLatin1Char('\n'));
    qint64 sent = 0, received = 0;
    for (const Chunk& c : chunks_)
        (c.direction == Direction::Sent ? sent : received) += c.bytes.size();
    text += QStringLiteral("\nbytes: %1 sent, %2 received (the cable's echo included)\n"
                           "time         dir  bytes (> sent, < received)\n")
                .arg(sent)
                .arg(received);
    for (const Chunk& c : chunks_)
        text +=
            QStringLiteral("%1  %2  %3\n")
                .arg(Milliseconds(c.at), QLatin1String(c.direction == Direction::Sent ? ">" : "<"),
                     QString::fromLatin1(c.bytes.toHex(' ')));
    if (!outcome_.isEmpty())
        text +=
            Milliseconds(endedAt_) + QStringLiteral("  result: ") + outcome_ + QLatin1Char('\n');
    return text;
}

QString TransferTrace::SaveTo(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Text().toUtf8()) < 0 || !file.commit())
        return file.errorString();
    return {};
}

TransferTrace& TransferTrace::Last() {
    static TransferTrace last;
    return last;
}
