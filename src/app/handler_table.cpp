#include "app/handler_table.h"

#include <array>

#include "calc/crystal_search.h"
#include "calc/output_table.h"
#include "calc/window_created.h"
#include "calc/tolerance_band.h"
#include "output/save_results.h"

namespace quenzar {
namespace {

constexpr std::array kProgramHandlers{
    HandlerEntry{"onWindowCreated", &onWindowCreated},
    HandlerEntry{"onSearchStartClicked", &onSearchStartClicked},
    HandlerEntry{"onSearchSaveClicked", &onSearchSaveClicked},
    HandlerEntry{"onTableStartClicked", &onTableStartClicked},
    HandlerEntry{"onTableSaveClicked", &onTableSaveClicked},
    HandlerEntry{"onErrorChanged", &onErrorChanged},
    HandlerEntry{"onCentreChanged", &onCentreChanged},
};

}  // namespace

HandlerTable programHandlers() { return kProgramHandlers; }

Handler findHandler(HandlerTable table, std::string_view name) {
  for (const HandlerEntry& entry : table) {
    if (entry.name == name) return entry.handler;
  }
  return nullptr;
}

}  // namespace quenzar
