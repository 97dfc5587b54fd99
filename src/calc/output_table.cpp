#include "calc/output_table.h"

namespace quenzar {

void onTableStartClicked() {}  // being written

}  // namespace quenzar
