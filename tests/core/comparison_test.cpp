#include "core/comparison.h"

#include <gtest/gtest.h>

#include "core/texttable.h"
#include "estimate_fixture.h"

namespace wattora {
namespace {

using testing::DefaultInputs;

TextTable FanFormTexts() {
  TextTable t("TFANFORM");
  t.Parse(
      "stStrings\tIDS_125\tNo Speed Control\tSans contrôle de vitesse\n"
      "stStrings\tIDS_126\tVariable Speed Drive\tVariateur à vitesse variable\n"
      "stStrings\tIDS_127\tOutlet Damper Control\tContrôle du registre\n"
      "stStrings\tIDS_128\tInlet Vane Control\tContrôle des ventelles à l'aspiration\n"
      "stStrings\tIDS_188\tThrottling Valve Control\tContrôle de la vanne d'étranglement\n"
      "stStrings\tIDS_172\tNever\tJamais\n"
      "stStrings\tIDS_173\t Years\t Années\n"
      "stStrings\tIDS_115\tPayback Estimation: Fan Application \tEstimation de la rentabilité : "
      "Application Ventilateur\n"
      "stStrings\tIDS_120\tPayback Estimation: Pump Application \tEstimation de la rentabilité : "
      "Application Pompe\n");
  return t;
}

class CompareEstimateTest : public ::testing::Test {
 protected:
  EstimateComparison Compare(ApplicationType app, const EstimateInputs& in) {
    ComputeEstimate(app, in, estimate);
    return CompareEstimate(app, estimate, settings, texts, Separators::French());
  }
  EstimateComparison Compare(ApplicationType app = ApplicationType::Fan) {
    return Compare(app, DefaultInputs());
  }

