#pragma once
// Saving the results box 编辑框1 to a GBK text file chosen in the save dialog
// of 通用对话框1. The file holds the box's text byte for byte: GBK, lines
// ending in CR LF as the runs appended them, no byte-order mark, nothing
// added. A failed save keeps the old file whole and says so in one box; a
// cancelled dialog is silent.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/control_access.h"

namespace quenzar {

// Clicked handlers of 保存结果 and 保存结果1; both run saveResults.
void onSearchSaveClicked();
void onTableSaveClicked();

// Shows the save dialog of 通用对话框1 and writes the whole text of 编辑框1 to
// the chosen file. A failed write shows one error box naming the file and
// the reason; a cancelled dialog changes nothing and shows nothing.
void saveResults();

// The (description, pattern) pairs of a filter setting, GBK bytes:
// white space at the end is dropped, "||" is appended unless the text
// already ends so, and the text is split at every "|" byte that is not the
// trail byte of a double-byte character. Pairs are read until an empty
// description. An empty setting gives no pairs.
std::vector<std::pair<std::string, std::string>> splitFilterList(std::string_view gbkFilter);

// What the dialog of a file dialog holder is asked to show.
SaveDialogRequest saveDialogRequest(const FileDialogState& settings);

// Shows the dialog of a file dialog holder. True when the user confirmed a
// file; then settings.fileName holds the chosen full path. Otherwise the
// settings are left as they were.
bool openSaveDialog(FileDialogState& settings);

// Replaces the file at gbkPath with bytes, all or nothing. False, with the
// reason in gbkReason, when the path is empty or the file could not be
// written; the old file then stays whole.
bool writeBytesToFile(std::string_view gbkPath, std::string_view bytes, std::string& gbkReason);

}  // namespace quenzar
