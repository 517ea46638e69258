#include "charts/chartrenderer.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <cmath>
#include <limits>

#include "chart_fixture.h"

namespace wattora {
namespace {

using testing::CountNotWhite;
using testing::WindowTexts;
using testing::WorkedEstimate;

const QSize kViewSize(771, 272);

// Pixels close to a colour: antialiased edges blend with white, so exact matches are rare.
int CountNear(const QImage& image, QColor colour, QRect area = {}, int tolerance = 40) {
  if (area.isNull()) area = image.rect();
  area &= image.rect();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <=
          tolerance)
        ++count;
    }
  return count;
}

QRect Bounds(const QImage& image, QColor colour, QRect area) {
  QRect bounds;
  area &= image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == colour) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

ChartModel WorkedCostModel() {
  static const EnergyEstimate e = WorkedEstimate();
  ProgramSettings settings;
  settings.currencySymbol = "€";
  settings.custom1Selected = true;
  settings.custom1Title = "Variateur magnétique";
  ChartModel m;
  DrawCostGraph(m, {e, ApplicationType::Fan, settings, WindowTexts()});
  return m;
}

// Slot 1 alone, zero everywhere but at full flow.
ChartModel OneBarAtFullFlow(int slot = 0) {
  ChartModel m;
  for (ChartSeries& s : m.series) s.active = false;
  ChartSeries& s = m.series[slot];
  s.active = true;
  s.title = "seule";
  for (int i = 0; i <= 10; ++i) s.points.push_back({10.0 * i, i == 10 ? 10.0 : 0.0});
  return m;
}

struct Rendered {
  QImage image;
  ChartGeometry geometry;
};

// density 2 draws like a 192 dpi printer: every line at least two pixels wide.
Rendered Render(const ChartModel& m, ChartStyle style, const ViewSettings& view,
                const RenderOptions& options = {}, QSize size = kViewSize, int density = 1) {
  Rendered r{QImage(size * density, QImage::Format_ARGB32_Premultiplied), {}};
  r.image.setDotsPerMeterX(r.image.dotsPerMeterX() * density);
  r.image.setDotsPerMeterY(r.image.dotsPerMeterY() * density);
  r.image.fill(Qt::white);
  QPainter painter(&r.image);
  r.geometry = RenderChart(painter, QRectF(r.image.rect()), m, style, view, options);
  return r;
}

ViewSettings Flat() {
  ViewSettings v;
  v.view3D = false;
  return v;
}

TEST(NiceScale, RoundStepsAndEnds) {
  struct Case {
    double low, high;
    int intervals;
    bool extend;
    double min, max, step;
    int decimals;
  };
  const Case cases[] = {
      {0, 25712.64, 6, true, 0, 30000, 5000, 0},  // the damper's largest yearly cost
      {0, 100, 10, true, 0, 100, 10, 0},
      {-5, 105, 10, false, -5, 105, 20, 0},  // a bar chart's flow axis keeps its half margins
      {0, 0, 5, true, 0, 1, 0.2, 1},         // nothing to show still gives an axis
      {0, 0.37, 4, true, 0, 0.4, 0.1, 1},
      {-3, 0, 5, true, -3, 0, 1, 0},
      {7, 7, 5, true, 0, 8, 2, 0},  // a single value starts at zero
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.high);
    const AxisScale s = NiceScale(c.low, c.high, c.intervals, c.extend);
    EXPECT_DOUBLE_EQ(s.min, c.min);
    EXPECT_DOUBLE_EQ(s.max, c.max);
    EXPECT_DOUBLE_EQ(s.step, c.step);
    EXPECT_EQ(s.decimals, c.decimals);
  }
  const AxisScale broken = NiceScale(std::nan(""), 1, 5, true);
  EXPECT_EQ(broken.min, 0);
  EXPECT_EQ(broken.max, 1);
  EXPECT_EQ(NiceScale(-5, 105, 10, false).Ticks(), (std::vector<double>{0, 20, 40, 60, 80, 100}));
}

TEST(NiceScale, LabelsUseTheSeparatorsHandedIn) {
  const AxisScale thousands = NiceScale(0, 25712.64, 6, true);
  EXPECT_EQ(TickLabel(25000, thousands, Separators::French()), QString::fromUtf8("25\u202F000"));
  EXPECT_EQ(TickLabel(25000, thousands, Separators::Dot()), "25,000");
  const AxisScale tenths = NiceScale(0, 0.37, 4, true);
  EXPECT_EQ(TickLabel(0.3, tenths, Separators::French()), "0,3");
  EXPECT_EQ(TickLabel(0, tenths, Separators::French()), "0,0");
}

