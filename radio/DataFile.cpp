#include "radio/FileIo.h"
#include "radio/Prompt.h"
#include "radio/Radio.h"
#include "radio/Settings.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <algorithm>
#include <cstring>

using namespace layout;

namespace {

const char kCannotOpen[] = QT_TRANSLATE_NOOP("DataFile", "Cannot open file:\n%s");
const char kNotDataFile[] = QT_TRANSLATE_NOOP("DataFile", "Not a radio data file:\n%s");
const char kOtherRadio[] =
    QT_TRANSLATE_NOOP("DataFile", "Radio data file for for different radio:\n%s");
const char kInvalidHeader[] = QT_TRANSLATE_NOOP("DataFile", "Radio data file has invalid header");
const char kInvalidFormat[] = QT_TRANSLATE_NOOP("DataFile", "Radio data file has invalid format");
const char kVersionMismatch[] = QT_TRANSLATE_NOOP(
    "DataFile",
    "%1 was made for a VR-500 of another version (%2); the receiver set up here is %3.\n\n"
    "%4, and settings outside its ranges return to its defaults.\n\n"
    "Open the file adjusted? Undo takes the adjustment back.");
const char kNewFileName[] = "NONAME.RDF";
const char kCannotSave[] = QT_TRANSLATE_NOOP("DataFile", "Cannot save file:");
const char kChangedOnDisk[] = QT_TRANSLATE_NOOP(
    "DataFile", "%s was changed by another program since it was opened or last saved here.\n\n"
                "Yes: overwrite it with the data shown.\nNo: save the data as another file.\n"
                "Cancel: save nothing.");
const char kChangedNotice[] = QT_TRANSLATE_NOOP(
    "DataFile", "%s was changed on disk by another program. Save will ask before overwriting it.");

// The messages reach the user in the window's language.
QString Text(const char* text) {
    return QCoreApplication::translate("DataFile", text);
}

// Fills the first "%s" only, so a path that itself holds "%s" comes out as it is.
QString WithPath(const char* text, const QString& path) {
    QString result = Text(text);
    const int at = result.indexOf(QLatin1String("%s"));
    return at < 0 ? result : result.replace(at, 2, path);
}

// Reads until n bytes are in or the file ends; short reads of pipes and the like add up.
qint64 ReadFully(QFile& file, Byte* into, qint64 n) {
    qint64 total = 0;
    while (total < n) {
        const qint64 got = file.read(reinterpret_cast<char*>(into) + total, n - total);
        if (got <= 0)
            break;
        total += got;
    }
    return total;
}

FileDialogRequest RadioFileRequest(const char* title, const QString& folder) {
    return {QString::fromLatin1(title),
            folder,
            QStringLiteral("*.rdf"),
            {QStringLiteral("Radio Files (*.rdf)"), QStringLiteral("All files (*.*)")},
            QStringLiteral("rdf")};
}

QString FullPath(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

void WriteNewHeader(Byte* h) {
    std::memcpy(h + header::kSignature, header::kSignatureBytes, 4);
    std::memcpy(h + header::kRadioTag, header::kRadioTagBytes, 4);
    PutU32(h + header::kFormatWord, header::kFormatWordValue);
    PutU32(h + header::kFileLength, kImageSize);
    std::memcpy(h + header::kRadioName, header::kRadioNameText, sizeof header::kRadioNameText);
    PutU16(h + header::kChannelCount, ri::kChannelCount);
    PutU16(h + header::kReservedRecordSize, kReservedChannelAreaSize / ri::kChannelCount);
    PutU16(h + header::kSide10RecordSize, kSideRecord10Size);
    PutU16(h + header::kSide32RecordSize, kSideRecord32Size);
    PutU32(h + header::kReservedAreaOffset, kReservedChannelArea);
    PutU32(h + header::kSide10Offset, kChannelSideRecords10);
    PutU32(h + header::kSide32Offset, kChannelSideRecords32);
    PutU32(h + header::kRadioImageOffset, kRadioImage);
}

void CRadio::NewImage() {
    savedImage_.fill(0);
    WriteNewHeader(savedImage_.data());
    LoadDefaultImage(Radio(savedImage_));
    editImage_ = savedImage_;
    fileName = QString::fromLatin1(kNewFileName);
    filePath = dataDir.isEmpty() ? fileName : QDir::toNativeSeparators(dataDir + '/' + fileName);
    untitled = true;
    RememberStamp();
    UpdateTitle();
}

// The file is read into a scratch image and copied to editImage_ only when every check has
// passed, so a refused file leaves the working data as it was.
bool CRadio::LoadFile(const QString& path) {
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly)) {
        ShowFileMessage(WithPath(kCannotOpen, path));
        return false;
    }
    Image loaded{};
    if (ReadFully(file, loaded.data(), kRdfHeaderSize) < kRdfHeaderSize ||
        std::memcmp(loaded.data() + header::kSignature, header::kSignatureBytes, 4) != 0) {
        ShowFileMessage(WithPath(kNotDataFile, path));
        return false;
    }
    if (std::memcmp(loaded.data() + header::kRadioTag, header::kRadioTagBytes, 4) != 0) {
        ShowFileMessage(WithPath(kOtherRadio, path));
        return false;
    }
    if (GetU32(loaded.data() + header::kFileLength) != static_cast<std::uint32_t>(kImageSize)) {
        ShowFileMessage(Text(kInvalidHeader));
        return false;
    }
    const qint64 rest = kImageSize - kRdfHeaderSize;
    if (ReadFully(file, loaded.data() + kRdfHeaderSize, rest) < rest) {
        ShowFileMessage(Text(kInvalidFormat));
        return false;
    }
    std::fill_n(loaded.data() + header::kClearedOnLoad, header::kClearedOnLoadSize, Byte{0});
    editImage_ = loaded;
    return true;
}

