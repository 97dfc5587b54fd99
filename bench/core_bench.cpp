// Throughput of the conversions and of the timer arithmetic.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "calc/float_environment.h"
#include "calc/result_line.h"
#include "calc/timer_math.h"
#include "calc/window_created.h"
#include "calc/working_variables.h"
#include "text/format_number.h"
#include "text/parse_number.h"

namespace {

using namespace quenzar;

void BM_ParseNumber(benchmark::State& state) {
  const std::vector<std::string> texts = {"23.5", "24.5", "0.0001", "39.9", "40.1",
                                          "11.0592", "0.025", "1.5E+3"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(parseNumber(texts[i++ % texts.size()]));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseNumber);

void BM_FormatFixed(benchmark::State& state) {
  // Crystals and outputs as the search produces them.
  const std::vector<double> values = {23.939999999998975, 39.89999999999829, 24.0, 1000.0,
                                      3.90625, 0.062185187488340274, 153.60000000000002};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatFixed(values[i++ % values.size()], 4));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatFixed);

void BM_FormatResultLine(benchmark::State& state) {
  std::int32_t value = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatResultLine(23.939999999998975, value, 39.89999999999829));
    value = (value + 1) & 0xFF;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatResultLine);

// All 256 timer values of one crystal, as one search pass without the early exit.
void BM_ComputeOutputCrystal(benchmark::State& state) {
  setFloatingPointState();
  crystalMHz = 23.939999999998975;
  computeCycle();
  for (auto _ : state) {
    for (std::int32_t value = 255; value >= 0; --value) {
      computeOutput(256.0, value);
      benchmark::DoNotOptimize(outputKHz);
    }
  }
  state.SetItemsProcessed(state.iterations() * 256);
}
BENCHMARK(BM_ComputeOutputCrystal);

}  // namespace
