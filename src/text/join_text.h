#pragma once
// Texts joined into one new text.

#include <initializer_list>
#include <string>
#include <string_view>

namespace quenzar {

// The parts one after another, nothing between them.
std::string joinText(std::initializer_list<std::string_view> parts);

}  // namespace quenzar
