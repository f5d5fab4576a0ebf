// Any bytes give no document or one whose style keeps its bounds; that document written and read
// again is the same document, and its frame list splits within the frame limit.
#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"
#include "tests/core/CodePages.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

bool SameStyle(const rolva::MakerStyle& a, const rolva::MakerStyle& b)
{
    if (a.face != b.face || a.bold != b.bold || a.text != b.text || a.background != b.background ||
        a.frameLine != b.frameLine || a.led != b.led || a.ledPitch != b.ledPitch || a.otherLabels != b.otherLabels ||
        a.labels.size() != b.labels.size())
        return false;
    for (std::size_t i = 0; i < a.labels.size(); ++i) {
        if (a.labels[i].label != b.labels[i].label || a.labels[i].colour != b.labels[i].colour)
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto document = rolva::DecodeMakerFile(bytes);
    if (!document)
        return 0;
    const rolva::MakerStyle& style = document->style;
    ROLVA_FUZZ_CHECK(!style.face.empty() && style.face.size() < 32);
    ROLVA_FUZZ_CHECK(style.ledPitch >= rolva::kMinLedPitch && style.ledPitch <= rolva::kMaxLedPitch);
    ROLVA_FUZZ_CHECK(static_cast<int>(style.led) >= 0 && static_cast<int>(style.led) < rolva::kLedLookCount);
    ROLVA_FUZZ_CHECK(style.text <= 0xFFFFFF && style.background <= 0xFFFFFF && style.otherLabels <= 0xFFFFFF);
    for (const rolva::LabelColour& entry : style.labels)
        ROLVA_FUZZ_CHECK(!entry.label.empty() && entry.colour <= 0xFFFFFF);

    const auto again = rolva::DecodeMakerFile(rolva::EncodeMakerFile(*document));
    ROLVA_FUZZ_CHECK(again.has_value());
    ROLVA_FUZZ_CHECK(SameStyle(style, again->style));
    ROLVA_FUZZ_CHECK(again->listText == document->listText);

    const rolva::FrameList list = rolva::ParseFrameList(document->listText, rolva::test::IsLeadByte932);
    ROLVA_FUZZ_CHECK(list.frames.size() <= rolva::kMaxMakerFrames);
    ROLVA_FUZZ_CHECK(list.frames.size() == list.lineCount || list.TooMany());
    return 0;
}
