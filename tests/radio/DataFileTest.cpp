#include "radio/Radio.h"
#include "radio/Settings.h"
#include "support/AsOrdinaryUser.h"
#include "support/Files.h"
#include "support/ImageEdit.h"
#include "support/ScriptedPrompt.h"
#include "support/TempSettings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace layout;

namespace {

QByteArray Bytes(const Image& image) {
    return QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize);
}

class DataFile : public testing::Test {
protected:
    DataFile() {
        radio.SetPrompt(&prompt);
        radio.onTitle = [this](const QString& t) { title = t; };
        radio.NewImage();
    }

    QString PathOf(const QString& name) const { return dir.filePath(name); }

    // A valid file for the stored country, with a channel name the test can recognise.
    QByteArray ValidFile(Byte marker = 0x5A) const {
        QByteArray bytes = Bytes(radio.SavedImage());
        int country = 0;
        int wideband = 0;
        ReadCountrySettings(country, wideband);
        bytes[RadioImageOffset(ri::kCountryCode)] = static_cast<char>(country);
        bytes[RadioImageOffset(ri::kWidebandFlag)] = static_cast<char>(wideband);
        bytes[RadioImageOffset(ri::ChannelName(7))] = static_cast<char>(marker);
        return bytes;
    }

    QString Put(const QString& name, const QByteArray& bytes) {
        WriteAll(PathOf(name), bytes);
        return PathOf(name);
    }

    void ExpectStopMessage(const QString& text) {
        EXPECT_EQ(radio.Message(), text);
        ASSERT_FALSE(prompt.messages.empty());
        const ScriptedPrompt::Shown& shown = prompt.messages.back();
        EXPECT_EQ(shown.text, text);
        EXPECT_TRUE(shown.caption.isEmpty());
        EXPECT_EQ(shown.buttons, PromptButtons::Ok);
        EXPECT_EQ(shown.icon, PromptIcon::Stop);
    }

    TempSettings settings;
    QTemporaryDir dir;
    ScriptedPrompt prompt;
    CVR500Radio radio;
    QString title;
};

TEST_F(DataFile, NewImageWritesTheHeaderAndIsUntitled) {
    const Byte expected[16] = {0x52, 0x44, 0x46, 0x00, 0x56, 0x58, 0x35, 0x30,
                               0x02, 0x00, 0x00, 0x00, 0xBA, 0x10, 0x01, 0x00};
    EXPECT_EQ(std::memcmp(radio.SavedImage().data(), expected, 16), 0);
    EXPECT_EQ(std::memcmp(radio.SavedImage().data() + 16, "Yaesu VX500\0\0", 13), 0);
    const Byte layoutFields[] = {0xE8, 0x03, 12, 0, 10,   0,    32, 0, 180,  0,    0, 0,
                                 0xAA, 0x6C, 0,  0, 0xBA, 0x93, 0,  0, 0x94, 0x2F, 0, 0};
    EXPECT_EQ(std::memcmp(radio.SavedImage().data() + 56, layoutFields, sizeof layoutFields), 0);
    EXPECT_TRUE(std::all_of(radio.SavedImage().begin() + 80, radio.SavedImage().begin() + 180,
                            [](Byte b) { return b == 0; }));
    EXPECT_EQ(radio.EditImage(), radio.SavedImage());
    EXPECT_EQ(radio.FileName(), "NONAME.RDF");
    EXPECT_TRUE(radio.IsUntitled());
    EXPECT_EQ(title, "Corvinel - NONAME.RDF");

    // Save of an untitled set asks for a name, writes the image and names the file.
    prompt.savePaths.push_back(PathOf("first.rdf"));
    ASSERT_TRUE(radio.OnFileSave());
    ASSERT_EQ(prompt.saveRequests.size(), 1u);
    EXPECT_EQ(prompt.saveRequests[0].title, "Save Radio File");
    EXPECT_EQ(prompt.saveRequests[0].fileName,
              "VR-500 " + QDate::currentDate().toString(Qt::ISODate) + ".rdf");
    EXPECT_EQ(ReadAll(PathOf("first.rdf")), Bytes(radio.SavedImage()));
    EXPECT_FALSE(radio.IsUntitled());
    EXPECT_EQ(title, "Corvinel - first.rdf");
    EXPECT_EQ(ReadDataDir(), QDir::toNativeSeparators(dir.path()));
}

