// The search history: newest first, no repeats, only the first twenty stored.

#include <gtest/gtest.h>

#include "editing/TFindHistory.h"

namespace {

TEST(FindHistory, NewestFirstWithoutRepeats) {
    QStringList h;
    EXPECT_TRUE(TFindHistory::Add(h, QStringLiteral("猫")));
    EXPECT_TRUE(TFindHistory::Add(h, QStringLiteral("犬")));
    EXPECT_FALSE(TFindHistory::Add(h, QStringLiteral("猫")));
    EXPECT_FALSE(TFindHistory::Add(h, QString()));
    EXPECT_EQ(h, (QStringList{QStringLiteral("犬"), QStringLiteral("猫")}));
}

TEST(FindHistory, GrowsButStoresTwenty) {
    QStringList h;
    for (int i = 0; i < 25; ++i) TFindHistory::Add(h, QStringLiteral("s%1").arg(i));
    EXPECT_EQ(h.size(), 25);
    const QStringList stored = TFindHistory::Stored(h);
    ASSERT_EQ(stored.size(), 20);
    EXPECT_EQ(stored.front(), QStringLiteral("s24"));
    EXPECT_EQ(stored.back(), QStringLiteral("s5"));
}

}  // namespace
