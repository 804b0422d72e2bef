// Feeds arbitrary text to the recognition of list formats and to the import's plan. The first
// byte picks the format (or none), the placement and the numbering. Planning must leave the
// data untouched; every row it would write lands on a channel the placement allows, and a
// row is refused with a reason or taken, never both.

#include "fuzz/FuzzSupport.h"
#include "radio/Csv.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    using namespace layout::ri;
    CVR500Radio& radio = FuzzModel();
    static const Image base = radio.EditImage();
    radio.SetEditImage(base);
    const Image start = radio.EditImage();

    const auto dialects = csv::Dialects();
    const int pick = data[0] % (static_cast<int>(dialects.size()) + 1);
    csv::Options options;
    options.format = pick == 0 ? QString() : QLatin1String(dialects[pick - 1].key);
    options.placement = static_cast<csv::Placement>((data[0] >> 2) & 3);
    options.first = 1 + (data[0] >> 4) * 60;
    options.bank = (data[0] >> 4) % 10;
    if (data[0] & 0x80)
        options.fromZero = (data[0] & 0x40) != 0;
    const QByteArray text(reinterpret_cast<const char*>(data + 1),
                          static_cast<qsizetype>(size - 1));

    const csv::Plan plan = csv::PlanImport(radio, text, options);
    if (radio.EditImage() != start)
        Broken("planning an import changed EditImage");
    const int low = options.placement == csv::Placement::Bank ? options.bank * kBankSize + 1 : 1;
    const int high =
        options.placement == csv::Placement::Bank ? low + kBankSize - 1 : kChannelCount;
    for (const csv::PlannedRow& row : plan.rows) {
        if (!row.refused.isEmpty())
            continue;
        if (row.channel < low || row.channel > high)
            Broken("a row was planned outside its placement");
        if (row.hz <= 0 || row.hz % 50 != 0 || row.name.size() > kChannelNameSize)
            Broken("a planned row holds a value the receiver cannot store");
    }
    if (plan.rowProblems.empty() !=
        std::none_of(plan.rows.begin(), plan.rows.end(),
                     [](const csv::PlannedRow& r) { return !r.refused.isEmpty(); }))
        Broken("refused rows and problems disagree");
    (void)csv::ApplyPlan(radio, plan, true);
    return 0;
}
