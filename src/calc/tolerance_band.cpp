#include "calc/tolerance_band.h"

#include "app/control_access.h"
#include "app/control_names.h"
#include "text/extended_precision.h"
#include "text/format_number.h"
#include "text/parse_number.h"

namespace quenzar {

// The error is in percent of the centre. The grouping is fixed: the product
// first, then the quotient, then the sum or difference; another grouping
// changes the last bit for many inputs, and a last bit can decide a tie at
// the second decimal.
void updateToleranceBand() {
  const double centre = parseNumber(getText(control::kCentre));
  const double error = parseNumber(getText(control::kError));
  const double deviation = extended::quotient(extended::product(centre, error), 100.0);
  const double upper = extended::sum(centre, deviation);
  setText(control::kUpper, formatFixed(upper, 2));
  const double lower = extended::difference(centre, deviation);
  setText(control::kLower, formatFixed(lower, 2));
}

void onCentreChanged() { updateToleranceBand(); }
void onErrorChanged() { updateToleranceBand(); }

}  // namespace quenzar
