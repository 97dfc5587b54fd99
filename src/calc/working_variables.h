#pragma once
// The working variables of the calculations: global, zero at process start,
// written by onWindowCreated and the two runs. A run writes each variable it
// uses before it reads it, so nothing passes from one run into the next.

#include <cstdint>

namespace quenzar {

extern double crystalMHz;     // the crystal being worked on
extern double endCrystalMHz;  // last crystal of the search
extern double stepMHz;        // distance between two crystals of the search
extern double lowerKHz;       // lower limit of the wanted output band
extern double upperKHz;       // upper limit of the wanted output band
extern double cycleUs;        // one machine cycle
extern double periodUs;       // from loading the timer value to overflow
extern double outputKHz;      // output frequency
extern std::uint8_t timerByte;   // timer value of the search, 8-bit
extern std::int32_t timerCount;  // timer value of the table
extern double runStartTime;   // date-time: days since 1899-12-30 00:00 local

}  // namespace quenzar