QString CRadio::AskForFile(const QString& folder) {
    return prompt_ ? prompt_->OpenFileName(RadioFileRequest("Open Radio File", folder)) : QString();
}

bool CRadio::OnFileOpen() {
    const QString path = AskForFile(dataDir);
    return !path.isEmpty() && OpenFile(path);
}

bool CRadio::OpenFromFolder(const QString& folder) {
    const QString path = AskForFile(QDir::toNativeSeparators(folder));
    const bool inFolder = QFileInfo(path).absolutePath() == QFileInfo(folder).absoluteFilePath();
    return !path.isEmpty() && OpenChosen(path, inFolder);
}

bool CRadio::OpenFile(const QString& path) {
    return OpenChosen(path, false);
}

bool CRadio::OpenChosen(const QString& path, bool asCopy) {
    if (const QString refused = NotRegularFile(QStringLiteral("Cannot open file:"), path);
        !refused.isEmpty()) {
        ShowFileMessage(refused);
        return false;
    }
    const Image before = editImage_;
    if (!LoadFile(path))
        return false;
    // The file as it is on disk: an adjustment to the receiver's version is a change to it.
    const Image asInFile = editImage_;

    int country = settings::kDefaultCountry;
    int wideband = settings::kDefaultWideband;
    ReadCountrySettings(country, wideband);
    Byte* radio = EditRadio();
    const Byte fileCountry = radio[ri::kCountryCode];
    const Byte fileWideband = radio[ri::kWidebandFlag];
    radio[ri::kCountryCode] = static_cast<Byte>(country);
    radio[ri::kWidebandFlag] = static_cast<Byte>(wideband);
    if (fileCountry != radio[ri::kCountryCode] || fileWideband != radio[ri::kWidebandFlag]) {
        if (!ConfirmVersionChange(path, fileCountry, fileWideband)) {
            editImage_ = before;
            return false;
        }
        RepairForCountry();
    }
    savedImage_ = asInFile;
    fileName = QFileInfo(path).fileName();
    filePath = FullPath(path);
    untitled = asCopy;
    RememberStamp();
    UpdateTitle();
    if (!asCopy)
        RememberFolder(path);
    return true;
}

// EditImage holds the file with the receiver's version already written into it, so the
// channels listed are those the repair will empty.
bool CRadio::ConfirmVersionChange(const QString& path, int fileCountry, int fileWideband) {
    QStringList lost;
    for (int n = 1; n <= ri::kChannelCount; ++n) {
        if (!IsChannelUsed(n))
            continue;
        const int hz = DecodeDigits(EditRadio() + ri::ChannelFrequency(n), 8);
        if (IsFrequencyBlockedFor(hz, Country(), Wideband()))
            lost << QStringLiteral("Channel %1: %2 %3")
                        .arg(n)
                        .arg(FrequencyText(hz), TextFromName(EditRadio() + ri::ChannelName(n)))
                        .trimmed();
    }
    const QString emptied = lost.isEmpty() ? QStringLiteral("No channel will be emptied")
                            : lost.size() == 1
                                ? QStringLiteral("1 channel holds a frequency this version cannot "
                                                 "receive and will be emptied")
                                : QStringLiteral("%1 channels hold frequencies this version cannot "
                                                 "receive and will be emptied")
                                      .arg(lost.size());
    message = Text(kVersionMismatch)
                  .arg(QFileInfo(path).fileName(), VersionText(fileCountry, fileWideband),
                       VersionText(Country(), Wideband()), emptied);
    if (!prompt_)
        return false;
    const PromptAnswer answer =
        lost.isEmpty()
            ? prompt_->Message(message, QString(), PromptButtons::OkCancel, PromptIcon::Exclamation)
            : prompt_->Details(message, lost.join(QLatin1Char('\n')), QString(),
                               PromptButtons::OkCancel, PromptIcon::Exclamation);
    return answer == PromptAnswer::Ok;
}

