#include "calc/crystal_search.h"

namespace quenzar {

void onSearchStartClicked() {}  // being written

}  // namespace quenzar
