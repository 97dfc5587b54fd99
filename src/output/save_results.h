#pragma once
// Saving the results box 编辑框1 to a GBK text file chosen in the save dialog.

namespace quenzar {

// Clicked handlers of 保存结果 and 保存结果1; both save the same way.
void onSearchSaveClicked();
void onTableSaveClicked();

}  // namespace quenzar
