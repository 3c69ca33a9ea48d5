#include "platform/ticks.h"

#include <gtest/gtest.h>

class SteppedTicks : public ::testing::Test {
protected:
    void TearDown() override { setrealticks(); }
};

TEST_F(SteppedTicks, TimeMovesOnlyWhenStepped)
{
    setsteppedticks(1000);
    EXPECT_EQ(gettickcount(), 1000u);
    EXPECT_EQ(gettickcount(), 1000u);
    stepticks(250);
    EXPECT_EQ(gettickcount(), 1250u);
    sleepms(300); // no waiting: the stepped clock moves instead
    EXPECT_EQ(gettickcount(), 1550u);
}

TEST_F(SteppedTicks, CountWrapsAsUnsigned32Bits)
{
    setsteppedticks(0xFFFFFFF0u);
    const std::uint32_t start = gettickcount();
    stepticks(0x20);
    EXPECT_EQ(gettickcount(), 0x10u);
    EXPECT_EQ(gettickcount() - start, 0x20u);
}

TEST_F(SteppedTicks, RealTicksComeBack)
{
    setsteppedticks(5);
    setrealticks();
    const std::uint32_t a = gettickcount();
    sleepms(2);
    EXPECT_GE(gettickcount() - a, 2u);
}

TEST(TimeOfDay, FieldsAreInRange)
{
    const timeofday t = localtimeofday();
    EXPECT_GE(t.year, 2020);
    EXPECT_TRUE(t.month >= 1 && t.month <= 12);
    EXPECT_TRUE(t.day >= 1 && t.day <= 31);
    EXPECT_TRUE(t.hour >= 0 && t.hour <= 23);
}