TEST(Renderer, EveryStyleDrawsTheWorkedExampleFlatAnd3DPlainAndPatterned) {
  const ChartModel m = WorkedCostModel();
  for (int style = 1; style <= kChartStyleCount; ++style) {
    for (bool view3D : {false, true}) {
      for (bool patterns : {false, true}) {
        SCOPED_TRACE(::testing::Message()
                     << "style " << style << " 3D " << view3D << " patterns " << patterns);
        ViewSettings view;
        view.view3D = view3D;
        view.fillPatterns = patterns;
        const Rendered r = Render(m, static_cast<ChartStyle>(style), view);
        ASSERT_TRUE(r.geometry.drawn);
        const QRect plot = r.geometry.front.toAlignedRect();
        // The damper series is the tallest; some red must reach above half of the plot.
        EXPECT_GT(CountNear(r.image, Qt::red, plot.adjusted(0, 0, 0, -plot.height() / 2), 120), 0);
        EXPECT_GT(CountNotWhite(r.image, plot), plot.width() * plot.height() / 50);
        EXPECT_EQ(r.geometry.depthOffset.isNull(), !view3D);
      }
    }
  }
}

TEST(Renderer, VerticalBarsStandAtTheirFlowOnTheBottomAxis) {
  const Rendered r = Render(OneBarAtFullFlow(), ChartStyle::VerticalBar, Flat());
  const QRectF front = r.geometry.front;
  const QRect bar = Bounds(r.image, SlotColour(0), front.toAlignedRect());
  ASSERT_FALSE(bar.isEmpty());
  EXPECT_GT(bar.left(), front.left() + 0.85 * front.width());
  EXPECT_LT(bar.top(), front.top() + 0.1 * front.height());  // the axis ends at the bar's value
  EXPECT_GT(bar.bottom(), front.bottom() - 3);
  EXPECT_DOUBLE_EQ(r.geometry.flowScale.min, -5);
  EXPECT_DOUBLE_EQ(r.geometry.flowScale.max, 105);
}

TEST(Renderer, HorizontalBarsPutTheFlowOnTheVerticalAxis) {
  const Rendered r = Render(OneBarAtFullFlow(), ChartStyle::HorizontalBar, Flat());
  const QRectF front = r.geometry.front;
  const QRect bar = Bounds(r.image, SlotColour(0), front.toAlignedRect());
  ASSERT_FALSE(bar.isEmpty());
  EXPECT_LT(bar.bottom(), front.top() + 0.15 * front.height());
  EXPECT_LT(bar.left(), front.left() + 3);
  EXPECT_GT(bar.right(), front.right() - 0.1 * front.width());
}

TEST(Renderer, SlotsKeepTheirColoursInEveryView) {
  ChartModel m;
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    ChartSeries& s = m.series[slot];
    s.title = "slot";
    const double v = 10.0 * (slot + 1);
    s.points = {{0, v}, {50, v}, {100, v}};
  }
  const QColor stated[] = {QColor(0, 255, 0), QColor(255, 0, 0), QColor(0, 0, 255),
                           QColor(0, 128, 0), QColor(255, 255, 0)};
  RenderOptions noLegend;
  noLegend.legend = false;
  for (int style = 1; style <= kChartStyleCount; ++style) {
    SCOPED_TRACE(style);
    const Rendered r = Render(m, static_cast<ChartStyle>(style), Flat(), noLegend, kViewSize, 2);
    for (int slot = 0; slot < kSeriesSlots; ++slot)
      EXPECT_GT(CountNear(r.image, stated[slot], r.geometry.front.toAlignedRect(), 0), 0)
          << "slot " << slot + 1;
  }
}

TEST(Renderer, PatternsHatchBarsAndMarkersAndLeaveOtherViewsAlone) {
  const ChartModel m = OneBarAtFullFlow(1);
  ViewSettings patterned = Flat();
  patterned.fillPatterns = true;

  const Rendered solid = Render(m, ChartStyle::VerticalBar, Flat());
  const Rendered hatched = Render(m, ChartStyle::VerticalBar, patterned);
  const QRect inside = Bounds(solid.image, SlotColour(1), solid.geometry.front.toAlignedRect())
                           .adjusted(3, 3, -3, -3);
  ASSERT_GT(inside.width() * inside.height(), 100);
  const int area = inside.width() * inside.height();
  EXPECT_EQ(CountNear(solid.image, Qt::red, inside, 0), area);
  EXPECT_GT(CountNotWhite(hatched.image, inside), area / 10);
  EXPECT_LT(CountNotWhite(hatched.image, inside), area * 8 / 10);

  EXPECT_NE(Render(m, ChartStyle::Point, Flat()).image,
            Render(m, ChartStyle::Point, patterned).image);
  for (ChartStyle same : {ChartStyle::Area, ChartStyle::Line, ChartStyle::FastLine}) {
    SCOPED_TRACE(static_cast<int>(same));
    EXPECT_EQ(Render(m, same, Flat()).image, Render(m, same, patterned).image);
  }
}

