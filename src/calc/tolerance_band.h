#pragma once
// The band limits 上限 and 下限, kept in step with 中心 and 误差.

namespace quenzar {

// Reads 中心 and 误差, writes 上限 then 下限 with 2 decimals.
void updateToleranceBand();

// Text-changed handlers of 中心 and 误差.
void onCentreChanged();
void onErrorChanged();

}  // namespace quenzar
