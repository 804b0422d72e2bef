#include "radio/Codecs.h"

#include <gtest/gtest.h>

TEST(Codecs, Placeholder) { EXPECT_EQ(SnapTo50Hz(145'000'030), 145'000'050); }
