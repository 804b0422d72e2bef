#pragma once
// The "Setting" page: the receiver's set-mode settings (squelch, timers, display, lamp, keypad,
// lock, opening message, meter symbol and Smart Search) as ordinary controls. The settings that
// are one byte or one bit are rows of a control table; the message text and the three Smart
// Search frequencies are edit fields.

#include "pages/PropertyPage.h"
#include "radio/Codecs.h"
#include "radio/Layout.h"

#include <QString>
#include <array>
#include <memory>

class ControlTable;
class FrequencyField;
class QLineEdit;

class CPageMain : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPageMain(CVR500Radio& radio, QWidget* parent = nullptr);
    ~CPageMain() override;

    bool OnSetActive() override;
    bool OnKillActive() override;

    // For tests and the screenshots: the controls by their labels.
    ControlTable& Controls() { return *table_; }
    QLineEdit* MessageEdit() const { return message_; }
    FrequencyField* SmartSearchLower() const { return lower_; }
    FrequencyField* SmartSearchStart() const { return start_; }
    FrequencyField* SmartSearchUpper() const { return upper_; }

private:
    void LoadMessage(const Byte* ri);
    void StoreMessage(Byte* ri) const;

    std::unique_ptr<ControlTable> table_;
    QLineEdit* message_ = nullptr;
    FrequencyField* lower_ = nullptr;
    FrequencyField* start_ = nullptr;
    FrequencyField* upper_ = nullptr;
    // The message as loaded, so an unedited message goes back byte for byte.
    QString loadedMessage_;
    bool loaded_ = false; // nothing to store before the page was first shown
    std::array<Byte, layout::ri::kOpenMessageSize> loadedMessageBytes_{};
};
