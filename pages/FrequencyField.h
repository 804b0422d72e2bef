#pragma once
// A frequency typed as text in MHz. When the field loses focus its text is read with
// ParseFrequency and shown again with five decimals: 146.52 becomes 146.52000 and text that
// cannot be read becomes 0.00000. A value the 8-digit frequency code cannot hold (above
// 1599.99995 MHz) is refused with a message and the field goes back to the value it last held.
//
// Usage:
//   auto* lower = new FrequencyField(radio, 10, this);  // at most 10 characters
//   lower->Load(radio.EditRadio() + layout::ri::kSmartSearchLower);   // in OnSetActive
//   lower->Store(radio.EditRadio() + layout::ri::kSmartSearchLower);  // in OnKillActive
// Store applies the same normalisation first, so a value typed just before the page is left
// (without a focus change) is checked too. A value the user has not changed is written back as
// the very bytes Load found, even where they are not in the form the encoder writes.

#include "radio/Codecs.h"

#include <QLineEdit>
#include <array>

class CRadio;

class FrequencyField : public QLineEdit {
    Q_OBJECT
public:
    FrequencyField(CRadio& radio, int maxLength, QWidget* parent = nullptr);

    // code points at a 4-byte frequency code.
    void Load(const Byte* code);
    void Store(Byte* code);

    // The accepted value in Hz after normalising the text (which may show the refusal).
    int Hz();
    // Shows hz and takes it as the accepted value.
    void SetHz(int hz);

    // Reads the text, refuses a value too large to store, and shows the result formatted.
    void Normalise();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    CRadio& radio_;
    int acceptedHz_ = 0;
    int loadedHz_ = 0;
    std::array<Byte, 4> loadedCode_{};
    bool normalising_ = false;
    bool loaded_ = false; // Store writes nothing before a Load
};
