// The frequency library against the published tables it was built from: counts, first and
// last channels, channel raster. Every list must also import as it ships.

#include "radio/Library.h"
#include "radio/Csv.h"
#include "radio/Radio.h"
#include "support/TempSettings.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <map>

using namespace layout;

namespace {

struct Row {
    QString name;
    int hz;
    QString mode;
};

class Library : public testing::Test {
protected:
    Library() {
        radio.NewImage();
        radio.EditRadio()[ri::kCountryCode] = 2;
        radio.EditRadio()[ri::kWidebandFlag] = 1;
        for (const library::List& list : library::Lists({}))
            lists[QFileInfo(list.path).completeBaseName()] = list;
    }

    // The rows of a shipped list as the import reads them; a refused row fails the test.
    std::vector<Row> Rows(const QString& name) {
        QFile file(lists[name].path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        const csv::Plan plan = csv::PlanImport(radio, file.readAll(), {});
        EXPECT_TRUE(plan.fileProblems.empty() && plan.rowProblems.empty()) << name.toStdString();
        EXPECT_STREQ(plan.recognised.dialect ? plan.recognised.dialect->key : "", "common");
        std::vector<Row> rows;
        for (const csv::PlannedRow& p : plan.rows)
            rows.push_back({p.name.trimmed(), p.hz, ModeName(p.mode)});
        return rows;
    }

    TempSettings settings;
    CVR500Radio radio;
    std::map<QString, library::List> lists;
};

// A channel plan of equal steps: count, first frequency, raster, one mode.
struct Raster {
    const char* list;
    int count;
    int firstHz;
    int stepHz;
    const char* mode;
};

TEST_F(Library, ChannelPlansOfEqualStepsMatchTheirTables) {
    const Raster plans[] = {
        {"pmr446", 16, 446'006'250, 12'500, "NFM"}, // 446.00625 .. 446.19375
        {"lpd433", 69, 433'075'000, 25'000, "NFM"}, // 433.075 .. 434.775
    };
    for (const Raster& plan : plans) {
        SCOPED_TRACE(plan.list);
        const std::vector<Row> rows = Rows(QLatin1String(plan.list));
        ASSERT_EQ(static_cast<int>(rows.size()), plan.count);
        for (int i = 0; i < plan.count; ++i) {
            EXPECT_EQ(rows[i].hz, plan.firstHz + i * plan.stepHz) << i;
            EXPECT_EQ(rows[i].mode, plan.mode);
        }
    }
}

TEST_F(Library, PersonalRadioServicesMatchTheirTables) {
    // FRS/GMRS: 1-7 from 462.5625, 8-14 from 467.5625, 15-22 from 462.550, 25 kHz apart.
    const std::vector<Row> frs = Rows("frs-gmrs");
    ASSERT_EQ(frs.size(), 22u);
    for (int n = 1; n <= 22; ++n) {
        const int hz = n <= 7    ? 462'562'500 + (n - 1) * 25'000
                       : n <= 14 ? 467'562'500 + (n - 8) * 25'000
                                 : 462'550'000 + (n - 15) * 25'000;
        EXPECT_EQ(frs[n - 1].hz, hz) << n;
    }
    EXPECT_EQ(frs.back().hz, 462'725'000);

    // CB: 40 AM channels 26.965..27.405 on a 10 kHz raster, with the well-known gaps (the
    // radio-control frequencies) and channel 23 out of order.
    const std::vector<Row> cb = Rows("cb");
    ASSERT_EQ(cb.size(), 40u);
    for (const auto& [n, hz] : {std::pair{1, 26'965'000},
                                {9, 27'065'000},
                                {19, 27'185'000},
                                {23, 27'255'000},
                                {24, 27'235'000},
                                {40, 27'405'000}})
        EXPECT_EQ(cb[n - 1].hz, hz) << n;
    for (const Row& r : cb) {
        EXPECT_EQ(r.hz % 10'000, 5'000) << r.name.toStdString();
        EXPECT_EQ(r.mode, "AM");
    }
    for (int gap : {26'995'000, 27'045'000, 27'095'000, 27'145'000, 27'195'000})
        EXPECT_TRUE(std::none_of(cb.begin(), cb.end(), [&](const Row& r) { return r.hz == gap; }));

    // NOAA weather: WX1..WX7 as numbered by the service.
    const std::vector<Row> wx = Rows("weather-noaa");
    const int expected[] = {162'550'000, 162'400'000, 162'475'000, 162'425'000,
                            162'450'000, 162'500'000, 162'525'000};
    ASSERT_EQ(wx.size(), 7u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(wx[i].hz, expected[i]) << i;
}

TEST_F(Library, MarineChannelsFollowTheAppendixPlan) {
    // Channel n of 1..28 has its ship frequency at 156.000 + n x 50 kHz, n of 60..88 at
    // 156.025 + (n - 60) x 50 kHz; a two-frequency channel is listed at its coast frequency,
    // 4.6 MHz above.
    const std::vector<Row> rows = Rows("marine-vhf");
    ASSERT_EQ(rows.size(), 57u + 2u); // 01-28, 60-88, and the two AIS channels
    int twoFrequency = 0;
    for (const Row& r : rows) {
        if (r.name.startsWith(QLatin1String("AIS")))
            continue;
        const int n = r.name.mid(4).toInt();
        const int ship = n <= 28 ? 156'000'000 + n * 50'000 : 156'025'000 + (n - 60) * 50'000;
        EXPECT_TRUE(r.hz == ship || r.hz == ship + 4'600'000) << r.name.toStdString();
        twoFrequency += r.hz != ship;
        EXPECT_EQ(r.hz % 25'000, 0);
    }
    EXPECT_EQ(twoFrequency, 33);
    const auto channel = [&](const char* name) {
        for (const Row& r : rows)
            if (r.name == QLatin1String(name))
                return r.hz;
        return 0;
    };
    EXPECT_EQ(channel("MAR 16"), 156'800'000);
    EXPECT_EQ(channel("MAR 70"), 156'525'000);
    EXPECT_EQ(channel("AIS 1"), 161'975'000);
    EXPECT_EQ(channel("AIS 2"), 162'025'000);
}

TEST_F(Library, BandListsStayInsideTheirAllocations) {
    // Aviation: AM, 121.5 guard and 123.1 search and rescue, the airband's 25 kHz raster.
    const std::vector<Row> air = Rows("aviation-vhf");
    for (const Row& r : air) {
        EXPECT_EQ(r.mode, "AM");
        EXPECT_TRUE((r.hz >= 118'000'000 && r.hz < 137'000'000) || r.hz == 243'000'000);
        EXPECT_EQ(r.hz % 25'000, 0);
    }
    EXPECT_EQ(air.front().hz, 121'500'000);
    EXPECT_EQ(air[1].hz, 123'100'000);

    // Shortwave broadcasting: pairs of edges, 120 m (2300 kHz) to 11 m (26100 kHz).
    const std::vector<Row> sw = Rows("shortwave-broadcast");
    ASSERT_EQ(sw.size(), 28u);
    EXPECT_EQ(sw.front().hz, 2'300'000);
    EXPECT_EQ(sw.back().hz, 26'100'000);
    for (size_t i = 0; i + 1 < sw.size(); i += 2) {
        EXPECT_LT(sw[i].hz, sw[i + 1].hz);
        EXPECT_EQ(sw[i].name.section(' ', 0, 0), sw[i + 1].name.section(' ', 0, 0));
    }

    // Amateur calling frequencies inside the amateur bands.
    const std::pair<int, int> bands[] = {{28'000'000, 29'700'000},
                                         {50'000'000, 54'000'000},
                                         {144'000'000, 148'000'000},
                                         {430'000'000, 450'000'000},
                                         {1'240'000'000, 1'300'000'000}};
    for (const Row& r : Rows("amateur-calling"))
        EXPECT_TRUE(std::any_of(std::begin(bands), std::end(bands), [&](const auto& b) {
            return r.hz >= b.first && r.hz < b.second;
        })) << r.name.toStdString();
}

TEST_F(Library, ListsAreFoundByCategoryWithTheUsersOwnFolder) {
    EXPECT_EQ(lists.size(), 9u);
    for (const auto& [name, list] : lists) {
        EXPECT_FALSE(list.source.isEmpty()) << name.toStdString();
        EXPECT_NE(list.category, "Other") << name.toStdString();
    }
    const QString mine = settings.Folder() + QStringLiteral("/lists");
    ASSERT_TRUE(QDir().mkpath(mine));
    QFile own(mine + QStringLiteral("/club.csv"));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    own.write("# Club repeaters\nLocation,Name,Frequency\n1,Club,145.6625\n");
    own.close();

    library::SetUserFolder(mine);
    const std::vector<library::List> all = library::Lists(library::UserFolder());
    ASSERT_EQ(all.size(), 10u);
    const std::vector<library::List> found = library::Search(all, QStringLiteral("club"));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(found[0].user);
    EXPECT_EQ(found[0].category, "Other");
}

} // namespace
