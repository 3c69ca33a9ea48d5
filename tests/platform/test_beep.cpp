#include "platform/beep.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(Beep, RecorderCollectsEveryToneWithoutPlaying)
{
    tonerecorder& recorder = beeprecorder();
    recorder.recording = true;
    recorder.tones.clear();
    EXPECT_TRUE(Beep(800, 5));
    EXPECT_TRUE(Beep(1200, 5));
    EXPECT_TRUE(Beep(0, -3)); // recorded as asked, even out of range
    recorder.recording = false;
    ASSERT_EQ(recorder.tones.size(), 3u);
    EXPECT_EQ(recorder.tones[0].frequency, 800);
    EXPECT_EQ(recorder.tones[1].frequency, 1200);
    EXPECT_EQ(recorder.tones[1].milliseconds, 5);
    EXPECT_EQ(recorder.tones[2].milliseconds, -3);
    EXPECT_FALSE(Beep(440, 1));
    EXPECT_EQ(recorder.tones.size(), 3u) << "nothing recorded once the recorder is off";
}

TEST(Beep, BlocksForItsLengthOnlyWhenADeviceExists)
{
    beeprecorder().recording = false;
    const auto start = std::chrono::steady_clock::now();
    const bool played = Beep(440, 600);
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    if (played)
        EXPECT_GE(elapsed.count(), 550);
    else
        EXPECT_LT(elapsed.count(), 400) << "without a device the call is silent and immediate";
}

TEST(Beep, OutOfRangeRequestsAreSilent)
{
    beeprecorder().recording = false;
    EXPECT_FALSE(Beep(36, 10));
    EXPECT_FALSE(Beep(32768, 10));
    EXPECT_FALSE(Beep(440, 0));
    EXPECT_FALSE(Beep(440, -5));
}
