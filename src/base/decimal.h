// Lenient decimal conversion in the manner of the C library's atoi family, saturating.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

/// Skips leading blanks, takes an optional sign and the leading digits; anything else ends
/// the number and no digit at all gives 0. Values beyond the range saturate.
std::int64_t parseLeadingInt64(std::string_view text);

/// The same, saturated to the range of int.
int parseLeadingInt(std::string_view text);

} // namespace corvane
