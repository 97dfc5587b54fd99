#include <cfenv>
#include <fpu_control.h>

#include "calc/float_environment.h"

namespace quenzar {

void setFloatingPointState() {
  // x87 unit (long double): 64-bit significands, round to nearest, every
  // exception masked, so that a division by zero gives an infinity.
  fpu_control_t word = _FPU_EXTENDED | _FPU_RC_NEAREST | _FPU_MASK_IM | _FPU_MASK_DM |
                       _FPU_MASK_ZM | _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
  _FPU_SETCW(word);
  // SSE unit (double): the same rounding, exceptions masked as well.
  std::fesetround(FE_TONEAREST);
  fedisableexcept(FE_ALL_EXCEPT);
}

}  // namespace quenzar
