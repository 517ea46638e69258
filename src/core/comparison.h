#pragma once
// Savings of the drive against every other method, payback, and the texts of the result rows.
#include <optional>
#include <string>
#include <vector>

#include "core/estimate.h"

namespace wattora {

class TextTable;

struct CostRow {
  ControlMethod method;
  double annualCost;
  bool available;
  std::string name;
  std::string amount;  // empty when not available
};

struct SavingsRow {
  ControlMethod method;
  double savings;
  double sortKey;
  bool available;
  std::string name;
  std::string amount;
};

struct PaybackRow {
  ControlMethod method;
  std::optional<double> paybackYears;  // none: never pays back, or not available
  bool never;                          // shown as "Never" in red
  std::string name;
  std::string value;
};

struct EstimateComparison {
  std::vector<CostRow> costRows;
  std::vector<SavingsRow> savingsRows;
  std::vector<PaybackRow> paybackRows;
  std::string title;
};

// The participating methods in their initial order.
std::vector<ControlMethod> CostMethods(ApplicationType application, const ProgramSettings& s);
std::vector<ControlMethod> SavingsMethods(ApplicationType application, const ProgramSettings& s);

// Shown name of a method: the estimation window's text or the custom title.
std::string MethodName(ControlMethod method, const ProgramSettings& settings,
                       const TextTable& texts);

// Rounding to a whole number with halves going to the even neighbour.
double RoundHalfEven(double value);

EstimateComparison CompareEstimate(ApplicationType application, const EnergyEstimate& estimate,
                                   const ProgramSettings& settings, const TextTable& texts,
                                   const Separators& separators);

}  // namespace wattora

namespace wattora {
// The message of a duty cycle that does not total 100: two texts, a line break, the total.
std::string DutyCycleMessage(int total, const TextTable& estimationTexts);
}  // namespace wattora