bool CRadio::OnFileSave() {
    if (untitled)
        return OnFileSaveAs();
    return CommitEdits() && SaveChecked(filePath);
}

QString CRadio::ProposedFileName(const QString& suffix) const {
    const QString base =
        fileName == QLatin1String(kNewFileName)
            ? QStringLiteral("VR-500 %1").arg(QDate::currentDate().toString(Qt::ISODate))
            : QFileInfo(fileName).completeBaseName();
    return base + QLatin1Char('.') + suffix;
}

bool CRadio::OnFileSaveAs() {
    if (!CommitEdits())
        return false;
    FileDialogRequest request = RadioFileRequest("Save Radio File", dataDir);
    request.fileName = ProposedFileName(QStringLiteral("rdf"));
    const QString path = prompt_ ? prompt_->SaveFileName(request) : QString();
    if (path.isEmpty() || !SaveChecked(path))
        return false;
    RememberFolder(path);
    return true;
}

bool CRadio::SaveTo(const QString& path) {
    return CommitEdits() && WriteTo(path);
}

void CRadio::ShowFileMessage(const QString& text) {
    message = text;
    if (prompt_)
        prompt_->Message(text, QString(), PromptButtons::Ok, PromptIcon::Stop);
}

void CRadio::RememberFolder(const QString& path) {
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    if (folder.compare(dataDir, Qt::CaseInsensitive) != 0)
        WriteDataDir(folder);
    dataDir = folder;
}

// The new bytes go to a temporary file beside the target that replaces it only once complete,
// so a failed save leaves the old file whole.
bool CRadio::WriteTo(const QString& path) {
    Image saved = editImage_;
    saved[header::kReserved80] = 0;
    saved[header::kReserved81] = 0;
    const QString failure =
        SaveWholeFile(path, QByteArray(reinterpret_cast<const char*>(saved.data()), kImageSize));
    if (!failure.isEmpty()) {
        ShowFileMessage(failure);
        return false;
    }
    savedImage_ = saved;
    // The working copy drops the two bytes the file just lost too, or what was saved would
    // still count as changed.
    editImage_[header::kReserved80] = 0;
    editImage_[header::kReserved81] = 0;
    fileName = QFileInfo(path).fileName();
    filePath = FullPath(path);
    untitled = false;
    RememberStamp();
    UpdateTitle();
    return true;
}

bool CRadio::SaveChecked(const QString& path) {
    if (const QString refused = NotRegularFile(Text(kCannotSave), path); !refused.isEmpty()) {
        ShowFileMessage(refused);
        return false;
    }
    const bool current = !untitled && FullPath(path) == filePath;
    if (!current || StampOf(path) == stamp_)
        return WriteTo(path);
    message = WithPath(kChangedOnDisk, QFileInfo(path).fileName());
    const PromptAnswer answer =
        prompt_ ? prompt_->Message(message, QString(), PromptButtons::YesNoCancel,
                                   PromptIcon::Exclamation)
                : PromptAnswer::Cancel;
    if (answer == PromptAnswer::Yes)
        return WriteTo(path);
    return answer == PromptAnswer::No && OnFileSaveAs();
}

// ---- The file on disk ------------------------------------------------------------------

void CRadio::SetChangedOnDiskHook(std::function<void(const QString&)> hook) {
    changedOnDisk_ = std::move(hook);
    if (changedOnDisk_ && !watcher_) {
        watcher_ = std::make_unique<QFileSystemWatcher>();
        QObject::connect(watcher_.get(), &QFileSystemWatcher::fileChanged, watcher_.get(),
                         [this] { OnFileChangedOnDisk(); });
    }
    RememberStamp();
}

void CRadio::RememberStamp() {
    stamp_ = untitled ? FileStamp{} : StampOf(filePath);
    noticed_ = stamp_;
    if (!watcher_)
        return;
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (!stamp_.IsEmpty())
        watcher_->addPath(filePath);
}

// Saving replaces the file, which the watcher reports too: only a file that is no longer
// what this program wrote is news.
void CRadio::OnFileChangedOnDisk() {
    if (untitled || stamp_.IsEmpty())
        return;
    const FileStamp now = StampOf(filePath);
    if (!watcher_->files().contains(filePath) && !now.IsEmpty())
        watcher_->addPath(filePath); // a replaced file is a new one to watch
    if (now == stamp_ || now == noticed_)
        return;
    noticed_ = now;
    if (changedOnDisk_)
        changedOnDisk_(WithPath(kChangedNotice, VisibleText(fileName)));
}
