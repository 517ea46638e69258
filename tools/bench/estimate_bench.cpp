// Time of one estimate as the results page makes it: ComputeEstimate + CompareEstimate.
//   estimate_bench [repetitions]
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "core/comparison.h"
#include "core/services.h"
#include "core/texttable.h"
#include "core/workspace.h"

int main(int argc, char** argv) {
  using namespace wattora;
  const int repetitions = argc > 1 ? std::atoi(argv[1]) : 200000;
  StderrFatalSink sink;
  ParameterTable table(sink);
  table.DefineAllParameters();
  EfficiencyCurves curves;
  curves.ResetToDefaults();
  EstimateInputs inputs = InputsFromParameters(table, curves, 1.0, Separators::French());
  ProgramSettings settings;
  settings.custom1Selected = settings.custom2Selected = true;
  const TextTable& texts = TextTable::ForWindow("TFANFORM");
  EnergyEstimate estimate;
  double checksum = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < repetitions; ++i) {
    inputs.entries[4] = i % 2 ? "150,0" : "151,0";  // defeat any caching of the inputs
    const ApplicationType application = i % 3 ? ApplicationType::Fan : ApplicationType::Pump;
    ComputeEstimate(application, inputs, estimate);
    const EstimateComparison c =
        CompareEstimate(application, estimate, settings, texts, Separators::French());
    checksum += c.costRows.front().annualCost;
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%d estimates: %.3f µs per ComputeEstimate + CompareEstimate (checksum %.0f)\n",
              repetitions, 1e6 * seconds / repetitions, checksum);
  return 0;
}
