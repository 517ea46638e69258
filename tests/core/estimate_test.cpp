#include "core/estimate.h"

#include <gtest/gtest.h>

#include <cmath>

#include "estimate_fixture.h"

namespace wattora {
namespace {

using testing::DefaultInputs;
constexpr double kCent = 1e-6;

void ExpectArray(const std::array<double, 10>& actual, const std::array<double, 10>& expected) {
  for (int i = 0; i < 10; ++i) EXPECT_NEAR(actual[i], expected[i], kCent) << "point " << i;
}

TEST(ComputeEstimate, WorkedFanExampleInKw) {
  EnergyEstimate e;
  ComputeEstimate(ApplicationType::Fan, DefaultInputs(), e);

  EXPECT_EQ(e.annualHours, 8760);
  ExpectArray(e.flowHours, {87.6, 175.2, 788.4, 1489.2, 2102.4, 1489.2, 1138.8, 963.6, 525.6, 0});
  EXPECT_NEAR(e.totalFlowHours, 8760, kCent);
  EXPECT_NEAR(e.noControlAnnualCost, 8760 * 150 / 0.95 * 0.10, kCent);
  EXPECT_DOUBLE_EQ(e.driveEfficiency, 0.97);

  const int drive = Index(ControlMethod::Drive);
  ExpectArray(e.power[drive], {150, 109.35, 76.8, 51.45, 32.4, 18.75, 9.6, 4.05, 1.2, 0.15});
  ExpectArray(e.hourlyCost[drive], {16.28, 11.87, 8.33, 5.58, 3.52, 2.03, 1.04, 0.44, 0.13, 0.02});
  EXPECT_NEAR(e.annualTotal[drive], 30483.048, kCent);

  const int damper = Index(ControlMethod::OutletDamper);
  ExpectArray(e.hourlyCost[damper],
              {15.79, 14.98, 14.12, 13.22, 12.23, 11.17, 9.99, 8.70, 7.06, 4.78});
  EXPECT_NEAR(e.annualTotal[damper], 100644.516, kCent);
  EXPECT_NEAR(e.power[damper][9], 0.001 * 150 / 0.0033, 1e-9);

  const int vane = Index(ControlMethod::InletVane);
  EXPECT_NEAR(e.annualTotal[vane], 75313.224, kCent);
  EXPECT_NEAR(e.power[vane][7], 0.027 * 150 / 0.091, 1e-9);

  // A custom curve of 1.0 costs less than the drive by the drive losses.
  EXPECT_NEAR(e.annualTotal[Index(ControlMethod::Custom1)], 29577.264, kCent);
  EXPECT_NEAR(e.annualTotal[Index(ControlMethod::Custom2)], 29577.264, kCent);
  for (bool a : e.available) EXPECT_TRUE(a);
}

TEST(ComputeEstimate, PumpUsesTheValveAndLeavesFanMethodsAlone) {
  EnergyEstimate e;
  e.annualTotal[Index(ControlMethod::OutletDamper)] = 42;  // left by an earlier computation
  ComputeEstimate(ApplicationType::Pump, DefaultInputs(), e);
  EXPECT_NEAR(e.annualTotal[Index(ControlMethod::ThrottlingValve)], 100644.516, kCent);
  EXPECT_NEAR(e.annualTotal[Index(ControlMethod::Drive)], 30483.048, kCent);
  EXPECT_NEAR(e.annualTotal[Index(ControlMethod::Custom2)], 29577.264, kCent);
  EXPECT_EQ(e.annualTotal[Index(ControlMethod::OutletDamper)], 42);
}

TEST(ComputeEstimate, HorsepowerScalesBeforeTheHourlyRounding) {
  EnergyEstimate e;
  ComputeEstimate(ApplicationType::Fan, DefaultInputs(Separators::Dot(), false), e);
  EXPECT_DOUBLE_EQ(e.hourlyCost[Index(ControlMethod::Drive)][0], 12.14);
  EXPECT_NEAR(e.noControlAnnualCost, 8760 * 150 / 0.95 * 0.7457 * 0.10, kCent);
}

TEST(ComputeEstimate, OperatingHoursAndDutyReadings) {
  EstimateInputs in = DefaultInputs(Separators::French());
  in.entries[0] = "12";
  in.entries[1] = "5";
  in.entries[9] = "12,5";  // counts as 12 %
  in.CopyDutyText();
  EnergyEstimate e;
  ComputeEstimate(ApplicationType::Fan, in, e);
  EXPECT_EQ(e.annualHours, 3120);
  EXPECT_EQ(e.dutyPercent[0], 12);
  EXPECT_DOUBLE_EQ(e.flowHours[0], 3120 * 0.12);
  EXPECT_EQ(DutyTotal(in), 111);

  // A motor efficiency of 50 doubles every cost against an ideal motor.
  in = DefaultInputs();
  in.entries[5] = "50.0";
  ComputeEstimate(ApplicationType::Fan, in, e);
  EXPECT_NEAR(e.noControlAnnualCost, 8760 * 150 / 0.5 * 0.10, kCent);
}

TEST(ComputeEstimate, DivisionByZeroMakesTheMethodUnavailable) {
  EnergyEstimate e;
  EstimateInputs in = DefaultInputs();
  in.entries[5] = "";  // motor efficiency emptied: nothing can be computed
  ComputeEstimate(ApplicationType::Fan, in, e);
  EXPECT_FALSE(e.noControlAvailable);
  for (ControlMethod m : {ControlMethod::Drive, ControlMethod::OutletDamper,
                          ControlMethod::InletVane, ControlMethod::Custom1})
    EXPECT_FALSE(e.IsAvailable(m));

  in = DefaultInputs();
  in.curves[Curve::VFDE][0] = 0;
  in.curves[Curve::DE][3] = 0;
  ComputeEstimate(ApplicationType::Fan, in, e);
  EXPECT_FALSE(e.IsAvailable(ControlMethod::Drive));
  EXPECT_FALSE(e.IsAvailable(ControlMethod::OutletDamper));
  EXPECT_TRUE(e.IsAvailable(ControlMethod::InletVane));
  EXPECT_NEAR(e.annualTotal[Index(ControlMethod::InletVane)], 75313.224, kCent);
  for (const auto& row : {e.power, e.hourlyCost, e.annualCost})
    for (const auto& values : row)
      for (double v : values) EXPECT_TRUE(std::isfinite(v));
  EXPECT_EQ(e.annualTotal[Index(ControlMethod::Drive)], 0);
}

}  // namespace
}  // namespace wattora
