#include "charts/chartmodel.h"

#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace wattora {
namespace {

using testing::DefaultInputs;
using testing::WindowTexts;
using testing::WorkedEstimate;

constexpr double kCent = 1e-6;

std::array<bool, kSeriesSlots> Activity(const ChartModel& m) {
  std::array<bool, kSeriesSlots> active{};
  for (int slot = 0; slot < kSeriesSlots; ++slot) active[slot] = m.series[slot].active;
  return active;
}

// A shown series: the origin, then flows 10 .. 100 taking the estimate's values backwards.
template <typename Values>
void ExpectFlowSeries(const ChartSeries& series, const Values& values) {
  ASSERT_EQ(series.points.size(), 11u);
  EXPECT_EQ(series.points[0], (ChartPoint{0, 0}));
  for (int i = 1; i <= 10; ++i) {
    EXPECT_DOUBLE_EQ(series.points[i].flow, 10.0 * i) << "point " << i;
    EXPECT_NEAR(series.points[i].value, values[10 - i], kCent) << "point " << i;
  }
}

void ExpectOriginOnly(const ChartSeries& series) {
  ASSERT_EQ(series.points.size(), 1u);
  EXPECT_EQ(series.points[0], (ChartPoint{0, 0}));
}

TEST(CostGraph, PumpWithoutCustomControlsShowsDriveAndValveWithElevenPointsEach) {
  const EnergyEstimate e = WorkedEstimate(ApplicationType::Pump);
  ChartModel m;
  DrawCostGraph(m, {e, ApplicationType::Pump, ProgramSettings(), WindowTexts()});

  EXPECT_EQ(Activity(m), (std::array<bool, 5>{true, true, false, false, false}));
  ExpectFlowSeries(m.series[0], e.annualCost[Index(ControlMethod::Drive)]);
  ExpectFlowSeries(m.series[1], e.annualCost[Index(ControlMethod::ThrottlingValve)]);
  for (int slot = 2; slot < kSeriesSlots; ++slot) ExpectOriginOnly(m.series[slot]);

  // Flow 100 % is the estimate's first element: 15.79 per hour for 87.6 hours.
  EXPECT_NEAR(m.series[1].points[10].value, 15.79 * 87.6, kCent);
  EXPECT_NEAR(m.series[0].points[6].value, 3.52 * 2102.4, kCent);

  EXPECT_EQ(m.legendTexts, (std::array<std::string, 5>{"Variateur de vitesse",
                                                       "Vanne d'étranglement", "", "", ""}));
  for (int slot = 0; slot < kSeriesSlots; ++slot)
    EXPECT_EQ(m.series[slot].title, m.legendTexts[slot]);
  EXPECT_EQ(m.title, "Coût annuel d'exploitation / Application Pompe");
}

TEST(CostGraph, FanWithOnlyCustomControlOneShowsFourSeriesNamedByItsTitle) {
  const EnergyEstimate e = WorkedEstimate();
  ProgramSettings settings;
  settings.custom1Selected = true;
  settings.custom1Title = "Variateur magnétique";
  settings.custom2Title = "Ne pas montrer";
  ChartModel m;
  DrawCostGraph(m, {e, ApplicationType::Fan, settings, WindowTexts()});

  EXPECT_EQ(Activity(m), (std::array<bool, 5>{true, true, true, true, false}));
  EXPECT_EQ(m.legendTexts,
            (std::array<std::string, 5>{"Variateur de vitesse", "Registre", "Ventelle d'aspiration",
                                        "Variateur magnétique", ""}));
  EXPECT_EQ(m.series[3].title, "Variateur magnétique");
  ExpectFlowSeries(m.series[2], e.annualCost[Index(ControlMethod::InletVane)]);
  ExpectFlowSeries(m.series[3], e.annualCost[Index(ControlMethod::Custom1)]);
  ExpectOriginOnly(m.series[4]);
  for (const ChartSeries& s : m.series) EXPECT_TRUE(s.inLegend);
}

TEST(CostGraph, AMethodWithoutACostIsLeftOutInsteadOfPlottedAsFree) {
  EstimateInputs in = DefaultInputs();
  in.curves[Curve::C1E][4] = 0;  // custom control 1 cannot be computed
  EnergyEstimate e;
  ComputeEstimate(ApplicationType::Fan, in, e);
  ASSERT_FALSE(e.available[Index(ControlMethod::Custom1)]);
  ProgramSettings settings;
  settings.custom1Selected = settings.custom2Selected = true;

  ChartModel m;
  DrawCostGraph(m, {e, ApplicationType::Fan, settings, WindowTexts()});
  EXPECT_EQ(Activity(m), (std::array<bool, 5>{true, true, true, false, true}));
  ExpectOriginOnly(m.series[3]);
  ExpectFlowSeries(m.series[4], e.annualCost[Index(ControlMethod::Custom2)]);
}

TEST(CostGraph, TheCurrencySymbolFollowsTheValueAxisTextDirectly) {
  const EnergyEstimate e = WorkedEstimate();
  ProgramSettings settings;
  settings.currencySelection = 2;  // pound
  settings.DeriveCurrency(TextTable::ForWindow("TMULTIP"));
  ChartModel m;
  DrawCostGraph(m, {e, ApplicationType::Fan, settings, WindowTexts(), 1});
  EXPECT_EQ(m.valueAxisTitle, "Operating cost £");
  EXPECT_EQ(m.ValueAxisTitle(ChartStyle::Point), "Operating cost £");

  // A currency change shows at the next drawing; French gets no blank before the symbol.
  settings.currencySelection = 0;
  settings.DeriveCurrency(TextTable::ForWindow("TMULTIP"));
  DrawCostGraph(m, {e, ApplicationType::Fan, settings, WindowTexts()});
  EXPECT_EQ(m.valueAxisTitle, "Coût d'exploitation€");
}

TEST(GraphKinds, SwitchingToAnnualHoursAndBackRestoresLegendAndActivity) {
  const EnergyEstimate e = WorkedEstimate();
  ProgramSettings settings;
  settings.custom2Selected = true;
  settings.custom2Title = "Courroie";
  const GraphSource source{e, ApplicationType::Fan, settings, WindowTexts()};
  ChartModel m;
  DrawCostGraph(m, source);
  const ChartModel cost = m;

  DrawHoursGraph(m, source);
  EXPECT_EQ(Activity(m), (std::array<bool, 5>{false, false, true, false, false}));
  EXPECT_FALSE(m.series[2].inLegend);
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    EXPECT_EQ(m.legendTexts[slot], "");
    EXPECT_EQ(m.series[slot].title, "");
  }

