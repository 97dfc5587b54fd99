#include "output/results_output.h"

#include "app/control_access.h"
#include "app/control_names.h"

namespace quenzar {

void clearResults() { setText(control::kResults, ""); }

void appendResults(std::string_view gbkText) { controls().appendToEnd(control::kResults, gbkText); }

void setProgressTitle(std::string_view gbkText) { setText(kMainWindow, gbkText); }

}  // namespace quenzar
