#pragma once
// What the save dialog of a file dialog holder is asked to show, derived
// from its constant settings: pure rules, no window and no desktop.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/desktop.h"
#include "app/window_layout.h"

namespace quenzar {

// The (description, pattern) pairs of a filter setting, GBK bytes:
// white space at the end is dropped, "||" is appended unless the text
// already ends so, and the text is split at every "|" byte that is not the
// trail byte of a double-byte character. Pairs are read until an empty
// description. An empty setting gives no pairs.
std::vector<std::pair<std::string, std::string>> splitFilterList(std::string_view gbkFilter);

// The request for settings, proposing fileName (the layout's name, or the
// last chosen full path).
SaveDialogRequest saveDialogRequest(const FileDialogSettings& settings, std::string_view fileName);

}  // namespace quenzar
