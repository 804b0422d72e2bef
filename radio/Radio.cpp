#include "radio/Radio.h"

#include "radio/Prompt.h"
#include "radio/Settings.h"

#include <QFileSystemWatcher>
#include <algorithm>
#include <cstring>

using namespace layout;

CRadio::CRadio() : dataDir(ReadDataDir()) {}

CRadio::~CRadio() = default;

void CRadio::SetBit(Byte* bytes, int n, bool on) {
    const Byte mask = static_cast<Byte>(1u << (n % 8));
    if (on)
        bytes[n / 8] |= mask;
    else
        bytes[n / 8] &= static_cast<Byte>(~mask);
}

bool CRadio::GetBit(const Byte* bytes, int n) {
    return (bytes[n / 8] >> (n % 8)) & 1;
}

bool CRadio::InFixedRanges(int hz) {
    return (hz > 82'399'000 && hz < 84'900'000) || (hz > 86'799'000 && hz < 89'400'000);
}

namespace {
bool IsChannelNumber(int n) {
    return n >= 1 && n <= ri::kChannelCount;
}
} // namespace

void CRadio::ClearChannel(int n) {
    if (!IsChannelNumber(n))
        return;
    SetChannelUsed(n, false);
    editImage_[SideRecord10(n)] = 0;
    editImage_[SideRecord32(n)] = 0;
}

void CRadio::CopyChannel(int to, int from) {
    if (!IsChannelNumber(to) || !IsChannelNumber(from))
        return;
    SetChannelUsed(to, IsChannelUsed(from));
    std::memmove(&editImage_[SideRecord10(to)], &editImage_[SideRecord10(from)], kSideRecord10Size);
    std::memmove(&editImage_[SideRecord32(to)], &editImage_[SideRecord32(from)], kSideRecord32Size);
}

void CRadio::SwapChannels(int a, int b) {
    if (!IsChannelNumber(a) || !IsChannelNumber(b) || a == b)
        return;
    const bool usedA = IsChannelUsed(a);
    SetChannelUsed(a, IsChannelUsed(b));
    SetChannelUsed(b, usedA);
    std::swap_ranges(&editImage_[SideRecord10(a)], &editImage_[SideRecord10(a)] + kSideRecord10Size,
                     &editImage_[SideRecord10(b)]);
    std::swap_ranges(&editImage_[SideRecord32(a)], &editImage_[SideRecord32(a)] + kSideRecord32Size,
                     &editImage_[SideRecord32(b)]);
}

ChannelRecord* CRadio::GetChannel(int) {
    return &record;
}

void CRadio::SetChannelUsed(int n, bool on) {
    if (IsChannelNumber(n))
        SetBit(EditRadio() + ri::kChannelUsedBitmap, n - 1, on);
}

bool CRadio::IsChannelUsed(int n) const {
    return IsChannelNumber(n) && GetBit(EditRadio() + ri::kChannelUsedBitmap, n - 1);
}

QString CRadio::Title() const {
    // A name may hold line breaks or escape sequences; the title shows them as text.
    return QString::fromLatin1(kAppName) + QStringLiteral(" - ") + VisibleText(fileName);
}

void CRadio::UpdateTitle() {
    if (onTitle)
        onTitle(Title());
}

// ---- CVR500Radio ----------------------------------------------------------------------

ChannelRecord* CVR500Radio::GetChannel(int n) {
    ChannelRecord& record = *CRadio::GetChannel(n);
    std::memset(&record, 0, sizeof record);
    const Byte* radio = EditRadio();
    record.frequencyHz = DecodeDigits(radio + ri::ChannelFrequency(n), 8);
    record.flags = radio[ri::ChannelFlag(n)];
    std::memcpy(record.name, radio + ri::ChannelName(n), ri::kChannelNameSize);
    return &record;
}

void CVR500Radio::StoreChannel(const ChannelRecord& rec, int n) {
    Byte* radio = EditRadio();
    std::memcpy(radio + ri::ChannelFrequency(n), rec.code, 4);
    radio[ri::ChannelFlag(n)] = rec.flags;
    std::memcpy(radio + ri::ChannelName(n), rec.name, ri::kChannelNameSize);
}

void CVR500Radio::SetSkipUsed(int i, bool on) {
    if (i >= 0 && i < ri::kSkipEntries)
        SetBit(EditRadio() + ri::kSkipBitmap, i, on);
}

bool CVR500Radio::IsSkipUsed(int i) const {
    return i >= 0 && i < ri::kSkipEntries && GetBit(EditRadio() + ri::kSkipBitmap, i);
}

bool CVR500Radio::IsFrequencyBlocked(int hz) const {
    return IsFrequencyBlockedFor(hz, Country(), Wideband());
}

int CVR500Radio::BandIndexFor(int hz) const {
    const Byte* radio = EditRadio();
    for (int i = 0; i < ri::kBandLookupEntries; ++i) {
        const long long edgeHz =
            static_cast<long long>(DecodeDigits(radio + ri::BandEntry(i), 6)) * 100;
        if (edgeHz > hz)
            return i;
    }
    return -1;
}

int CVR500Radio::BandModeFor(int hz) const {
    const int i = BandIndexFor(hz);
    return i < 0 ? 0 : (EditRadio()[ri::BandEntry(i) + 3] & 0x0F);
}
