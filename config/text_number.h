// Numbers typed by a person: the conversion that the sound settings and the detection share.
#pragma once

#include <cstdint>
#include <string_view>

namespace kz {

// The text as an integer of the base (10 or 16): leading white space skipped, an optional sign,
// for base 16 an optional "0x" or "0X", then digits up to the first other character. Text
// without digits gives 0; a value beyond 32 bits stops at the nearest end of the range.
int32_t TextToInteger(std::string_view text, int base);

}  // namespace kz
