#include "maker/core/FrameLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

// Every byte is half a cell wide, so a double-byte character is a square cell.
class HalfCellPerByte : public TextMeasure {
public:
    int Width(std::string_view text, int cellHeight) const override
    {
        return static_cast<int>(text.size()) * cellHeight / 2;
    }
};

const HalfCellPerByte kMeasure;

void ExpectInside(const PixelBox& frame, const TextPlace& place, const std::string& what)
{
    ASSERT_TRUE(place.present) << what;
    EXPECT_TRUE(frame.Contains(place.box)) << what;
    EXPECT_GT(place.box.Width(), 0) << what;
    EXPECT_GT(place.box.Height(), 0) << what;
}

TEST(LayOutFrame, KeepsEveryPartInsideTheFrameWithMargins)
{
    struct Case {
        FrameLine line;
        int width, height;
    };
    const Case cases[] = {
        {{"Tokyo", "", ""}, 200, 57},
        {{"Tokyo", "TOKYO", ""}, 200, 57},
        {{"Tokyo", "TOKYO", "Rapid"}, 200, 57},
        {{std::string(80, 'W'), std::string(200, 'w'), std::string(30, 'L')}, 200, 57},
        {{"x", "y", "z"}, 640, 32},
        {{"x", "y", "z"}, 24, 200},
    };
    for (const Case& c : cases) {
        const FrameLayout layout = LayOutFrame(c.line, c.width, c.height, kMeasure);
        // Margins: nothing on the outer two rows and columns, where the frame line goes.
        const PixelBox inner{2, 2, c.width - 2, c.height - 2};
        const std::string what = c.line.main + " in " + std::to_string(c.width) + "x" + std::to_string(c.height);
        ExpectInside(inner, layout.main, what);
        if (!c.line.sub.empty())
            ExpectInside(inner, layout.sub, what);
        if (layout.hasLabelBox) {
            EXPECT_TRUE(inner.Contains(layout.labelBox)) << what;
            ExpectInside(layout.labelBox, layout.label, what);
        }
    }
}

TEST(LayOutFrame, CondensesALongNameAndNeverStretchesAShortOne)
{
    const FrameLayout longName = LayOutFrame({std::string(60, 'W'), "", ""}, 200, 57, kMeasure);
    EXPECT_TRUE(longName.main.Condensed());
    EXPECT_EQ(longName.main.naturalWidth, 60 * longName.main.box.Height() / 2);
    EXPECT_LE(longName.main.box.right, 200 - 2);
    EXPECT_GE(longName.main.box.left, 2);

    const FrameLayout shortName = LayOutFrame({"ab", "", ""}, 200, 57, kMeasure);
    EXPECT_FALSE(shortName.main.Condensed());
    EXPECT_EQ(shortName.main.naturalWidth, shortName.main.box.Width());
    // Centred: as much room left as right, to a pixel.
    EXPECT_LE(std::abs(shortName.main.box.left - (200 - shortName.main.box.right)), 1);
}

TEST(LayOutFrame, TheMainTextFillsTheHeightWithoutASecondLine)
{
    const FrameLayout alone = LayOutFrame({"ab", "", ""}, 200, 57, kMeasure);
    const FrameLayout withSub = LayOutFrame({"ab", "cd", ""}, 200, 57, kMeasure);
    EXPECT_GE(alone.main.box.Height(), 57 * 3 / 4);
    EXPECT_LT(withSub.main.box.Height(), alone.main.box.Height());
    // The second line is about a third of the height, under the main text.
    EXPECT_GE(withSub.sub.box.Height(), 57 / 5);
    EXPECT_LE(withSub.sub.box.Height(), 57 / 2);
    EXPECT_LT(withSub.sub.box.Height(), withSub.main.box.Height());
    EXPECT_GE(withSub.sub.box.top, withSub.main.box.bottom);
}

TEST(LayOutFrame, TheLabelBoxAndTheSecondLineNeverOverlapTheMainText)
{
    const FrameLine lines[] = {
        {"ab", "cd", "Rapid"},
        {std::string(100, 'M'), std::string(100, 's'), std::string(100, 'L')},
        {"ab", "", "x"},
    };
    for (int height : {12, 24, 57, 96}) {
        for (const FrameLine& line : lines) {
            const FrameLayout layout = LayOutFrame(line, 200, height, kMeasure);
            ASSERT_TRUE(layout.main.present) << height;
            ASSERT_TRUE(layout.hasLabelBox) << height;
            EXPECT_FALSE(layout.labelBox.Overlaps(layout.main.box)) << height;
            EXPECT_LE(layout.labelBox.right, layout.main.box.left) << height;
            EXPECT_LE(layout.labelBox.Width(), (200 - 2) / 3) << height;
            if (layout.sub.present) {
                EXPECT_FALSE(layout.sub.box.Overlaps(layout.main.box)) << height;
                EXPECT_FALSE(layout.labelBox.Overlaps(layout.sub.box)) << height;
            }
        }
    }
}

TEST(LayOutFrame, GivesNothingToDrawInAFrameTooSmallAndNothingForABlankLine)
{
    for (auto [w, h] : {std::pair{0, 0}, {4, 4}, {1, 57}, {200, 1}, {-5, 10}}) {
        const FrameLayout layout = LayOutFrame({"ab", "cd", "ef"}, w, h, kMeasure);
        EXPECT_FALSE(layout.main.present) << w << "x" << h;
        EXPECT_FALSE(layout.sub.present);
        EXPECT_FALSE(layout.hasLabelBox);
    }
    const FrameLayout blank = LayOutFrame({}, 200, 57, kMeasure);
    EXPECT_FALSE(blank.main.present || blank.sub.present || blank.hasLabelBox);
}

}  // namespace
}  // namespace rolva