TEST_F(DataFile, EveryLoadFailureHasItsMessageAndKeepsTheData) {
    const QByteArray good = ValidFile();
    QByteArray otherSignature = good;
    otherSignature[3] = 'X';
    QByteArray otherRadio = good;
    otherRadio[7] = '1';
    QByteArray badLength = good;
    badLength[header::kFileLength] = static_cast<char>(0xBB);
    QDir(dir.path()).mkdir(QStringLiteral("folder.rdf"));

    struct Case {
        const char* name;
        QByteArray bytes;
        const char* message; // %s: the path
    } cases[] = {
        {"missing.rdf", {}, "Cannot open file:\n%s"},
        {"folder.rdf", {}, "Cannot open file:\n%s"},
        {"empty.rdf", QByteArray(""), "Not a radio data file:\n%s"},
        {"short.rdf", good.left(179), "Not a radio data file:\n%s"},
        {"signature.rdf", otherSignature, "Not a radio data file:\n%s"},
        {"tag.rdf", otherRadio, "Radio data file for for different radio:\n%s"},
        {"length.rdf", badLength, "Radio data file has invalid header"},
        {"header-only.rdf", good.left(180), "Radio data file has invalid format"},
        {"cut.rdf", good.left(kImageSize - 1), "Radio data file has invalid format"},
    };
    PokeImage(radio, 100, 0x77); // unsaved edit that a failed load must not disturb
    const Image before = radio.EditImage();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = PathOf(QString::fromLatin1(c.name));
        if (!c.bytes.isNull())
            WriteAll(path, c.bytes);
        EXPECT_FALSE(radio.LoadFile(path));
        ExpectStopMessage(QString::fromLatin1(c.message).replace(QLatin1String("%s"), path));
        EXPECT_EQ(radio.EditImage(), before);
    }
}

TEST_F(DataFile, LoadReadsTheFirst69818BytesAndClearsHeaderBytes82To99) {
    QByteArray bytes = ValidFile();
    bytes[header::kFormatWord] = 1;
    std::memcpy(bytes.data() + header::kRadioName, "anything at all", 15);
    for (int i = 80; i < 180; ++i)
        bytes[i] = static_cast<char>(i);
    const QString path = Put(QStringLiteral("long.rdf"), bytes + QByteArray(500, '\x33'));

    ASSERT_TRUE(radio.LoadFile(path));
    QByteArray expected = bytes;
    std::memset(expected.data() + header::kClearedOnLoad, 0, header::kClearedOnLoadSize);
    EXPECT_EQ(Bytes(radio.EditImage()), expected);
}

TEST_F(DataFile, OpenThenSaveWritesZerosInHeaderBytes80To99) {
    QByteArray bytes = ValidFile();
    for (int i = 80; i < 100; ++i)
        bytes[i] = static_cast<char>(0xEE);
    bytes[150] = 0x11;
    const QString path = Put(QStringLiteral("reserved.rdf"), bytes);
    prompt.openPaths.push_back(path);
    radio.OnFileOpen();
    ASSERT_TRUE(prompt.messages.empty()) << prompt.LastText().toStdString();
    for (int i = header::kClearedOnLoad; i < 100; ++i) {
        EXPECT_EQ(radio.EditImage()[i], 0) << i;
        EXPECT_EQ(radio.SavedImage()[i], 0) << i;
    }
    ASSERT_TRUE(radio.OnFileSave());
    const QByteArray saved = ReadAll(path);
    EXPECT_EQ(saved.mid(80, 20), QByteArray(20, '\0'));
    EXPECT_EQ(saved[150], 0x11);
    // What was just saved no longer counts as changed.
    EXPECT_FALSE(radio.IsChanged());
}

