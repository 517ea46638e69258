#include "core/workspace.h"

namespace wattora {

std::string& ConfigFields::CurveFieldOf(int parameter) {
  if (parameter <= 20) return curveText[0][0];
  return curveText[(parameter - 11) / 10][(parameter - 21) % 10];
}

EstimateInputs InputsFromParameters(const ParameterTable& table, const EfficiencyCurves& curves,
                                    double kwPerPowerUnit, const Separators& separators) {
  EstimateInputs in;
  in.separators = separators;
  for (int n = 1; n <= 19; ++n)
    in.entries[n - 1] = FormatFixed(table.Value(n), table[n].Decimals(), separators);
  in.CopyDutyText();
  in.curves = curves;
  in.kwPerPowerUnit = kwPerPowerUnit;
  return in;
}

}  // namespace wattora
