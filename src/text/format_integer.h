#pragma once
// Whole numbers to text: plain decimal digits, "-" in front of a negative.

#include <cstdint>
#include <string>

namespace quenzar {

std::string formatInteger(std::int32_t value);
std::string formatInteger(std::uint8_t value);

}  // namespace quenzar
