// The face the strip maker falls back to: the first installed Japanese face that is not
// vertical, else the fallback.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maker/core/FaceChoice.h"

namespace rolva {
namespace {

TEST(FaceChoice, TheFirstUprightJapaneseFaceElseTheFallback)
{
    const struct {
        const char* what;
        std::vector<InstalledFace> installed;
        const char* expected;
    } cases[] = {
        {"no faces at all", {}, "Message"},
        {"Latin faces only", {{"Arial", 0}, {"Tahoma", 0}}, "Message"},
        {"the Japanese one among Latin ones", {{"Arial", 0}, {"IPAGothic", 128}, {"Tahoma", 0}}, "IPAGothic"},
        {"the first of two", {{"IPAMincho", 128}, {"IPAGothic", 128}}, "IPAMincho"},
        {"a vertical face is passed over", {{"@IPAGothic", 128}, {"IPAGothic", 128}}, "IPAGothic"},
        {"only vertical faces", {{"@IPAGothic", 128}}, "Message"},
        {"a face listed for another set is not Japanese", {{"IPAGothic", 0}, {"Tahoma", 128}}, "Tahoma"},
        {"a nameless entry is skipped", {{"", 128}, {"IPAGothic", 128}}, "IPAGothic"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.expected, ReplacementFace(c.installed, "Message"));
    }
}

}  // namespace
}  // namespace rolva
