#include "wizard/entryrules.h"

namespace wattora {

bool KeyAccepted(const std::string& typed, const Separators& separators) {
  if (typed.empty()) return true;
  const unsigned char first = static_cast<unsigned char>(typed[0]);
  if (typed.size() == 1 && (first < 0x20 || first == 0x7f)) return true;
  if (typed.size() == 1 && first >= '0' && first <= '9') return true;
  return typed == separators.decimal || typed == separators.group;
}

int RangeCheckDecimals(float stepsPerUnit) {
  if (stepsPerUnit == 10000.0f) return 4;
  if (stepsPerUnit == 1000.0f) return 3;
  if (stepsPerUnit == 100.0f) return 2;
  if (stepsPerUnit == 10.0f) return 1;
  return 0;
}

std::optional<RangeCheckResult> CheckRangeText(const std::string& text, const Parameter& p,
                                               const Separators& separators) {
  if (text.empty()) return std::nullopt;
  // Single precision, as the parameter keeps it: 0,15 stays below the stored minimum 0,2.
  const float value = static_cast<float>(ParseLocaleNumber(text, separators).value);
  const int decimals = RangeCheckDecimals(p.stepsPerUnit);
  if (value > p.maximum) return RangeCheckResult{FormatFixed(p.maximum, decimals, separators), true};
  if (value >= p.minimum) return RangeCheckResult{FormatFixed(value, decimals, separators), false};
  return RangeCheckResult{FormatFixed(p.minimum, decimals, separators), true};
}

int OverviewMethodCode(ControlMethod method) {
  switch (method) {
    case ControlMethod::Drive: return 1;
    case ControlMethod::OutletDamper: return 2;
    case ControlMethod::InletVane:
    case ControlMethod::ThrottlingValve: return 3;
    case ControlMethod::Custom1: return 4;
    case ControlMethod::Custom2: return 5;
    case ControlMethod::NoSpeedControl: break;
  }
  return 0;
}

std::optional<ControlMethod> OverviewMethod(int application, int code) {
  if (application != 1 && application != 2) return std::nullopt;
  const bool pump = application == 2;
  switch (code) {
    case 1: return ControlMethod::Drive;
    case 2: return pump ? std::nullopt : std::optional(ControlMethod::OutletDamper);
    case 3: return pump ? ControlMethod::ThrottlingValve : ControlMethod::InletVane;
    case 4: return ControlMethod::Custom1;
    case 5: return ControlMethod::Custom2;
    default: return std::nullopt;
  }
}

}  // namespace wattora