  DrawCostGraph(m, source);
  EXPECT_EQ(m, cost);
  EXPECT_TRUE(m.series[2].inLegend);
}

// The annual-hours and time-share graphs show slot 3 only, for fans and pumps alike.
TEST(GraphKinds, FlowShareGraphsPlotSlotThreeOnly) {
  struct Case {
    GraphKind kind;
    ApplicationType application;
  };
  for (const Case c : {Case{GraphKind::AnnualHours, ApplicationType::Fan},
                       Case{GraphKind::AnnualHours, ApplicationType::Pump},
                       Case{GraphKind::TimeShare, ApplicationType::Fan},
                       Case{GraphKind::TimeShare, ApplicationType::Pump}}) {
    SCOPED_TRACE(static_cast<int>(c.kind) * 10 + static_cast<int>(c.application));
    const EnergyEstimate e = WorkedEstimate(c.application);
    ProgramSettings settings;
    settings.custom1Selected = settings.custom2Selected = true;
    ChartModel m;
    DrawSelectedGraph(m, c.kind, {e, c.application, settings, WindowTexts()});
    EXPECT_EQ(Activity(m), (std::array<bool, 5>{false, false, true, false, false}));
    for (int slot : {0, 1, 3, 4}) ExpectOriginOnly(m.series[slot]);
    if (c.kind == GraphKind::AnnualHours)
      ExpectFlowSeries(m.series[2], e.flowHours);
    else
      ExpectFlowSeries(m.series[2], e.dutyPercent);
  }
}

