#include "calc/window_created.h"

#include "calc/working_variables.h"

namespace quenzar {

void onWindowCreated() {
  crystalMHz = 1.0;
  timerByte = 255;
}

}  // namespace quenzar
