#include "calc/tolerance_band.h"

namespace quenzar {

void updateToleranceBand() {}  // being written
void onCentreChanged() { updateToleranceBand(); }
void onErrorChanged() { updateToleranceBand(); }

}  // namespace quenzar