TEST(GraphKinds, AllTheTimeAtFullFlowGivesOneBarAfterNineZeros) {
  EstimateInputs in = DefaultInputs();
  for (int i = 0; i < 10; ++i) in.entries[9 + i] = i == 0 ? "100" : "0";
  in.CopyDutyText();
  EnergyEstimate e;
  ComputeEstimate(ApplicationType::Fan, in, e);
  ChartModel m;
  DrawHoursGraph(m, {e, ApplicationType::Fan, ProgramSettings(), WindowTexts()});
  const auto& points = m.series[2].points;
  ASSERT_EQ(points.size(), 11u);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(points[i].value, 0) << "point " << i;
  EXPECT_EQ(points[10], (ChartPoint{100, 8760}));
}

TEST(GraphKinds, TitlesAndAxisTitlesPerKindApplicationAndLanguage) {
  struct Case {
    GraphKind kind;
    ApplicationType application;
    int language;
    const char* title;
    const char* valueAxis;
    const char* pointViewValueAxis;
    const char* flowAxis;
  };
  const Case cases[] = {
      {GraphKind::Cost, ApplicationType::Fan, 1, "Annual Operating Cost / Fan Application",
       "Operating cost $", "Operating cost $", "Percentage Flow (%)"},
      {GraphKind::Cost, ApplicationType::Pump, 2, "Coût annuel d'exploitation / Application Pompe",
       "Coût d'exploitation$", "Coût d'exploitation$", "Pourcentage de flux/débit (%)"},
      {GraphKind::AnnualHours, ApplicationType::Fan, 1,
       "Annual Hours of operation per percentage Flow Graph for Fans", "Annual Hours ",
       "Annual Hours", "Percentage Flow (%)"},
      {GraphKind::AnnualHours, ApplicationType::Pump, 2,
       "Nombre annuel d'heures d'utilisation par pourcentage Graphique de flux/débit pour les "
       "pompes",
       "Nombre annuel d'heures", "Nombre annuel d'heures", "Pourcentage de flux/débit (%)"},
      {GraphKind::TimeShare, ApplicationType::Fan, 2,
       "Pourcentage du temps par pourcentage Graphique de flux/débit pour les ventilateurs",
       "Pourcentage du temps (%)", "Pourcentage du temps (%)", "Pourcentage de flux/débit (%)"},
      {GraphKind::TimeShare, ApplicationType::Pump, 1,
       "Percentage Time per percentage Flow Graph for Pumps", "Percentage Time (%) ",
       "Percentage Time (%)", "Percentage Flow (%)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    const EnergyEstimate e = WorkedEstimate(c.application);
    ChartModel m;
    DrawSelectedGraph(m, c.kind, {e, c.application, ProgramSettings(), WindowTexts(), c.language});
    EXPECT_EQ(m.title, c.title);
    for (int style = 1; style <= kChartStyleCount; ++style) {
      const auto s = static_cast<ChartStyle>(style);
      EXPECT_EQ(m.ValueAxisTitle(s), s == ChartStyle::Point ? c.pointViewValueAxis : c.valueAxis);
    }
    EXPECT_EQ(m.flowAxisTitle, c.flowAxis);
  }
}

TEST(ClearGraphs, RemovesEveryPointAndLegendText) {
  const EnergyEstimate e = WorkedEstimate();
  ChartModel m;
  DrawCostGraph(m, {e, ApplicationType::Fan, ProgramSettings(), WindowTexts()});
  ClearGraphs(m);
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    EXPECT_TRUE(m.series[slot].points.empty());
    EXPECT_EQ(m.legendTexts[slot], "");
  }
}

}  // namespace
}  // namespace wattora
