#pragma once
// The "Preset Mode" page: the receiver's two preset frequency groups (frequency, receive mode
// and step of each entry) as two grids, and the chosen weather channel, or TV channel on the
// Japanese receiver without wideband.

#include "pages/PropertyPage.h"
#include "radio/Codecs.h"

class BoundGrid;
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
    struct Group {
        CSpreadSheet* sheet = nullptr;
        BoundGrid* bound = nullptr;
        int group = 0;      // 0: the first preset group, 1: the second
        int firstEntry = 0; // the entry shown in row 1
        int rows = 0;
    };

    void SetUpGrid(Group& g, const QString& name);
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
