#pragma once
// The default installation of a new fan project (8760 h, kW), computed like the window does.
#include "core/estimate.h"
#include "core/parameters.h"

namespace wattora::tools {

struct QuietSink : FatalErrorSink {
  void Fatal(const std::string&) override {}
};

inline EnergyEstimate SampleEstimate(ApplicationType application) {
  QuietSink sink;
  ParameterTable table(sink);
  table.DefineAllParameters();
  EstimateInputs in;
  in.separators = Separators::Dot();
  for (int n = 1; n <= 19; ++n)
    in.entries[n - 1] = FormatFixed(table.Value(n), table[n].Decimals(), in.separators);
  in.CopyDutyText();
  in.curves.ResetToDefaults();
  EnergyEstimate estimate;
  ComputeEstimate(application, in, estimate);
  return estimate;
}

inline ProgramSettings SampleSettings() {
  ProgramSettings settings;
  settings.currencySymbol = "€";
  settings.custom1Selected = true;
  settings.SetCustomTitle(1, "Variateur magnétique");
  return settings;
}

}  // namespace wattora::tools
