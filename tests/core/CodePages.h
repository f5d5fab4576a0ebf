// Lead-byte tests of the code pages the core tests read text in, as the system's
// IsDBCSLeadByteEx answers them: Shift-JIS (932) and a single-byte Western page (1252).
#pragma once

namespace rolva::test {

inline bool IsLeadByte932(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

inline bool IsLeadByte1252(unsigned char) { return false; }

}  // namespace rolva::test
