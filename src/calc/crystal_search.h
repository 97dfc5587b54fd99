#pragma once
// The crystal search: every crystal from 起始晶振 to 结束晶振 in steps of 步进,
// and every 8-bit timer value whose output lies in the band 下限..上限.

namespace quenzar {

// Clicked handler of 开始计算.
void onSearchStartClicked();

}  // namespace quenzar
