#pragma once
// The radio model: the two data images and every operation on them.

#include "radio/Codecs.h"
#include "radio/FileIo.h"
#include "radio/Layout.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

class Prompt;
class QFileSystemWatcher;

using Image = std::array<Byte, layout::kImageSize>;

// The header of a new data file (the first kRdfHeaderSize bytes).
void WriteNewHeader(Byte* header);

#pragma pack(push, 1)
// The model's view of one memory channel.
struct ChannelRecord {
    Byte code[4];    // freq8, filled by a caller that encodes a new frequency before storing
    int frequencyHz; // decoded frequency
    Byte flags;      // the ChannelFlags byte
    Byte name[8];    // space padded
};
#pragma pack(pop)
static_assert(sizeof(ChannelRecord) == 17);

class CRadio {
public:
    CRadio();
    virtual ~CRadio();
    CRadio(const CRadio&) = delete;
    CRadio& operator=(const CRadio&) = delete;

    // The working copy (pages, transfers, Open) and the copy as last created, opened or saved.
    // Pages and transfers change the working copy through EditRadio(); whole images come and
    // go through SetEditImage (undo, a read from the receiver).
    const Image& EditImage() const { return editImage_; }
    const Image& SavedImage() const { return savedImage_; }
    void SetEditImage(const Image& image) { editImage_ = image; }
    // The working copy is what the receiver or the file now holds (a read, a write elsewhere).
    void MarkSaved() { savedImage_ = editImage_; }
    // Drops the edits since the last open, save or read.
    void RevertToSaved() { editImage_ = savedImage_; }

    // ---- Bits and channels ----
    static void SetBit(Byte* bytes, int n, bool on);
    static bool GetBit(const Byte* bytes, int n);
    static bool InFixedRanges(int hz);
    void ClearChannel(int n);
    void CopyChannel(int to, int from);
    void SwapChannels(int a, int b);
    virtual ChannelRecord* GetChannel(int n);
    void SetChannelUsed(int n, bool on);
    bool IsChannelUsed(int n) const;

    // The one "commit the pages" step: asks whoever shows the data to move its controls'
    // contents into EditImage. False when they refuse (a value the user must correct); every
    // flow that saves or replaces the data stops there. Without a hook there is nothing to do.
    bool CommitEdits() { return !commitEdits_ || commitEdits_(); }
    void SetCommitHook(std::function<bool()> hook) { commitEdits_ = std::move(hook); }

    // ---- Country ----
    // Copies the default clone image of the stored country settings to dest (15618 bytes).
    void LoadDefaultImage(Byte* dest) const;
    // Removes or replaces what the country in EditImage may not hold.
    void RepairForCountry();

    // ---- Data file ----
    void NewImage();
    bool LoadFile(const QString& path);
    // Asks for a data file in the data folder and opens it; true when one was opened.
    bool OnFileOpen();
    // Asks for a data file in folder (the backups) and opens it. A file from that folder opens
    // untitled, so Save asks for a new name and the file stays as it was, and the data folder
    // stays as it is; a file the user finds elsewhere opens as with OnFileOpen.
    bool OpenFromFolder(const QString& folder);
    // Open without the file dialog (a file named on the command line); true when loaded.
    bool OpenFile(const QString& path);
    // Save writes EditImage to the current file, or asks for a name when it has none; Save
    // As always asks; SaveTo writes to path without asking. Each commits the pages first and
    // makes the file written the current one; a failure is shown and leaves the old file and
    // SavedImage as they were. Save and Save As refuse what is not a regular file, and ask
    // before writing over a file another program changed since it was opened or saved.
    bool OnFileSave();
    bool OnFileSaveAs();
    bool SaveTo(const QString& path);
    bool IsChanged() const { return editImage_ != savedImage_; }

    const QString& FileName() const { return fileName; }
    // Native separators; "NONAME.RDF" in the data folder while untitled.
    const QString& FilePath() const { return filePath; }
    // Where the file dialogs start.
    const QString& DataDir() const { return dataDir; }
    bool IsUntitled() const { return untitled; }
    // The name Save As and Export propose: the current file's with suffix, or for a new data
    // set one made from today's date ("VR-500 2026-12-07.rdf").
    QString ProposedFileName(const QString& suffix) const;
    // The last file message shown (or that would have been, without a prompt).
    const QString& Message() const { return message; }
    // Tells whoever shows the data, once per change, that the open file was changed on disk
    // by another program. Watching starts with the first hook set.
    void SetChangedOnDiskHook(std::function<void(const QString& notice)> hook);

    // ---- Helpers on the images ----
    Byte* Radio(Image& image) { return image.data() + layout::kRadioImage; }
    Byte* EditRadio() { return Radio(editImage_); }
    const Byte* EditRadio() const { return editImage_.data() + layout::kRadioImage; }
    int Country() const { return EditRadio()[layout::ri::kCountryCode]; }
    int Wideband() const { return EditRadio()[layout::ri::kWidebandFlag]; }

    // ---- Where the model meets the program ----
    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }
    Prompt* GetPrompt() const { return prompt_; }
    // Receives the main window's title whenever it changes.
    std::function<void(const QString&)> onTitle;
    // The window title text; the desktop program shows it, the tool ignores it.
    QString Title() const;

private:
    // Shows a file message (stop icon, OK) and keeps it in `message`.
    void ShowFileMessage(const QString& text);
    void UpdateTitle();
    QString AskForFile(const QString& folder);
    // OpenFile, and with asCopy the file stays untouched: untitled, data folder kept.
    bool OpenChosen(const QString& path, bool asCopy);
    // Asks before a file of another receiver version is adjusted to the one set up here,
    // naming both and the channels that will be emptied; true to go on.
    bool ConfirmVersionChange(const QString& path, int fileCountry, int fileWideband);
    void RememberFolder(const QString& path);
    // Writes EditImage, less the bytes a file never keeps, to path as the new saved copy.
    bool WriteTo(const QString& path);
    // WriteTo for the window's Save and Save As: never into a pipe or device, and never over
    // another program's changes without asking.
    bool SaveChecked(const QString& path);
    // The current file as this program last read or wrote it; watched when a hook is set.
    void RememberStamp();
    void OnFileChangedOnDisk();

    Image editImage_{};
    Image savedImage_{};
    ChannelRecord record{};
    QString fileName;
    QString dataDir;
    QString filePath;
    QString message;
    bool untitled = false;
    FileStamp stamp_;
    FileStamp noticed_; // the change last told, so each is told once
    std::unique_ptr<QFileSystemWatcher> watcher_;
    std::function<void(const QString&)> changedOnDisk_;
    Prompt* prompt_ = nullptr;
    std::function<bool()> commitEdits_;
};

class CVR500Radio : public CRadio {
public:
    ChannelRecord* GetChannel(int n) override;

    void StoreChannel(const ChannelRecord& rec, int n);
    void SetSkipUsed(int i, bool on);
    bool IsSkipUsed(int i) const;
    // By the country and wideband bytes of EditImage.
    bool IsFrequencyBlocked(int hz) const;
    // The band plan's mode code for hz: the first of entries 0..48 whose edge lies above hz;
    // 0 when none does.
    int BandModeFor(int hz) const;
    // The band plan entry index for hz as above, or -1.
    int BandIndexFor(int hz) const;
};
