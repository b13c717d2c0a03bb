// The texts of the verbose value lines.
#pragma once

#include <cstdint>
#include <string>

namespace movra {

// Decimal digits with "," between groups of three: 1000 -> "1,000".
std::u16string formatSize(std::int64_t size);

// Local time as "yyyy/mm/dd hh:mm:ss" (the year right-aligned in four places). A time
// that cannot be shown that way (-1, or outside years 0 to 9999) gives
// "----/--/-- --:--:--", which has the same 19 characters.
std::u16string formatDateTime(std::int64_t seconds);

// Three characters: "R" or "." for read-only, "H" or "." for hidden, "S" or "." for system.
std::u16string formatAttributes(std::uint32_t attrib);

}  // namespace movra
