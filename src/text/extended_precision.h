#pragma once
// The arithmetic regime of every calculation: each operation is carried out
// with a 64-bit significand (round to nearest, ties to even), and each result
// that is stored is then rounded to a double. A stored result is therefore
// rounded twice, which for a few operands gives a different last bit than
// plain double arithmetic (500 / 8040.5 is one). The differences inside the
// tolerant comparisons are not stored: they stay at 64-bit precision.
//
// This is the one place that spells out the precision; everything else uses
// these functions.

#include <cfloat>
#include <limits>

namespace quenzar::extended {

// With GCC on x86-64, long double is the x87 format with a 64-bit significand.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the arithmetic needs a 64-bit-significand long double (x87)");
static_assert(std::numeric_limits<double>::digits == 53 && std::numeric_limits<double>::is_iec559,
              "stored results are IEEE-754 doubles");
static_assert(FLT_EVAL_METHOD == 0 || FLT_EVAL_METHOD == 2,
              "double expressions must not be evaluated in an unexpected format");

// Rounds a 64-bit-significand result to the double that is stored.
inline double store(Extended x) { return static_cast<double>(x); }

// Each of these computes a op b with a 64-bit significand, then stores it.
inline double sum(double a, double b) { return store(Extended{a} + Extended{b}); }
inline double difference(double a, double b) { return store(Extended{a} - Extended{b}); }
inline double product(double a, double b) { return store(Extended{a} * Extended{b}); }
inline double quotient(double a, double b) { return store(Extended{a} / Extended{b}); }

// a - b kept at 64-bit precision, for comparisons only.
inline Extended unstoredDifference(double a, double b) { return Extended{a} - Extended{b}; }

}  // namespace quenzar::extended
