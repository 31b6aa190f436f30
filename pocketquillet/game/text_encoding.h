#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pocketquillet {

// The game keeps player names, settings and hiscore texts in UTF-16, as its files hold them, and
// its language tables in UTF-8. These turn one into the other; malformed input becomes U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// Compares two texts ignoring the case of the ASCII letters ("on" equals "ON").
bool equalsIgnoringCase(std::u16string_view first, std::u16string_view second);

// Reads the leading decimal digits of a text as an unsigned number: no digits give 0, a number
// too large for 32 bits gives the largest one.
std::uint32_t parseDecimal(std::u16string_view text);

// Writes a number in decimal.
std::u16string decimalText(std::uint32_t number);

}  // namespace pocketquillet