  TextTable texts = FanFormTexts();
  ProgramSettings settings;
  EnergyEstimate estimate;
};

std::vector<ControlMethod> Methods(const auto& rows) {
  std::vector<ControlMethod> out;
  for (const auto& r : rows) out.push_back(r.method);
  return out;
}

using M = ControlMethod;

TEST_F(CompareEstimateTest, WorkedFanExample) {
  settings.currencySymbol = "€";
  const EstimateComparison c = Compare();
  EXPECT_EQ(c.title, "Estimation de la rentabilité : Application Ventilateur");

  EXPECT_EQ(Methods(c.costRows),
            (std::vector{M::Drive, M::InletVane, M::OutletDamper, M::NoSpeedControl}));
  const char* amounts[] = {"€ 30\u202F483", "€ 75\u202F313", "€ 100\u202F645", "€ 138\u202F316"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.costRows[i].amount, amounts[i]);
  EXPECT_EQ(c.costRows[0].name, "Variateur à vitesse variable");

  EXPECT_EQ(Methods(c.savingsRows),
            (std::vector{M::NoSpeedControl, M::OutletDamper, M::InletVane}));
  EXPECT_NEAR(c.savingsRows[0].savings, 107832.74, 0.01);
  EXPECT_EQ(c.savingsRows[0].sortKey, 107833);
  EXPECT_EQ(c.savingsRows[0].amount, "€ 107\u202F833");
  EXPECT_EQ(c.savingsRows[1].amount, "€ 70\u202F161");
  EXPECT_EQ(c.savingsRows[2].amount, "€ 44\u202F830");

  EXPECT_EQ(Methods(c.paybackRows),
            (std::vector{M::NoSpeedControl, M::OutletDamper, M::InletVane}));
  EXPECT_EQ(c.paybackRows[0].value, "0,111 Années");
  EXPECT_EQ(c.paybackRows[1].value, "0,171 Années");
  EXPECT_EQ(c.paybackRows[2].value, "0,268 Années");
  for (const PaybackRow& r : c.paybackRows) EXPECT_FALSE(r.never);
}

TEST_F(CompareEstimateTest, BothCustomControlsCheaperThanTheDrive) {
  settings.currencySymbol = "$";
  settings.custom1Selected = settings.custom2Selected = true;
  settings.SetCustomTitle(1, "Custom A");
  settings.SetCustomTitle(2, "Custom B");
  const EstimateComparison c = Compare();
  EXPECT_EQ(Methods(c.costRows), (std::vector{M::Custom1, M::Custom2, M::Drive, M::InletVane,
                                              M::OutletDamper, M::NoSpeedControl}));
  EXPECT_EQ(c.costRows[0].name, "Custom A");
  ASSERT_EQ(c.paybackRows.size(), 5u);
  for (int i : {3, 4}) {
    EXPECT_TRUE(c.paybackRows[i].never);
    EXPECT_EQ(c.paybackRows[i].value, "Jamais");
    EXPECT_FALSE(c.paybackRows[i].paybackYears.has_value());
  }
  EXPECT_EQ(Methods(c.savingsRows).back(), M::Custom2);
  EXPECT_NEAR(c.savingsRows.back().savings, -905.784, 1e-6);
  EXPECT_EQ(c.savingsRows.back().amount, "$ -906");
}

TEST_F(CompareEstimateTest, IncentiveAndOnlyCustomTwo) {
  EstimateInputs in = DefaultInputs();
  in.entries[7] = "10.0";
  settings.custom2Selected = true;
  const EstimateComparison c = Compare(ApplicationType::Fan, in);
  EXPECT_NEAR(*c.paybackRows[0].paybackYears, 12000 / (107832.736 + 1500), 1e-6);
  EXPECT_EQ(c.paybackRows[0].value, "0,110 Années");
  EXPECT_EQ(Methods(c.paybackRows),
            (std::vector{M::NoSpeedControl, M::OutletDamper, M::InletVane, M::Custom2}));
  EXPECT_EQ(c.costRows.size(), 5u);
  EXPECT_EQ(c.savingsRows.size(), 4u);
  EXPECT_EQ(CostMethods(ApplicationType::Fan, settings)[4], M::Custom2);
  EXPECT_EQ(SavingsMethods(ApplicationType::Fan, settings)[3], M::Custom2);
}

TEST_F(CompareEstimateTest, PumpRowsAndTitle) {
  settings.custom1Selected = settings.custom2Selected = true;
  const EstimateComparison c = Compare(ApplicationType::Pump);
  EXPECT_EQ(c.costRows.size(), 5u);
  EXPECT_EQ(c.savingsRows.size(), 4u);
  EXPECT_EQ(Methods(c.paybackRows),
            (std::vector{M::NoSpeedControl, M::ThrottlingValve, M::Custom1, M::Custom2}));
  EXPECT_EQ(c.title, "Estimation de la rentabilité : Application Pompe");
}

TEST_F(CompareEstimateTest, HalfSavingsSortEvenButShowRounded) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  // A savings of exactly 2.5: key 2, amount 3.
  estimate = EnergyEstimate{};
  estimate.noControlAnnualCost = 102.5;
  estimate.annualTotal[Index(M::Drive)] = 100;
  estimate.annualTotal[Index(M::OutletDamper)] = 102.9;  // key 3 sorts above the 2.5 savings
  estimate.annualTotal[Index(M::InletVane)] = 100;
  const EstimateComparison c =
      CompareEstimate(ApplicationType::Fan, estimate, settings, texts, Separators::Dot());
  EXPECT_EQ(Methods(c.savingsRows), (std::vector{M::OutletDamper, M::NoSpeedControl, M::InletVane}));
  EXPECT_EQ(c.savingsRows[1].sortKey, 2);
  EXPECT_EQ(c.savingsRows[1].amount, "$ 3");
  // Drive cost 0 with a positive denominator: 0 years.
  EXPECT_EQ(c.paybackRows[0].value, "0.000 Années");
}

TEST_F(CompareEstimateTest, SelectionSortCarriesARowPastItsEqual) {
  // Cost keys none 5, drive 5, damper 1, vane 9: the first exchange moves "none" behind
  // "drive", its equal, so equal keys end in the reverse of their initial order.
  estimate = EnergyEstimate{};
  estimate.noControlAnnualCost = 5;
  estimate.annualTotal[Index(M::Drive)] = 5;
  estimate.annualTotal[Index(M::OutletDamper)] = 1;
  estimate.annualTotal[Index(M::InletVane)] = 9;
  EstimateComparison c =
      CompareEstimate(ApplicationType::Fan, estimate, settings, texts, Separators::Dot());
  EXPECT_EQ(Methods(c.costRows),
            (std::vector{M::OutletDamper, M::Drive, M::NoSpeedControl, M::InletVane}));

  // Savings keys none 5, damper 5, vane 1 (descending): equal keys keep their order here.
  estimate.annualTotal[Index(M::Drive)] = 100;
  estimate.noControlAnnualCost = 105;
  estimate.annualTotal[Index(M::OutletDamper)] = 105;
  estimate.annualTotal[Index(M::InletVane)] = 101;
  c = CompareEstimate(ApplicationType::Fan, estimate, settings, texts, Separators::Dot());
  EXPECT_EQ(Methods(c.savingsRows),
            (std::vector{M::NoSpeedControl, M::OutletDamper, M::InletVane}));
}

TEST_F(CompareEstimateTest, UnavailableMethodsShowEmptyAndSortLast) {
  EstimateInputs in = DefaultInputs();
  in.curves[Curve::DE][9] = 0;
  const EstimateComparison c = Compare(ApplicationType::Fan, in);
  EXPECT_EQ(c.costRows.back().method, M::OutletDamper);
  EXPECT_EQ(c.costRows.back().amount, "");
  EXPECT_EQ(c.savingsRows.back().method, M::OutletDamper);
  EXPECT_EQ(c.savingsRows.back().amount, "");
  EXPECT_EQ(c.paybackRows[1].value, "");
  EXPECT_FALSE(c.paybackRows[1].paybackYears.has_value());
  EXPECT_FALSE(c.paybackRows[1].never);
  EXPECT_EQ(c.paybackRows[0].value, "0,111 Années");

  in = DefaultInputs();
  in.curves[Curve::VFDE][0] = 0;  // no drive: nothing to save against
  const EstimateComparison d = Compare(ApplicationType::Fan, in);
  for (const SavingsRow& r : d.savingsRows) EXPECT_EQ(r.amount, "");
  for (const PaybackRow& r : d.paybackRows) EXPECT_EQ(r.value, "");
  EXPECT_EQ(d.costRows.back().method, M::Drive);
}

}  // namespace
}  // namespace wattora
