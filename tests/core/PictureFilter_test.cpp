#include "settings/core/PictureFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rolva {
namespace {

// Splits the filter the way the common dialogs read it: strings up to each NUL, ending at an
// empty one. Anything after that empty string is never seen by the dialog.
std::vector<std::string> ReadFilter(const std::string& filter, size_t* used)
{
    std::vector<std::string> parts;
    size_t at = 0;
    while (at < filter.size() && filter[at] != '\0') {
        const size_t end = filter.find('\0', at);
        if (end == std::string::npos)
            break;
        parts.push_back(filter.substr(at, end - at));
        at = end + 1;
    }
    *used = at + 1;
    return parts;
}

TEST(PictureFilter, OffersThreeTypesWithoutGdiplusAndFiveWithIt)
{
    struct Case {
        bool gdiplus;
        std::vector<std::string> patterns;
    };
    const Case cases[] = {
        {false, {"*.bmp", "*.jpg", "*.gif"}},
        {true, {"*.bmp", "*.jpg", "*.gif", "*.png", "*.tif"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gdiplus);
        const std::string filter = PictureFilter(c.gdiplus);
        size_t used = 0;
        const std::vector<std::string> parts = ReadFilter(filter, &used);
        EXPECT_EQ(filter.size(), used) << "the list must end with an empty string, and only there";
        ASSERT_EQ(c.patterns.size() * 2, parts.size());
        for (size_t i = 0; i < c.patterns.size(); ++i) {
            EXPECT_EQ(c.patterns[i], parts[2 * i + 1]);
            // Each label names its own pattern, so the list reads right to a person.
            EXPECT_NE(std::string::npos, parts[2 * i].find("(" + c.patterns[i] + ")")) << parts[2 * i];
        }
    }
}

}  // namespace
}  // namespace rolva
