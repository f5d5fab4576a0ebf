#include "clip/core/ClipMemory.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

// A roll from frame 0 to 1 of a 10-pixel sign at 10 ms a step, with 100 ms at rest before and
// after: at 20 frames a second, frames 2 to 4 (100 to 200 ms) show it moving or arriving.
SignTimeline ShortRoll()
{
    RollTiming timing;
    timing.frameHeight = 10;
    timing.speedMs = 10;
    return SignTimeline::Roll({0, 1}, timing, 100);
}

TEST(ChangingPixelsPerFrame, TheWholePictureFirstThenTheRectangleAroundTheSignsThatMoved)
{
    const SignTimeline roll = ShortRoll();
    const SignTimeline still = SignTimeline::Led({3}, 300);
    const std::vector<ClipFrame> frames = PlanClipFrames(roll.LengthMs(), 20);
    ASSERT_EQ(6u, frames.size());
    const struct {
        const char* what;
        std::vector<PlacedTimeline> signs;
        std::uint64_t moving;  // pixels while the roll moves
    } cases[] = {
        {"one sign", {{&roll, {5, 5, 20, 10}}}, 200},
        {"a sign that stays adds nothing", {{&roll, {5, 5, 20, 10}}, {&still, {30, 20, 10, 10}}}, 200},
        {"two moving signs: the rectangle around both", {{&roll, {5, 5, 20, 10}}, {&roll, {30, 20, 10, 10}}}, 35 * 25},
        {"only the part inside the picture", {{&roll, {40, 35, 20, 10}}}, 10 * 5},
        {"a sign off the picture", {{&roll, {60, 0, 20, 10}}}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::uint64_t> expected = {50 * 40, 0, c.moving, c.moving, c.moving, 0};
        EXPECT_EQ(expected, ChangingPixelsPerFrame(c.signs, frames, 50, 40));
    }
}

// Frames of 40 ms, each changing as many pixels as given (the first always counts whole).
std::vector<ClipFrame> FramesOf40Ms(std::size_t count)
{
    std::vector<ClipFrame> frames(count);
    for (std::size_t k = 0; k < count; ++k)
        frames[k] = ClipFrame{static_cast<std::int64_t>(k) * 40, 4};
    return frames;
}

TEST(ReckonClipMemory, TheLongestClipIsThePartFromTheStartThatFitsTheBudget)
{
    const struct {
        const char* what;
        ClipSize size;
        std::size_t frames;
        std::size_t fitting;  // frames whose need is the budget
    } cases[] = {
        {"a sign", {123, 57, 1}, 250, 100},
        {"a sign at twice the size", {123, 57, 2}, 250, 100},
        {"the whole scene at twice the size", {450, 450, 2}, 1500, 750},
        {"only the first frame", {450, 450, 2}, 20, 1},
        {"all of it", {123, 57, 1}, 50, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::uint64_t whole = static_cast<std::uint64_t>(c.size.width) * c.size.height;
        const std::vector<ClipFrame> frames = FramesOf40Ms(c.frames);
        const std::vector<std::uint64_t> changing(c.frames, whole);
        const std::vector<ClipFrame> part(frames.begin(), frames.begin() + static_cast<std::ptrdiff_t>(c.fitting));
        const ClipMemoryNeed partNeed =
            ReckonClipMemory(c.size, part, std::vector<std::uint64_t>(c.fitting, whole), UINT64_MAX);
        ASSERT_TRUE(partNeed.fits);
        EXPECT_EQ(static_cast<std::int64_t>(c.fitting) * 40, partNeed.longestMs);
        // Worst-case LZW is 12 bits a pixel: no bound below that would hold a frame of noise.
        const std::uint64_t scaled = whole * static_cast<std::uint64_t>(c.size.scale * c.size.scale);
        EXPECT_GE(partNeed.bytes, c.fitting * scaled * 3 / 2);

        // The plan of the whole clip holds a little more than the part: the budget is met just.
        const std::uint64_t budget = partNeed.bytes + c.frames * sizeof(ClipFrame) * 2;
        const ClipMemoryNeed need = ReckonClipMemory(c.size, frames, changing, budget);
        EXPECT_EQ(c.fitting == c.frames, need.fits);
        EXPECT_EQ(static_cast<std::int64_t>(c.fitting) * 40, need.longestMs);
        if (!need.fits) {
            EXPECT_GT(need.bytes, budget);
        }
    }
}

TEST(ReckonClipMemory, TwiceTheSizeNeedsAboutFourTimesAsMuchForEveryChangingFrame)
{
    const std::vector<ClipFrame> frames = FramesOf40Ms(101);
    const std::vector<std::uint64_t> changing(frames.size(), 200 * 100);
    auto perFrame = [&](int scale) {
        const ClipSize size{200, 100, scale};
        const std::uint64_t first = ReckonClipMemory(size, FramesOf40Ms(1), {200 * 100}, UINT64_MAX).bytes;
        return static_cast<double>(ReckonClipMemory(size, frames, changing, UINT64_MAX).bytes - first) / 100;
    };
    EXPECT_NEAR(4.0, perFrame(2) / perFrame(1), 0.2);
}

TEST(ReckonClipMemory, FramesAtRestAddOnlyTheirPlaceInThePlanUntilTheDelayOverflows)
{
    const ClipSize size{123, 57, 2};
    const std::uint64_t planBytes = sizeof(ClipFrame) + sizeof(std::uint64_t);
    const std::uint64_t working = ClipWorkingBytes(size);
    const std::uint64_t frameBytes =
        ReckonClipMemory(size, FramesOf40Ms(1), {123 * 57}, UINT64_MAX).bytes - working - planBytes;

    // A picture, then frames of 40 ms at rest: 640 s fit the delay of one frame (655.35 s at
    // most); 1000 s do not, so the picture is written again once.
    for (const std::size_t count : {16000, 25000}) {
        SCOPED_TRACE(count);
        std::vector<std::uint64_t> changing(count, 0);
        changing[0] = 123 * 57;
        const std::uint64_t pictures = count == 16000 ? 1 : 2;
        EXPECT_EQ(working + count * planBytes + pictures * frameBytes,
                  ReckonClipMemory(size, FramesOf40Ms(count), changing, UINT64_MAX).bytes);
    }
}

TEST(ReckonClipMemory, NothingFitsWhenOneFramesPicturesDoNot)
{
    const ClipSize size{450, 450, 2};
    const ClipMemoryNeed need = ReckonClipMemory(size, FramesOf40Ms(10), std::vector<std::uint64_t>(10, 0),
                                                 ClipWorkingBytes(size) - 1);
    EXPECT_FALSE(need.fits);
    EXPECT_EQ(0, need.longestMs);
}

TEST(ApproximateSeconds, TenthsBelowTenSecondsAndWholeSecondsAboveAlwaysCutDown)
{
    const struct {
        std::int64_t ms;
        const char* text;
    } cases[] = {{-5, "0.0"}, {0, "0.0"}, {99, "0.0"}, {450, "0.4"}, {2599, "2.5"}, {9999, "9.9"},
                 {10000, "10"}, {12999, "12"}, {600000, "600"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.text, ApproximateSeconds(c.ms)) << c.ms;
}

}  // namespace
}  // namespace rolva
