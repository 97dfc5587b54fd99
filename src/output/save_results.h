#pragma once
// Saving the results box 编辑框1 to a GBK text file chosen in the save dialog
// of 通用对话框1. The file holds the box's text byte for byte: GBK, lines
// ending in CR LF as the runs appended them, no byte-order mark, nothing
// added. A failed save keeps the old file whole and says so in one box; a
// cancelled dialog is silent.

#include <string>
#include <string_view>

#include "app/window_layout.h"

namespace quenzar {

// Clicked handlers of 保存结果 and 保存结果1; both run saveResults.
void onSearchSaveClicked();
void onTableSaveClicked();

// Shows the save dialog of 通用对话框1 and writes the whole text of 编辑框1 to
// the chosen file. A failed write shows one error box naming the file and
// the reason; a cancelled dialog changes nothing and shows nothing.
void saveResults();

// The file name setting of a dialog holder in the window now attached: the
// full path last chosen in this window, or else the layout's proposed name.
std::string dialogFileName(const FileDialogSettings& settings);

// Shows the dialog of a file dialog holder. True when the user confirmed a
// file; then dialogFileName gives the chosen full path. Otherwise nothing
// changes.
bool openSaveDialog(const FileDialogSettings& settings);

// Replaces the file at gbkPath with bytes, all or nothing. False, with the
// reason in gbkReason, when the path is empty or the file could not be
// written; the old file then stays whole.
bool writeBytesToFile(std::string_view gbkPath, std::string_view bytes, std::string& gbkReason);

}  // namespace quenzar
