#include "core/comparison.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/texttable.h"

namespace wattora {

std::vector<ControlMethod> CostMethods(ApplicationType application, const ProgramSettings& s) {
  std::vector<ControlMethod> methods{ControlMethod::NoSpeedControl, ControlMethod::Drive};
  if (application == ApplicationType::Pump) {
    methods.push_back(ControlMethod::ThrottlingValve);
  } else {
    methods.push_back(ControlMethod::OutletDamper);
    methods.push_back(ControlMethod::InletVane);
  }
  if (s.custom1Selected) methods.push_back(ControlMethod::Custom1);
  if (s.custom2Selected) methods.push_back(ControlMethod::Custom2);
  return methods;
}

std::vector<ControlMethod> SavingsMethods(ApplicationType application, const ProgramSettings& s) {
  std::vector<ControlMethod> methods = CostMethods(application, s);
  methods.erase(methods.begin() + 1);  // the drive is what the others are compared with
  return methods;
}

std::string MethodName(ControlMethod method, const ProgramSettings& settings,
                       const TextTable& texts) {
  switch (method) {
    case ControlMethod::NoSpeedControl: return texts.GetText("IDS_125");
    case ControlMethod::Drive: return texts.GetText("IDS_126");
    case ControlMethod::OutletDamper: return texts.GetText("IDS_127");
    case ControlMethod::InletVane: return texts.GetText("IDS_128");
    case ControlMethod::ThrottlingValve: return texts.GetText("IDS_188");
    case ControlMethod::Custom1: return settings.custom1Title;
    case ControlMethod::Custom2: return settings.custom2Title;
  }
  return {};
}

double RoundHalfEven(double value) { return std::nearbyint(value); }

namespace {

// Selection sort whose exchanges decide the order of equal keys. Unavailable rows go last.
template <typename Row, typename Before>
void SelectionSort(std::vector<Row>& rows, Before before) {
  for (size_t p = 0; p < rows.size(); ++p) {
    size_t b = p;
    for (size_t j = p + 1; j < rows.size(); ++j)
      if (before(rows[j], rows[b])) b = j;
    if (b != p) std::swap(rows[p], rows[b]);
  }
}

std::string Money(const ProgramSettings& settings, double amount, const Separators& separators) {
  return settings.currencySymbol + " " + FormatFixed(amount, 0, separators);
}

}  // namespace

EstimateComparison CompareEstimate(ApplicationType application, const EnergyEstimate& e,
                                   const ProgramSettings& settings, const TextTable& texts,
                                   const Separators& separators) {
  EstimateComparison out;
  std::array<std::string, kMethodCount> names;  // each looked up once
  for (int m = 0; m < kMethodCount; ++m)
    names[m] = MethodName(static_cast<ControlMethod>(m), settings, texts);
  const std::string years = texts.GetText("IDS_173");
  const bool driveAvailable = e.IsAvailable(ControlMethod::Drive);
  const double driveTotal = e.annualTotal[Index(ControlMethod::Drive)];

  for (ControlMethod m : CostMethods(application, settings)) {
    const bool available = e.IsAvailable(m);
    const double cost = e.AnnualCostOf(m);
    out.costRows.push_back({m, cost, available, names[Index(m)],
                            available ? Money(settings, cost, separators) : std::string()});
  }
  SelectionSort(out.costRows, [](const CostRow& a, const CostRow& b) {
    if (a.available != b.available) return a.available;
    return a.available && a.annualCost < b.annualCost;
  });

  const std::vector<ControlMethod> savingsMethods = SavingsMethods(application, settings);
  const double incentiveTotal = e.motorPower * e.incentive;
  for (ControlMethod m : savingsMethods) {
    const bool available = driveAvailable && e.IsAvailable(m);
    const double savings = available ? e.AnnualCostOf(m) - driveTotal : 0.0;
    const std::string& name = names[Index(m)];
    out.savingsRows.push_back({m, savings, RoundHalfEven(savings), available, name,
                               available ? Money(settings, savings, separators) : std::string()});

    PaybackRow payback{m, std::nullopt, false, name, {}};
    if (available) {
      const double denominator = savings + incentiveTotal;
      if (denominator > 0 && std::isfinite(e.driveCost / denominator)) {
        payback.paybackYears = e.driveCost / denominator;
        payback.value = FormatFixed(*payback.paybackYears, 3, separators) + years;
      } else {
        payback.never = true;
        payback.value = texts.GetText("IDS_172");
      }
    }
    out.paybackRows.push_back(std::move(payback));
  }
  SelectionSort(out.savingsRows, [](const SavingsRow& a, const SavingsRow& b) {
    if (a.available != b.available) return a.available;
    return a.available && a.sortKey > b.sortKey;
  });

  out.title = texts.GetText(application == ApplicationType::Pump ? "IDS_120" : "IDS_115");
  return out;
}

}  // namespace wattora

namespace wattora {
std::string DutyCycleMessage(int total, const TextTable& texts) {
  return texts.GetText("IDS_240") + "\r" + texts.GetText("IDS_241") + std::to_string(total) + "%";
}
}  // namespace wattora
