#include "text/conversions.h"

#include <charconv>

namespace quenzar {
namespace {

template <typename Integer>
std::string decimalText(Integer value) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string formatInteger(std::int32_t value) { return decimalText(value); }
std::string formatInteger(std::uint8_t value) { return decimalText(unsigned{value}); }

std::string joinText(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace quenzar
