#pragma once
// One QPainter drawing of a chart model in any of the six styles. The same code paints the
// chart views, the picker's thumbnails, the printer and the report pictures.
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "charts/chartmodel.h"
#include "core/numbers.h"

class QIODevice;
class QPainter;

namespace wattora {

// Held by every chart view and always changed on all of them together.
struct ViewSettings {
  bool view3D = true;
  int depthPercent = 15;  // 1..100
  bool orthogonal = true;
  int rotation = 345;  // 270..360, used when orthogonal is off
  bool fillPatterns = false;
  bool operator==(const ViewSettings&) const = default;
};

struct RenderOptions {
  Separators separators;
  bool decorations = true;  // title, legend, axis titles and labels; thumbnails go without
  bool legend = true;
  std::optional<std::pair<double, double>> flowRange;       // a fixed flow axis
  std::array<std::optional<QColor>, kSeriesSlots> colours;  // replaces a slot's colour
};

struct AxisScale {
  double min = 0;
  double max = 1;
  double step = 1;
  int decimals = 0;
  // Ticks outside these stay unlabelled: a bar chart's half-category margins carry none.
  double tickLow = -std::numeric_limits<double>::infinity();
  double tickHigh = std::numeric_limits<double>::infinity();
  std::vector<double> Ticks() const;
};

// Round steps of 1, 2 or 5 times a power of ten giving at most maxIntervals intervals; with
// extend the ends move out to the next tick so the top value carries a label.
AxisScale NiceScale(double low, double high, int maxIntervals, bool extend);
QString TickLabel(double value, const AxisScale& scale, const Separators& separators);

// The stated colours: slot 1 lime, 2 red, 3 blue, 4 green, 5 yellow in every view.
QColor SlotColour(int slot);  // slot 0..4
Qt::BrushStyle SlotPattern(int slot);
// Patterns sit on bar fills and point markers; area, line and fast-line views keep their look.
bool PatternsShowIn(ChartStyle style);

// Where things landed, for callers that place something over the chart and for tests.
struct ChartGeometry {
  QRectF front;         // the front face of the plot box, in the painter's coordinates
  QPointF depthOffset;  // from the front face to the back wall
  AxisScale flowScale;
  AxisScale valueScale;
  bool drawn = false;  // false when the target is too small for a plot
};

ChartGeometry RenderChart(QPainter& painter, const QRectF& target, const ChartModel& model,
                          ChartStyle style, const ViewSettings& view, const RenderOptions& options);

QImage RenderChartImage(const QSize& size, const ChartModel& model, ChartStyle style,
                        const ViewSettings& view, const RenderOptions& options);

bool WriteChartSvg(QIODevice* device, const QSize& size, const ChartModel& model, ChartStyle style,
                   const ViewSettings& view, const RenderOptions& options);

}  // namespace wattora
