#pragma once
// The default installation of a new project, as the entries show it.
#include "core/workspace.h"
#include "support/fakes.h"

namespace wattora::testing {

inline EstimateInputs DefaultInputs(const Separators& seps = Separators::Dot(), bool kw = true) {
  RecordingSink sink;
  ParameterTable table(sink);
  table.DefineAllParameters();
  EfficiencyCurves curves;
  curves.ResetToDefaults();
  return InputsFromParameters(table, curves, kw ? 1.0 : 0.7457, seps);
}

}  // namespace wattora::testing
