#include "calc/working_variables.h"

namespace quenzar {

double crystalMHz = 0.0;
double endCrystalMHz = 0.0;
double stepMHz = 0.0;
double lowerKHz = 0.0;
double upperKHz = 0.0;
double cycleUs = 0.0;
double periodUs = 0.0;
double outputKHz = 0.0;
std::uint8_t timerByte = 0;
std::int32_t timerCount = 0;
double runStartTime = 0.0;

}  // namespace quenzar
