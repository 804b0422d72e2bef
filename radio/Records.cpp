#include "radio/Records.h"

#include <cstring>

using namespace layout::ri;

namespace records {

namespace {

bool Bit(const Byte* bytes, int n) {
    return (bytes[n / 8] >> (n % 8)) & 1;
}

void SetBit(Byte* bytes, int n, bool on) {
    const auto mask = static_cast<Byte>(1u << (n % 8));
    bytes[n / 8] = on ? (bytes[n / 8] | mask) : (bytes[n / 8] & ~mask);
}

void SetFreq8(Byte* code, int hz) {
    if (FitsFreq8(hz))
        EncodeDigits(code, hz, 8);
}

void SetBits(Byte& byte, Byte mask, int value) {
    byte = static_cast<Byte>((byte & ~mask) | (value & mask));
}

} // namespace

// ---- MemoryChannel ----

bool MemoryChannel::InUse() const {
    return Bit(ri_ + kChannelUsedBitmap, n_ - 1);
}

void MemoryChannel::SetInUse(bool on) {
    SetBit(ri_ + kChannelUsedBitmap, n_ - 1, on);
}

int MemoryChannel::FrequencyHz() const {
    return DecodeDigits(ri_ + fields::kChannelFrequency.At(n_ - 1), 8);
}

void MemoryChannel::SetFrequencyHz(int hz) {
    SetFreq8(ri_ + fields::kChannelFrequency.At(n_ - 1), hz);
}

int MemoryChannel::ModeCode() const {
    return ri_[fields::kChannelFlags.At(n_ - 1)] & kFlagModeMask;
}

void MemoryChannel::SetModeCode(int code) {
    SetBits(ri_[fields::kChannelFlags.At(n_ - 1)], kFlagModeMask, code);
}

bool MemoryChannel::Preferential() const {
    return ri_[fields::kChannelFlags.At(n_ - 1)] & kFlagPreferential;
}

void MemoryChannel::SetPreferential(bool on) {
    SetBits(ri_[fields::kChannelFlags.At(n_ - 1)], kFlagPreferential, on ? 0xFF : 0);
}

QString MemoryChannel::Name() const {
    return TextFromName(ri_ + fields::kChannelName.At(n_ - 1));
}

bool MemoryChannel::SetName(const QString& text) {
    return NameFromText(text, ri_ + fields::kChannelName.At(n_ - 1));
}

void MemoryChannel::Clear() {
    SetInUse(false);
    std::memset(ri_ + fields::kChannelName.At(n_ - 1), ' ', kChannelNameSize);
    SetPreferential(false);
}

// ---- GroupEntry ----

int GroupEntry::FrequencyHz() const {
    return DecodeDigits(ri_ + g_.frequencies + 4 * e_, 8);
}

void GroupEntry::SetFrequencyHz(int hz) {
    SetFreq8(ri_ + g_.frequencies + 4 * e_, hz);
}

void GroupEntry::SetStepByte(Byte b) {
    if (HasStep())
        ri_[g_.steps + e_] = b;
}

// ---- SkipEntry ----

bool SkipEntry::InUse() const {
    return Bit(ri_ + kSkipBitmap, i_);
}

void SkipEntry::SetInUse(bool on) {
    SetBit(ri_ + kSkipBitmap, i_, on);
}

int SkipEntry::FrequencyHz() const {
    return DecodeDigits(ri_ + fields::kSkipFrequency.At(i_), 8);
}

void SkipEntry::SetFrequencyHz(int hz) {
    SetFreq8(ri_ + fields::kSkipFrequency.At(i_), hz);
}

int SkipEntry::ModeCode() const {
    return ri_[fields::kSkipMode.At(i_)] & kFlagModeMask;
}

void SkipEntry::SetModeCode(int code) {
    SetBits(ri_[fields::kSkipMode.At(i_)], kFlagModeMask, code);
}

// ---- BandPlanEntry ----

void BandPlanEntry::SetModeCode(int code) {
    SetBits(at_[3], 0x0F, code);
}

void BandPlanEntry::SetStepCode(int code) {
    SetBits(at_[3], 0xF0, code << 4);
}

// ---- Switches ----

void SettingSwitch::Set(bool on) {
    SetBits(byte_, static_cast<Byte>(1u << bit_), on ? 0xFF : 0);
}

SettingSwitch BankLink(Byte* ri, int bank) {
    return SettingSwitch(ri, {kBankLink + bank / 8, bank % 8});
}

} // namespace records
