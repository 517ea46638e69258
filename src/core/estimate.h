#pragma once
// Annual energy cost of one fan or pump installation under every flow-control method.
#include <array>
#include <string>

#include "core/numbers.h"
#include "core/settings.h"

namespace wattora {

enum class ApplicationType { Fan = 1, Pump = 2, CoolingTower = 3 };

enum class ControlMethod {
  NoSpeedControl = 0,
  Drive,
  OutletDamper,
  InletVane,
  ThrottlingValve,
  Custom1,
  Custom2
};
constexpr int kMethodCount = 7;
constexpr int Index(ControlMethod m) { return static_cast<int>(m); }

// Methods computed per application, in computation order (no speed control excluded).
const std::array<ControlMethod, 5>& ComputedMethods(ApplicationType application, int* count);
bool IsComputed(ApplicationType application, ControlMethod method);
const char* MethodKey(ControlMethod method);  // "Drive", "OutletDamper", ...

// What the computation reads: the texts the user sees, not the parameter table.
struct EstimateInputs {
  std::array<std::string, 19> entries;  // A101 .. A119
  std::array<std::string, 10> dutyText; // duty entries, each cut to 5 characters
  EfficiencyCurves curves;
  double kwPerPowerUnit = 1.0;
  Separators separators;

  // Copies the duty entries (A110..A119) into dutyText, as the duty-cycle check does.
  void CopyDutyText();
};

struct EnergyEstimate {
  int hoursPerDay = 0, daysPerWeek = 0, weeksPerYear = 0;
  int annualHours = 0;
  double costPerKwh = 0, motorPower = 0, motorEfficiency = 0, driveEfficiency = 0;
  double incentive = 0, driveCost = 0;
  std::array<int, kFlowPoints> dutyPercent{};
  std::array<double, kFlowPoints> flowHours{};
  double totalFlowHours = 0;
  double noControlAnnualCost = 0;
  bool noControlAvailable = true;
  std::array<std::array<double, kFlowPoints>, kMethodCount> power{};
  std::array<std::array<double, kFlowPoints>, kMethodCount> hourlyCost{};
  std::array<std::array<double, kFlowPoints>, kMethodCount> annualCost{};
  std::array<double, kMethodCount> annualTotal{};
  // A method whose cost divides by zero is not available: its numbers stay 0 and are not shown.
  std::array<bool, kMethodCount> available{true, true, true, true, true, true, true};

  bool IsAvailable(ControlMethod m) const {
    return m == ControlMethod::NoSpeedControl ? noControlAvailable : available[Index(m)];
  }
  double AnnualCostOf(ControlMethod m) const {
    return m == ControlMethod::NoSpeedControl ? noControlAnnualCost : annualTotal[Index(m)];
  }
};

// The whole-number duty readings of dutyText, for the duty-cycle check.
int DutyTotal(const EstimateInputs& inputs);

void ComputeEstimate(ApplicationType application, const EstimateInputs& inputs,
                     EnergyEstimate& estimate);

}  // namespace wattora
