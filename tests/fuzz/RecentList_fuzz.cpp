// Any bytes decode into at most four distinct data-file names without control bytes, and the list
// written back decodes to itself.
#include "app/core/RecentList.h"
#include "document/core/DataFileKind.h"
#include "tests/core/CodePages.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const rolva::RecentList list = rolva::DecodeRecentList(bytes, rolva::test::IsLeadByte932);
    ROLVA_FUZZ_CHECK(list.size() <= rolva::kRecentFileCount);
    for (std::size_t i = 0; i < list.size(); ++i) {
        ROLVA_FUZZ_CHECK(!list[i].empty() && list[i].size() <= rolva::kRecentPathMaxBytes);
        ROLVA_FUZZ_CHECK(rolva::DataFileKindOf(list[i]) != rolva::DataFileKind::None);
        for (char c : list[i])
            ROLVA_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
        for (std::size_t j = 0; j < i; ++j)
            ROLVA_FUZZ_CHECK(!rolva::SameFilePath(list[i], list[j], rolva::test::IsLeadByte932));
        ROLVA_FUZZ_CHECK(rolva::RecentMenuLabel(static_cast<int>(i) + 1, list[i], rolva::test::IsLeadByte932).size() >= 3);
    }
    ROLVA_FUZZ_CHECK(rolva::DecodeRecentList(rolva::EncodeRecentList(list), rolva::test::IsLeadByte932) == list);

    // The list rules keep their bounds over whatever was read.
    rolva::RecentList edited = list;
    rolva::NoteRecentFile(edited, "C:\\x.rv4", rolva::test::IsLeadByte932);
    ROLVA_FUZZ_CHECK(edited.size() <= rolva::kRecentFileCount && edited.front() == "C:\\x.rv4");
    rolva::RemoveRecentFile(edited, "c:/X.RV4", rolva::test::IsLeadByte932);
    ROLVA_FUZZ_CHECK(edited.size() < rolva::kRecentFileCount);
    return 0;
}
