#include "text/format_integer.h"

#include <charconv>

namespace quenzar {
namespace {

template <typename Integer>
std::string decimalText(Integer value) {
  char buffer[16];  // "-2147483648" is the longest
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string formatInteger(std::int32_t value) { return decimalText(value); }
std::string formatInteger(std::uint8_t value) { return decimalText(unsigned{value}); }

}  // namespace quenzar
