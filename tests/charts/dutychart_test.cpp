#include "charts/dutychart.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "chart_fixture.h"

namespace wattora {
namespace {

using testing::CountColour;
using testing::WorkedEstimate;

struct Shot {
  QImage image;
  ChartGeometry geometry;
};

Shot Paint(const DutyChartView& chart) {
  Shot shot{QImage(300, 200, QImage::Format_ARGB32_Premultiplied), {}};
  shot.image.fill(Qt::white);
  QPainter painter(&shot.image);
  shot.geometry = chart.renderTo(painter, QRectF(shot.image.rect()));
  return shot;
}

TEST(DutyChart, BarsRunFromTenToHundredPercentFlow) {
  DutyChartView chart;
  chart.Redraw(WorkedEstimate());
  const ChartSeries& bars = chart.model().series[0];
  const std::vector<ChartPoint> expected = {{0, 0},   {10, 0},  {20, 6},  {30, 11},
                                            {40, 13}, {50, 17}, {60, 24}, {70, 17},
                                            {80, 9},  {90, 2},  {100, 1}};
  EXPECT_EQ(bars.points, expected);

  chart.Redraw(WorkedEstimate());  // a redraw replaces, never appends
  EXPECT_EQ(bars.points.size(), 11u);
}

TEST(DutyChart, BlueForAFullDutyCycleRedOtherwiseWithTheHeightsKept) {
  DutyChartView chart;
  chart.Redraw(WorkedEstimate());
  const Shot blue = Paint(chart);
  const QRect plot = blue.geometry.front.toAlignedRect();
  EXPECT_GT(CountColour(blue.image, Qt::blue, plot), 300);
  EXPECT_EQ(CountColour(blue.image, Qt::red, plot), 0);

  chart.setTotalValid(false);
  EXPECT_EQ(chart.barColour(), QColor(Qt::red));
  const Shot red = Paint(chart);
  EXPECT_EQ(CountColour(red.image, Qt::blue, plot), 0);
  EXPECT_EQ(CountColour(red.image, Qt::red, plot), CountColour(blue.image, Qt::blue, plot));
}

TEST(DutyChart, FixedFlowAxisNoLegendAndItsTexts) {
  DutyChartView chart;
  chart.Redraw(WorkedEstimate());
  EXPECT_EQ(chart.objectName(), "DutyChart");
  EXPECT_EQ(chart.model().title, "   Cycle d'utilisation");
  EXPECT_EQ(chart.model().flowAxisTitle, "Pourcentage de flux/débit (%)");
  EXPECT_EQ(chart.model().valueAxisTitle, "Pourcentage du temps (%)");

  const Shot shot = Paint(chart);
  EXPECT_DOUBLE_EQ(shot.geometry.flowScale.min, 0);
  EXPECT_DOUBLE_EQ(shot.geometry.flowScale.max, 105);
  EXPECT_DOUBLE_EQ(shot.geometry.valueScale.min, 0);
  EXPECT_GE(shot.geometry.valueScale.max, 24);
  EXPECT_TRUE(shot.geometry.depthOffset.isNull());
  // Without a legend the plot reaches close to the right edge.
  EXPECT_GT(shot.geometry.front.right(), shot.image.width() - 30);
}

}  // namespace
}  // namespace wattora
