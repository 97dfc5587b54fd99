#include "text/join_text.h"

namespace quenzar {

std::string joinText(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  std::string text;
  text.reserve(size);
  for (std::string_view part : parts) text += part;
  return text;
}

}  // namespace quenzar
