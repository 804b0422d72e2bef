#include "pages/FrequencyField.h"

#include "radio/Prompt.h"
#include "radio/Radio.h"

#include <QFocusEvent>
#include <algorithm>

FrequencyField::FrequencyField(CRadio& radio, int maxLength, QWidget* parent)
    : QLineEdit(parent), radio_(radio) {
    setMaxLength(maxLength);
}

void FrequencyField::Load(const Byte* code) {
    loaded_ = true;
    std::copy(code, code + loadedCode_.size(), loadedCode_.begin());
    loadedHz_ = DecodeDigits(code, 8);
    SetHz(loadedHz_);
}

void FrequencyField::Store(Byte* code) {
    if (!loaded_)
        return;
    const int hz = Hz();
    if (hz == loadedHz_)
        std::copy(loadedCode_.begin(), loadedCode_.end(), code);
    else
        EncodeDigits(code, hz, 8);
}

int FrequencyField::Hz() {
    Normalise();
    return acceptedHz_;
}

void FrequencyField::SetHz(int hz) {
    acceptedHz_ = hz;
    setText(FrequencyText(hz));
}

void FrequencyField::Normalise() {
    if (normalising_)
        return;
    normalising_ = true;
    const int hz = ParseFrequency(text());
    // A stored value that was already out of reach stays as long as the user leaves it alone.
    if (!FitsFreq8(hz) && hz != loadedHz_) {
        if (Prompt* prompt = radio_.GetPrompt()) {
            prompt->Message(tr("%1 MHz cannot be stored: the highest frequency this field "
                               "holds is %2 MHz.")
                                .arg(FrequencyText(hz), FrequencyText(kLargestFreq8Hz)),
                            QString(), PromptButtons::Ok, PromptIcon::Exclamation);
        }
        SetHz(acceptedHz_);
    } else {
        SetHz(hz);
    }
    normalising_ = false;
}

void FrequencyField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Normalise();
}
