#include "output/save_results.h"

namespace quenzar {

void onSearchSaveClicked() {}  // being written
void onTableSaveClicked() {}  // being written

}  // namespace quenzar