// Depth and rotation both move the back wall; a turned box shows less front and more side.
TEST(Renderer, DepthAndRotationShapeTheThirdDimension) {
  const ChartModel m = WorkedCostModel();
  ViewSettings shallow, deep;
  shallow.depthPercent = 1;
  deep.depthPercent = 100;
  const QPointF a = Render(m, ChartStyle::Area, shallow).geometry.depthOffset;
  const QPointF b = Render(m, ChartStyle::Area, deep).geometry.depthOffset;
  EXPECT_GT(a.x(), 0);
  EXPECT_DOUBLE_EQ(a.x(), -a.y());  // orthogonal: straight up and to the right
  EXPECT_GT(b.x(), 20 * a.x());

  ViewSettings front, side;
  front.orthogonal = side.orthogonal = false;
  front.rotation = 360;
  side.rotation = 270;
  const ChartGeometry g360 = Render(m, ChartStyle::Area, front).geometry;
  const ChartGeometry g270 = Render(m, ChartStyle::Area, side).geometry;
  EXPECT_NEAR(g360.depthOffset.x(), 0, 1e-9);
  EXPECT_LT(g360.depthOffset.y(), 0);
  EXPECT_NEAR(g270.depthOffset.y(), 0, 1e-9);
  EXPECT_GT(g270.depthOffset.x(), 0);
  EXPECT_LT(g270.front.width(), g360.front.width());
}

TEST(Renderer, EmptyZeroAndBrokenDataDrawAnAxisAndStayInsideTheTarget) {
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<std::pair<const char*, ChartModel>> models;
  models.push_back({"never drawn", ChartModel()});
  {
    ChartModel m = WorkedCostModel();
    ClearGraphs(m);
    models.push_back({"cleared", m});
  }
  {
    EnergyEstimate zero;  // a method that is unavailable everywhere
    zero.available.fill(false);
    ChartModel m;
    DrawCostGraph(m, {zero, ApplicationType::Fan, ProgramSettings(), WindowTexts()});
    models.push_back({"nothing available", m});
    DrawHoursGraph(m, {zero, ApplicationType::Fan, ProgramSettings(), WindowTexts()});
    models.push_back({"all zero", m});
  }
  {
    ChartModel m = WorkedCostModel();
    m.series[0].points[3].value = std::nan("");
    m.series[1].points[4].value = inf;
    m.series[2].points[5].flow = -inf;
    m.series[3].points[6].value = -2500;
    models.push_back({"broken values", m});
  }
  {
    ChartModel m = WorkedCostModel();
    m.series[1].points[5].value = 1e300;
    models.push_back({"huge value", m});
  }

  // A magenta frame around the target shows anything painted past its edges.
  const QColor magenta(255, 0, 255);
  const QRect target(20, 10, kViewSize.width(), kViewSize.height());
  for (const auto& [name, model] : models) {
    for (int style = 1; style <= kChartStyleCount; ++style) {
      for (const ViewSettings& view : {Flat(), ViewSettings{true, 100, true, 345, true},
                                       ViewSettings{true, 50, false, 270, false}}) {
        SCOPED_TRACE(::testing::Message()
                     << name << ", style " << style << ", depth " << view.depthPercent);
        QImage image(target.size() + QSize(40, 20), QImage::Format_ARGB32_Premultiplied);
        image.fill(magenta);
        QPainter painter(&image);
        const ChartGeometry g =
            RenderChart(painter, target, model, static_cast<ChartStyle>(style), view, {});
        painter.end();
        EXPECT_TRUE(g.drawn);
        const int outside = image.width() * image.height() - target.width() * target.height();
        EXPECT_EQ(testing::CountColour(image, magenta), outside);
        EXPECT_GT(CountNear(image, Qt::black, target, 60), 100);  // at least the axes
      }
    }
  }
}

TEST(Renderer, TinyTargetsDoNotBreak) {
  const ChartModel m = WorkedCostModel();
  for (QSize size : {QSize(1, 1), QSize(7, 300), QSize(40, 30), QSize(120, 80)}) {
    for (int style = 1; style <= kChartStyleCount; ++style) {
      SCOPED_TRACE(::testing::Message()
                   << size.width() << "x" << size.height() << " style " << style);
      const Rendered r = Render(m, static_cast<ChartStyle>(style), ViewSettings(), {}, size);
      EXPECT_EQ(r.image.size(), size);
    }
  }
}

// Printers and report pictures have other densities; the chart must scale, not shrink.
TEST(Renderer, LayoutScalesWithTheDeviceDensity) {
  const ChartModel m = WorkedCostModel();
  const Rendered normal = Render(m, ChartStyle::VerticalBar, ViewSettings());
  const ChartGeometry g =
      Render(m, ChartStyle::VerticalBar, ViewSettings(), {}, kViewSize, 2).geometry;
  EXPECT_NEAR(g.front.left(), 2 * normal.geometry.front.left(), 2);
  EXPECT_NEAR(g.front.width(), 2 * normal.geometry.front.width(), 2);
  EXPECT_NEAR(g.front.height(), 2 * normal.geometry.front.height(), 2);
}

TEST(Renderer, SvgPictureCarriesTheTexts) {
  const ChartModel m = WorkedCostModel();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(WriteChartSvg(&buffer, kViewSize, m, ChartStyle::Area, ViewSettings(), {}));
  const QString svg = QString::fromUtf8(buffer.data());
  EXPECT_TRUE(svg.contains("<svg"));
  EXPECT_TRUE(svg.contains("Registre"));
  EXPECT_TRUE(svg.contains("Variateur magnétique"));
  EXPECT_TRUE(svg.contains("viewBox=\"0 0 771 272\""));
}

}  // namespace
}  // namespace wattora