TEST_F(DataFile, OpenOfAMatchingFileAsksNothingAndMakesItCurrent) {
    WriteCountrySettings(2, 1);
    QByteArray bytes = ValidFile(0x42);
    bytes[RadioImageOffset(ri::kCountryCode)] = 2;
    bytes[RadioImageOffset(ri::kWidebandFlag)] = 1;
    const QString path = Put(QStringLiteral("match.rdf"), bytes);
    prompt.openPaths.push_back(path);

    radio.OnFileOpen();
    ASSERT_EQ(prompt.openRequests.size(), 1u);
    const FileDialogRequest& asked = prompt.openRequests[0];
    EXPECT_EQ(asked.title, "Open Radio File");
    EXPECT_EQ(asked.fileName, "*.rdf");
    EXPECT_EQ(asked.filters, QStringList({"Radio Files (*.rdf)", "All files (*.*)"}));
    EXPECT_EQ(asked.defaultSuffix, "rdf");
    EXPECT_TRUE(prompt.messages.empty());
    EXPECT_EQ(Bytes(radio.EditImage()), bytes);
    EXPECT_EQ(radio.SavedImage(), radio.EditImage());
    EXPECT_EQ(radio.FileName(), "match.rdf");
    EXPECT_EQ(radio.FilePath(), path);
    EXPECT_FALSE(radio.IsUntitled());
    EXPECT_EQ(title, "Corvinel - match.rdf");
}

TEST_F(DataFile, CancelledOrFailedOpenChangesNothing) {
    PokeImage(radio, 200, 9);
    const Image edit = radio.EditImage();
    const Image saved = radio.SavedImage();
    radio.OnFileOpen(); // the dialog is cancelled
    prompt.openPaths.push_back(PathOf("nothing-here.rdf"));
    radio.OnFileOpen();
    EXPECT_EQ(radio.EditImage(), edit);
    EXPECT_EQ(radio.SavedImage(), saved);
    EXPECT_EQ(radio.FileName(), "NONAME.RDF");
    EXPECT_TRUE(radio.IsUntitled());
    EXPECT_TRUE(ReadDataDir().isEmpty());
}

