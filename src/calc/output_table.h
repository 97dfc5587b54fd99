#pragma once
// The output table: for the crystal in 固定晶振, the output of every timer
// value of the checked count mode.

namespace quenzar {

// Clicked handler of 开始计算1.
void onTableStartClicked();

}  // namespace quenzar
