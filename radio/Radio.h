#pragma once
// The radio model: the two data images and every operation on them.

#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <QString>
#include <array>
#include <functional>

class Prompt;

using Image = std::array<Byte, layout::kImageSize>;

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
    Image EditImage{};
    Image SavedImage{};

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
    // Asks whoever shows the data to move its controls' contents into EditImage.
    virtual void CommitEdits() = 0;

    // ---- Country ----
    // Copies the default clone image of the stored country settings to dest (15618 bytes).
    void LoadDefaultImage(Byte* dest) const;
    // Removes or replaces what the country in EditImage may not hold.
    void RepairForCountry();

    // ---- Data file ----
    void NewImage();
    bool LoadFile(const QString& path);
    void OnFileOpen();
    // Open without the file dialog (a file named on the command line); true when loaded.
    bool OpenFile(const QString& path);
    bool OnFileSave();
    bool OnFileSaveAs();
    bool QueryClose() { return true; }
    void OnFileNew();
    void UpdateTitle();
    bool IsChanged() const { return EditImage != SavedImage; }

    // ---- Helpers on the images ----
    Byte* Radio(Image& image) { return image.data() + layout::kRadioImage; }
    Byte* EditRadio() { return Radio(EditImage); }
    const Byte* EditRadio() const { return EditImage.data() + layout::kRadioImage; }
    int Country() const { return EditRadio()[layout::ri::kCountryCode]; }
    int Wideband() const { return EditRadio()[layout::ri::kWidebandFlag]; }

    // ---- Where the model meets the program ----
    void SetPrompt(Prompt* prompt) { prompt_ = prompt; }
    Prompt* GetPrompt() const { return prompt_; }
    // Receives the main window's title whenever it changes.
    std::function<void(const QString&)> onTitle;
    // Receives the window title text; the desktop program shows it, the tool ignores it.
    QString Title() const { return appTitle + QStringLiteral(" - ") + fileName; }

    ChannelRecord record{};
    QString fileName;
    QString dataDir;
    QString filePath;
    QString appTitle;
    QString dialogPath;
    QString message;
    bool untitled = false;

protected:
    // Shows a file message (stop icon, OK) and keeps it in `message`.
    void ShowFileMessage(const QString& text);
    void RememberFolder(const QString& path);
    bool WriteSavedImage(const QString& path);

private:
    Prompt* prompt_ = nullptr;
};

class CVR500Radio : public CRadio {
public:
    CVR500Radio();
    ChannelRecord* GetChannel(int n) override;
    void CommitEdits() override;
    std::function<void()> onCommitEdits;

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