TEST_F(DataFile, CountryMismatchAsksAndCancelRestores) {
    WriteCountrySettings(0, 0);
    QByteArray bytes = ValidFile(0x43);
    bytes[RadioImageOffset(ri::kCountryCode)] = 1;
    const QString path = Put(QStringLiteral("other-country.rdf"), bytes);
    const Image edit = radio.EditImage();
    const Image saved = radio.SavedImage();

    prompt.openPaths.push_back(path);
    prompt.answers.push_back(PromptAnswer::Cancel);
    radio.OnFileOpen();
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_TRUE(prompt.messages[0].text.startsWith(
        "other-country.rdf was made for a VR-500 of another version (country 1, ham bands); the "
        "receiver set up here is country 0, Japan.\n"))
        << prompt.messages[0].text.toStdString();
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(prompt.messages[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(radio.EditImage(), edit);
    EXPECT_EQ(radio.SavedImage(), saved);
    EXPECT_EQ(radio.FileName(), "NONAME.RDF");
}

TEST_F(DataFile, CountryMismatchAnsweredOkTakesTheCurrentSettings) {
    WriteCountrySettings(0, 0);
    QByteArray bytes = ValidFile(0x44);
    bytes[RadioImageOffset(ri::kCountryCode)] = 4;
    bytes[RadioImageOffset(ri::kWidebandFlag)] = 1;
    // Channel 12 at 812 MHz is not allowed in country 0 without wideband; 13 at 145 MHz is.
    for (const auto& [n, hz] : {std::pair{12, 812'000'000}, std::pair{13, 145'000'000}}) {
        EncodeDigits(reinterpret_cast<Byte*>(bytes.data()) +
                         RadioImageOffset(ri::ChannelFrequency(n)),
                     hz, 8);
        CRadio::SetBit(reinterpret_cast<Byte*>(bytes.data()) +
                           RadioImageOffset(ri::kChannelUsedBitmap),
                       n - 1, true);
    }
    const QString path = Put(QStringLiteral("wide.rdf"), bytes);

    prompt.openPaths.push_back(path);
    prompt.answers.push_back(PromptAnswer::Ok);
    radio.OnFileOpen();
    ASSERT_EQ(prompt.messages.size(), 1u);
    // The message names both versions; the details list each channel to be emptied.
    const QString& text = prompt.messages[0].text;
    EXPECT_TRUE(text.contains("(country 4, general, wideband); the receiver set up here is "
                              "country 0, Japan."))
        << text.toStdString();
    EXPECT_TRUE(text.contains("1 channel holds a frequency this version cannot receive and "
                              "will be emptied"));
    const QString& details = prompt.messages[0].details;
    EXPECT_TRUE(details.contains("Channel 12: 812.00000")) << details.toStdString();
    EXPECT_FALSE(details.contains("Channel 13:"));
    EXPECT_EQ(radio.Country(), 0);
    EXPECT_EQ(radio.Wideband(), 0);
    EXPECT_EQ(radio.EditRadio()[ri::ChannelName(7)], 0x44);
    EXPECT_FALSE(radio.IsChannelUsed(12));
    EXPECT_EQ(radio.GetChannel(12)->frequencyHz, 812'000'000);
    EXPECT_TRUE(radio.IsChannelUsed(13));
    // The file on disk is the saved state: the adjustment is an unsaved change.
    EXPECT_EQ(Bytes(radio.SavedImage()).mid(180), bytes.mid(180));
    EXPECT_TRUE(radio.IsChanged());
    EXPECT_EQ(radio.FileName(), "wide.rdf");
}

TEST_F(DataFile, DataFolderIsRememberedUnlessOnlyItsCaseDiffers) {
    const QString folder = QDir::toNativeSeparators(dir.path());
    WriteDataDir(folder.toUpper());
    CVR500Radio fresh;
    fresh.SetPrompt(&prompt);
    EXPECT_EQ(fresh.DataDir(), folder.toUpper());
    prompt.openPaths.push_back(Put(QStringLiteral("a.rdf"), ValidFile()));
    fresh.OnFileOpen();
    EXPECT_EQ(fresh.DataDir(), folder);
    EXPECT_EQ(ReadDataDir(), folder.toUpper());

    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    prompt.openPaths.push_back(Put(QStringLiteral("sub/b.rdf"), ValidFile()));
    fresh.OnFileOpen();
    EXPECT_EQ(fresh.DataDir(), folder + QDir::separator() + "sub");
    EXPECT_EQ(ReadDataDir(), fresh.DataDir());
    EXPECT_EQ(fresh.FilePath(), fresh.DataDir() + QDir::separator() + "b.rdf");

    // The next dialog starts in the remembered folder.
    fresh.OnFileOpen();
    EXPECT_EQ(prompt.openRequests.back().directory, fresh.DataDir());
}

// Open Backup: the dialog starts in the backups folder, the backup opens untitled so Save asks
// for a new name, and the user's data folder is theirs still. A file the user goes looking for
// elsewhere from that dialog opens as any other.
TEST_F(DataFile, OpenFromFolderLeavesTheDataFolderAlone) {
    const QString folder = QDir::toNativeSeparators(dir.path());
    WriteDataDir(folder);
    CVR500Radio fresh;
    fresh.SetPrompt(&prompt);
    QDir(dir.path()).mkdir(QStringLiteral("backups"));
    const QString backup = Put(QStringLiteral("backups/vr500-1.rdf"), ValidFile(0x61));

    prompt.openPaths.push_back(backup);
    ASSERT_TRUE(fresh.OpenFromFolder(PathOf("backups")));
    EXPECT_EQ(prompt.openRequests.back().directory, QDir::toNativeSeparators(PathOf("backups")));
    EXPECT_EQ(fresh.EditRadio()[ri::ChannelName(7)], 0x61);
    EXPECT_EQ(fresh.FileName(), "vr500-1.rdf");
    EXPECT_TRUE(fresh.IsUntitled());
    EXPECT_EQ(fresh.DataDir(), folder);
    EXPECT_EQ(ReadDataDir(), folder);

    fresh.EditRadio()[ri::ChannelName(7)] = 0x62;
    prompt.savePaths.push_back(PathOf("mine.rdf"));
    ASSERT_TRUE(fresh.OnFileSave());
    EXPECT_EQ(prompt.saveRequests.back().directory, folder);
    EXPECT_EQ(ReadAll(backup), ValidFile(0x61));
    EXPECT_EQ(fresh.FilePath(), QDir::toNativeSeparators(PathOf("mine.rdf")));

    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    prompt.openPaths.push_back(Put(QStringLiteral("sub/other.rdf"), ValidFile()));
    ASSERT_TRUE(fresh.OpenFromFolder(PathOf("backups")));
    EXPECT_FALSE(fresh.IsUntitled());
    EXPECT_EQ(fresh.DataDir(), folder + QDir::separator() + "sub");
}

// ---- Saving ---------------------------------------------------------------------------

class Saving : public DataFile {
protected:
    // The current file holds old bytes; EditImage holds different ones to be written.
    void SetUp() override {
        old = ValidFile(0x01);
        target = Put(QStringLiteral("keep.rdf"), old);
        ASSERT_TRUE(radio.OpenFile(target));
        PokeImage(radio, RadioImageOffset(ri::ChannelName(7)), 0x02);
    }

    void ExpectOnlyTheOldFile() {
        EXPECT_EQ(ReadAll(target), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("keep.rdf")});
    }

    QByteArray old;
    QString target;
};

TEST_F(Saving, SaveReplacesTheFileAndClearsHeaderBytes80And81) {
    PokeImage(radio, 80, 1);
    PokeImage(radio, 81, 1);
    ASSERT_TRUE(radio.OnFileSave());
    const QByteArray written = ReadAll(target);
    EXPECT_EQ(written, Bytes(radio.SavedImage()));
    EXPECT_FALSE(radio.IsChanged());
    EXPECT_EQ(written[80], 0);
    EXPECT_EQ(written[81], 0);
    EXPECT_TRUE(radio.Message().isEmpty());
}

// Every save goes through the one commit step first: what the pages hold is what is written,
// and a page that refuses to let go stops the save before any dialog.
TEST_F(Saving, SaveCommitsThePagesFirstAndStopsWhenTheyRefuse) {
    bool refuse = true;
    radio.SetCommitHook([&] {
        PokeImage(radio, RadioImageOffset(ri::ChannelName(8)), 0x03);
        return !refuse;
    });
    EXPECT_FALSE(radio.OnFileSave());
    EXPECT_FALSE(radio.OnFileSaveAs());
    EXPECT_FALSE(radio.SaveTo(target));
    EXPECT_TRUE(prompt.saveRequests.empty());
    ExpectOnlyTheOldFile();

    refuse = false;
    ASSERT_TRUE(radio.OnFileSave());
    const QByteArray written = ReadAll(target);
    EXPECT_EQ(written[RadioImageOffset(ri::ChannelName(7))], 0x02);
    EXPECT_EQ(written[RadioImageOffset(ri::ChannelName(8))], 0x03);
    EXPECT_FALSE(radio.IsChanged());
}

TEST_F(Saving, FailedWriteOnAFullDiskKeepsTheOldFile) {
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = radio.OnFileSave();
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    ExpectStopMessage("Error writing file:\n" + target);
    ExpectOnlyTheOldFile();
}

TEST_F(Saving, ReadOnlyTargetIsRefusedAndKept) {
    ASSERT_TRUE(
        QFile::setPermissions(target, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    // The folder lets anybody write, which is where replacing the file by renaming would work.
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::Permissions(0x7777)));
    const std::optional<bool> refused = AsOrdinaryUser(
        [&] { return !radio.OnFileSave() && radio.Message() == "Cannot create file:\n" + target; });
    ASSERT_TRUE(refused.has_value()) << "cannot drop privileges";
    EXPECT_TRUE(*refused);
    ExpectOnlyTheOldFile();
}

TEST_F(Saving, MissingFolderAndCancelledSaveAsWriteNothing) {
    const Image saved = radio.SavedImage();
    EXPECT_FALSE(radio.SaveTo(PathOf("no/such/folder.rdf")));
    ExpectStopMessage("Cannot create file:\n" + PathOf("no/such/folder.rdf"));
    EXPECT_EQ(radio.FilePath(), target);
    EXPECT_EQ(radio.SavedImage(), saved);

    const std::size_t shown = prompt.messages.size();
    EXPECT_FALSE(radio.OnFileSaveAs()); // the dialog is cancelled
    EXPECT_EQ(prompt.saveRequests.size(), 1u);
    EXPECT_EQ(prompt.messages.size(), shown);
    EXPECT_EQ(radio.FilePath(), target);
    ExpectOnlyTheOldFile();
}

} // namespace

