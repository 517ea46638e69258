#pragma once
// The default installation of a new project, as the entries show it.
#include "core/estimate.h"
#include "core/parameters.h"

namespace wattora::testing {

struct NullSink : FatalErrorSink {
  void Fatal(const std::string&) override {}
};

inline EstimateInputs DefaultInputs(const Separators& seps = Separators::Dot(), bool kw = true) {
  NullSink sink;
  ParameterTable table(sink);
  table.DefineAllParameters();
  EstimateInputs in;
  in.separators = seps;
  for (int n = 1; n <= 19; ++n) in.entries[n - 1] = FormatFixed(table.Value(n), table[n].Decimals(), seps);
  in.CopyDutyText();
  in.curves.ResetToDefaults();
  in.kwPerPowerUnit = kw ? 1.0 : 0.7457;
  return in;
}

}  // namespace wattora::testing
