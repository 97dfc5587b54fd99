#include "calc/result_line.h"

#include <string_view>

#include "text/format_integer.h"
#include "text/format_number.h"
#include "text/join_text.h"

namespace quenzar {
namespace {

// The literal pieces of a result line, GBK: 9, 14, 11 and 5 bytes.
constexpr std::string_view kCrystalLabel = "\xbe\xa7\xd5\xf1\xc6\xb5\xc2\xca\x3a";  // "晶振频率:"
constexpr std::string_view kTimerLabel =
    "\x4d\x48\x7a\x20\x20\xb6\xa8\xca\xb1\xc6\xf7\xd6\xb5\x3a";  // "MHz  定时器值:"
constexpr std::string_view kOutputLabel =
    "\x20\x20\xca\xe4\xb3\xf6\xc6\xb5\xc2\xca\x3a";  // "  输出频率:"
constexpr std::string_view kLineEnd = "KHz\r\n";

}  // namespace

std::string formatResultLine(double crystal, std::int32_t timerValue, double output) {
  return joinText({kCrystalLabel, formatFixed(crystal, 4), kTimerLabel, formatInteger(timerValue),
                   kOutputLabel, formatFixed(output, 4), kLineEnd});
}

}  // namespace quenzar