// Another program (a second window, the command line) wrote the file after it was opened:
// Save asks, and only Yes writes over the other program's bytes.
TEST_F(Saving, SaveAsksBeforeOverwritingAFileChangedByAnotherProgram) {
    const QByteArray theirs = ValidFile(0x03);
    WriteAll(target, theirs);
    const QString question = "keep.rdf was changed by another program since it was opened or "
                             "last saved here.\n\nYes: overwrite it with the data shown.\nNo: "
                             "save the data as another file.\nCancel: save nothing.";

    prompt.answers = {PromptAnswer::Cancel};
    EXPECT_FALSE(radio.OnFileSave());
    ASSERT_EQ(prompt.messages.size(), 1u);
    EXPECT_EQ(prompt.messages[0].text, question);
    EXPECT_EQ(prompt.messages[0].buttons, PromptButtons::YesNoCancel);
    EXPECT_EQ(ReadAll(target), theirs);
    EXPECT_TRUE(radio.IsChanged());

    prompt.answers = {PromptAnswer::No};
    prompt.savePaths = {PathOf("other.rdf")};
    ASSERT_TRUE(radio.OnFileSave());
    EXPECT_EQ(ReadAll(target), theirs);
    EXPECT_EQ(ReadAll(PathOf("other.rdf")), Bytes(radio.SavedImage()));
    EXPECT_EQ(title, "Corvinel - other.rdf");

    // What this program wrote itself is no news: the next save asks nothing.
    PokeImage(radio, RadioImageOffset(ri::ChannelName(7)), 0x04);
    ASSERT_TRUE(radio.OnFileSave());
    EXPECT_EQ(prompt.messages.size(), 2u);

    ASSERT_TRUE(radio.OpenFile(target));
    WriteAll(target, ValidFile(0x05));
    prompt.answers = {PromptAnswer::Yes};
    ASSERT_TRUE(radio.OnFileSave());
    EXPECT_EQ(ReadAll(target), Bytes(radio.SavedImage()));
}

// The window never waits on a file: Open and Save refuse a named pipe at once, by name, and
// leave the data and the pipe as they were; a name that could drive a terminal is shown as
// text in the title.
TEST_F(DataFile, OpenAndSaveRefuseANamedPipeAndTheTitleShowsControlCharactersAsText) {
    const QString fifo = PathOf("pipe.rdf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const Image before = radio.EditImage();
    const QString refusal = "\nIt is not a regular file (it is a named pipe or a device).";

    EXPECT_FALSE(radio.OpenFile(fifo));
    ExpectStopMessage("Cannot open file:\n" + fifo + refusal);
    EXPECT_EQ(radio.EditImage(), before);

    prompt.savePaths = {fifo};
    EXPECT_FALSE(radio.OnFileSaveAs());
    ExpectStopMessage("Cannot save file:\n" + fifo + refusal);
    EXPECT_TRUE(radio.IsUntitled());
    EXPECT_FALSE(QFileInfo(fifo).isFile());

    const QString odd = PathOf(QStringLiteral("a\nb\x1b[2J.rdf"));
    ASSERT_TRUE(radio.SaveTo(odd));
    EXPECT_EQ(title, "Corvinel - a\\x0Ab\\x1B[2J.rdf");
}
