#include "core/estimate.h"

#include <cmath>
#include <limits>

namespace wattora {

namespace {

constexpr std::array<ControlMethod, 5> kFanMethods = {
    ControlMethod::Drive, ControlMethod::OutletDamper, ControlMethod::InletVane,
    ControlMethod::Custom1, ControlMethod::Custom2};
constexpr std::array<ControlMethod, 5> kPumpMethods = {
    ControlMethod::Drive, ControlMethod::ThrottlingValve, ControlMethod::Custom1,
    ControlMethod::Custom2, ControlMethod::Custom2};

Curve CurveOf(ControlMethod m) {
  switch (m) {
    case ControlMethod::OutletDamper: return Curve::DE;
    case ControlMethod::InletVane: return Curve::IVE;
    case ControlMethod::ThrottlingValve: return Curve::VAE;
    case ControlMethod::Custom1: return Curve::C1E;
    default: return Curve::C2E;
  }
}

double Number(const EstimateInputs& in, int entry) {
  return ParseLocaleNumber(in.entries[entry - 1], in.separators).value;
}

int Whole(const EstimateInputs& in, int entry) {
  return ParseLocaleWholeNumber(in.entries[entry - 1], in.separators);
}

bool Finite(const std::array<double, kFlowPoints>& values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

}  // namespace

const std::array<ControlMethod, 5>& ComputedMethods(ApplicationType application, int* count) {
  if (application == ApplicationType::Pump) {
    *count = 4;
    return kPumpMethods;
  }
  *count = 5;
  return kFanMethods;
}

bool IsComputed(ApplicationType application, ControlMethod method) {
  int count = 0;
  const auto& methods = ComputedMethods(application, &count);
  for (int k = 0; k < count; ++k)
    if (methods[k] == method) return true;
  return false;
}

const char* MethodKey(ControlMethod method) {
  static constexpr const char* kKeys[kMethodCount] = {
      "NoSpeedControl", "Drive", "OutletDamper", "InletVane", "ThrottlingValve", "Custom1",
      "Custom2"};
  return kKeys[Index(method)];
}

void EstimateInputs::CopyDutyText() {
  for (int i = 0; i < kFlowPoints; ++i) {
    // Cut to 5 characters, not bytes.
    const std::string& text = entries[9 + i];
    dutyText[i] = CutCharacters(text, 5);
  }
}

int DutyTotal(const EstimateInputs& inputs) {
  long long total = 0;
  for (const std::string& text : inputs.dutyText)
    total += ParseLocaleWholeNumber(text, inputs.separators);
  return static_cast<int>(total);
}

void ComputeEstimate(ApplicationType application, const EstimateInputs& in, EnergyEstimate& e) {
  e.hoursPerDay = Whole(in, 1);
  e.daysPerWeek = Whole(in, 2);
  e.weeksPerYear = Whole(in, 3);
  e.costPerKwh = Number(in, 4) / 100.0;
  e.motorPower = Number(in, 5);
  e.motorEfficiency = Number(in, 6) / 100.0;
  e.incentive = Number(in, 8);
  e.driveCost = Number(in, 9);
  e.driveEfficiency = in.curves.DriveEfficiency();

  // In double: three unchecked entries of ten digits would overflow any integer product.
  const double hours = static_cast<double>(e.hoursPerDay) * e.daysPerWeek * e.weeksPerYear;
  e.annualHours = hours == 8736 ? 8760
                  : std::fabs(hours) > std::numeric_limits<int>::max()
                      ? (hours < 0 ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max())
                      : static_cast<int>(hours);

  e.totalFlowHours = 0;
  for (int i = 0; i < kFlowPoints; ++i) {
    e.dutyPercent[i] = ParseLocaleWholeNumber(in.dutyText[i], in.separators);
    e.flowHours[i] = e.annualHours * (e.dutyPercent[i] / 100.0);
    e.totalFlowHours += e.flowHours[i];
  }

  int count = 0;
  const auto& methods = ComputedMethods(application, &count);
  const long double kw = in.kwPerPowerUnit;
  const long double price = e.costPerKwh;

  const long double noControl = static_cast<long double>(e.annualHours) * e.motorPower /
                                e.motorEfficiency * kw * price;
  e.noControlAvailable = e.motorEfficiency != 0 && std::isfinite(static_cast<double>(noControl));
  e.noControlAnnualCost = e.noControlAvailable ? static_cast<double>(noControl) : 0.0;

  for (int k = 0; k < count; ++k) {
    const ControlMethod m = methods[k];
    const int mi = Index(m);
    auto& power = e.power[mi];
    auto& hourly = e.hourlyCost[mi];
    auto& annual = e.annualCost[mi];
    e.annualTotal[mi] = 0;

    const bool isDrive = m == ControlMethod::Drive;
    bool available = e.motorEfficiency != 0 && (!isDrive || e.driveEfficiency != 0);
    const auto* curve = isDrive ? nullptr : &in.curves[CurveOf(m)];
    for (int i = 0; i < kFlowPoints && available && curve; ++i)
      if ((*curve)[i] == 0) available = false;

    if (available) {
      for (int i = 0; i < kFlowPoints; ++i) {
        const long double q = (10 - i) / 10.0L;
        const long double c = q * q * q;
        const long double p = isDrive ? c * e.motorPower : c * e.motorPower / (*curve)[i];
        power[i] = static_cast<double>(p);
        const long double cost =
            isDrive ? p * kw * price / (static_cast<long double>(e.motorEfficiency) *
                                        e.driveEfficiency)
                    : p * kw * price / e.motorEfficiency;
        hourly[i] = RoundDecimal18(cost, 2);
        annual[i] = hourly[i] * e.flowHours[i];
        e.annualTotal[mi] += annual[i];
      }
      available = Finite(power) && Finite(hourly) && Finite(annual) &&
                  std::isfinite(e.annualTotal[mi]);
    }
    if (!available) {
      power.fill(0);
      hourly.fill(0);
      annual.fill(0);
      e.annualTotal[mi] = 0;
    }
    e.available[mi] = available;
  }
}

}  // namespace wattora
