#pragma once
// The "Preset Mode" page: the receiver's two preset frequency groups (frequency, receive mode
// and step of each entry) as two grids, and the chosen weather channel, or TV channel on the
// Japanese receiver without wideband.

#include "pages/FrequencyCell.h"
#include "pages/PropertyPage.h"
#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <array>
#include <vector>

class CSpreadSheet;
class QComboBox;
class QLabel;

class CPage2 : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPage2(CVR500Radio& radio, QWidget* parent = nullptr);
    ~CPage2() override;

    bool OnSetActive() override;
    bool OnKillActive() override;

    // The left grid shows entries 1..9 of the first group (entry 0 is kept out of reach); the
    // right grid entries 0..9 of the second.
    CSpreadSheet* LeftGrid() const { return left_.sheet; }
    CSpreadSheet* RightGrid() const { return right_.sheet; }
    QComboBox* ChannelList() const { return channels_; }
    QLabel* ChannelLabel() const { return channelLabel_; }

private:
    // What a grid row showed when loaded, so values the user left alone go back byte for byte.
    struct Loaded {
        int hz = 0;
        std::array<Byte, 4> code{};
        int mode = -1;
        Byte modeByte = 0;
        int step = -1;
        Byte stepByte = 0;
    };
    struct Group {
        CSpreadSheet* sheet = nullptr;
        layout::ri::Group10 layout{};
        int firstEntry = 0; // the entry shown in row 1
        int rows = 0;
        FrequencyCellChecker* checker = nullptr;
        std::vector<Loaded> loaded;
    };

    void SetUpGrid(Group& g, const QString& name);
    void LoadGroup(Group& g);
    void StoreGroup(Group& g);
    void LoadChannel();
    void StoreChannel();

    Group left_;
    Group right_;
    QLabel* channelLabel_ = nullptr;
    QComboBox* channels_ = nullptr;
    // The list shown since the last load and the byte it was loaded from.
    bool loaded_ = false; // nothing to store before the page was first shown
    bool tvList_ = false;
    int loadedChannel_ = -1;
    Byte loadedChannelByte_ = 0;
};
