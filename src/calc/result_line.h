#pragma once
// One result line of the results box.

#include <cstdint>
#include <string>

namespace quenzar {

// "晶振频率:" crystal "MHz  定时器值:" value "  输出频率:" output "KHz\r\n", GBK;
// crystal and output with 4 decimals. Every line brings its own CR LF, so
// lines appended one after another form the results text.
std::string formatResultLine(double crystalMHz, std::int32_t timerValue, double outputKHz);

}  // namespace quenzar
