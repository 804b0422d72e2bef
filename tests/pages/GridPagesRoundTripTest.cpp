// Showing and leaving the grid pages without touching anything
// must leave every byte of the data set as it was: the receiver's default images and data sets
// of random bytes alike, and also when the data set was replaced while the pages existed.

#include "PageTestSupport.h"
#include "pages/AutoBand.h"
#include "pages/DualWatch.h"
#include "pages/MemoryView.h"
#include "pages/Page2.h"
#include "pages/SkipFrequency.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Pages {
    explicit Pages(CVR500Radio& radio) {
        all.push_back(std::make_unique<CSkipFrequency>(radio));
        all.push_back(std::make_unique<CDualWatch>(radio));
        all.push_back(std::make_unique<CAutoBand>(radio));
        all.push_back(std::make_unique<CPage2>(radio));
        auto channels = std::make_unique<CMemoryView>(radio);
        memoryView = channels.get();
        all.push_back(std::move(channels));
    }
    // Every page shown and left twice, as tab switches and saves do.
    void ShowAndLeave() {
        for (int pass = 0; pass < 2; ++pass)
            for (auto& page : all) {
                ASSERT_TRUE(page->OnSetActive()) << page->Title().toStdString();
                ASSERT_TRUE(page->OnKillActive()) << page->Title().toStdString();
            }
    }
    std::vector<std::unique_ptr<CPropertyPage>> all;
    CMemoryView* memoryView;
};

// The first byte that differs, for a readable failure.
std::string FirstDifference(const Image& a, const Image& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return "byte " + std::to_string(i) + " (clone image offset 0x" +
                   QString::number(static_cast<int>(i) - layout::kRadioImage, 16).toStdString() +
                   "): " + std::to_string(a[i]) + " became " + std::to_string(b[i]);
    return {};
}

} // namespace

TEST(GridPagesRoundTrip, UntouchedPagesChangeNoByte) {
    PageModel m;
    for (const Version& v : kVersions) {
        m.NewFor(v);
        const Image before = m.radio.EditImage();
        Pages pages(m.radio);
        pages.ShowAndLeave();
        EXPECT_EQ(FirstDifference(before, m.radio.EditImage()), "") << v.name;
        EXPECT_FALSE(m.radio.IsChanged()) << v.name;
    }
    for (unsigned seed = 1; seed <= 25; ++seed) {
        m.FillRandom(seed);
        const Image before = m.radio.EditImage();
        Pages pages(m.radio);
        pages.ShowAndLeave();
        EXPECT_EQ(FirstDifference(before, m.radio.EditImage()), "") << "seed " << seed;
    }
}

TEST(GridPagesRoundTrip, PagesFollowADataSetReplacedWhileTheyExist) {
    PageModel m;
    m.NewFor(kVersions[0]);
    Pages pages(m.radio);
    pages.ShowAndLeave();
    for (unsigned seed = 100; seed < 110; ++seed) {
        m.FillRandom(seed);           // as File Open does behind the pages' backs
        pages.memoryView->FillGrid(); // as the window does after a new data set
        const Image before = m.radio.EditImage();
        pages.ShowAndLeave();
        EXPECT_EQ(FirstDifference(before, m.radio.EditImage()), "") << "seed " << seed;
    }
}
