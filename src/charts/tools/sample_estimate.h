#pragma once
// The default installation of a new fan project (8760 h, kW), computed like the window does.
#include "core/services.h"
#include "core/workspace.h"

namespace wattora::tools {

inline EnergyEstimate SampleEstimate(ApplicationType application) {
  StderrFatalSink sink;
  ParameterTable table(sink);
  table.DefineAllParameters();
  EfficiencyCurves curves;
  curves.ResetToDefaults();
  const EstimateInputs in = InputsFromParameters(table, curves, 1.0, Separators::Dot());
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
