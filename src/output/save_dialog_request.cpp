#include "output/save_dialog_request.h"

#include <algorithm>
#include <climits>

namespace quenzar {
namespace {

// A GBK lead byte starts a double-byte character; the byte after it is its
// trail byte, whatever its value. Trail bytes reach down to 0x40, so "|"
// (0x7C) and "\" (0x5C) can be the second half of a character.
bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

bool isTrailingSpace(char byte) {
  return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n' || byte == '\v' ||
         byte == '\f';
}

// The parts between separators. White space and "|" lie below 0x40, so
// neither can be a trail byte and the byte-wise trim and end test are safe.
std::vector<std::string> splitAtSeparators(std::string_view gbkFilter) {
  std::string text(gbkFilter);
  while (!text.empty() && isTrailingSpace(text.back())) text.pop_back();
  if (text.empty()) return {};
  if (!text.ends_with("||")) text += "||";
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (isLeadByte(byte) && i + 1 < text.size()) {
      parts.back() += text.substr(i, 2);
      ++i;
    } else if (byte == '|') {
      parts.emplace_back();
    } else {
      parts.back() += text[i];
    }
  }
  return parts;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> splitFilterList(std::string_view gbkFilter) {
  const std::vector<std::string> parts = splitAtSeparators(gbkFilter);
  std::vector<std::pair<std::string, std::string>> pairs;
  // The appended "||" guarantees an empty part after the last pattern.
  for (std::size_t i = 0; i + 1 < parts.size() && !parts[i].empty(); i += 2) {
    pairs.emplace_back(parts[i], parts[i + 1]);
  }
  return pairs;
}

SaveDialogRequest saveDialogRequest(const FileDialogSettings& settings, std::string_view fileName) {
  SaveDialogRequest request;
  request.title = settings.title;
  request.fileName = fileName;
  request.filters = splitFilterList(settings.filter);
  if (!request.filters.empty()) {
    // Counted from 1; a negative setting selects the first pair. Widened so
    // that the largest setting cannot overflow.
    const long long selected = std::max(settings.initialFilter, 0) + 1LL;
    request.selectedFilter = static_cast<int>(std::min<long long>(selected, INT_MAX));
  }
  request.initialFolder = settings.initialFolder;
  request.defaultExtension = settings.defaultExtension;
  // Only the overwrite prompt means anything to a save dialog: requiring the
  // file to exist would forbid saving to a new file, and the write itself
  // reports a folder that does not exist.
  request.overwritePrompt = settings.overwritePrompt;
  return request;
}

}  // namespace quenzar
