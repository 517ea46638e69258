#pragma once
// What a chart shows, independent of how it is drawn: one model feeds all six chart views,
// the report pictures and the printer, so switching the style never needs a redraw.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/estimate.h"
#include "core/settings.h"
#include "core/texttable.h"

namespace wattora {

enum class ChartStyle {
  Area = 1,
  Line = 2,
  HorizontalBar = 3,
  Point = 4,
  VerticalBar = 5,
  FastLine = 6
};
constexpr int kChartStyleCount = 6;
constexpr int kSeriesSlots = 5;

constexpr int StyleIndex(ChartStyle s) {
  return static_cast<int>(s) - 1;
}
constexpr ChartStyle StyleFromIndex(int index) {
  return static_cast<ChartStyle>(index + 1);
}
constexpr bool IsValidStyle(ChartStyle s) {
  return static_cast<int>(s) >= 1 && static_cast<int>(s) <= kChartStyleCount;
}
// The horizontal-bar view puts the flow on the vertical axis, every other view on the bottom.
constexpr bool FlowOnVerticalAxis(ChartStyle s) {
  return s == ChartStyle::HorizontalBar;
}

// The series of each view keep their historical names; slot is 1..5.
const char* SeriesName(ChartStyle style, int slot);

enum class GraphKind { Cost = 0, AnnualHours = 1, TimeShare = 2 };

struct ChartPoint {
  double flow = 0;
  double value = 0;
  bool operator==(const ChartPoint&) const = default;
};

struct ChartSeries {
  std::string title;
  bool active = true;
  bool inLegend = true;
  std::vector<ChartPoint> points;
  bool operator==(const ChartSeries&) const = default;
};

struct ChartModel {
  std::string title;
  std::string valueAxisTitle;
  std::string pointViewValueAxisTitle;  // the point view words some value axes differently
  std::string flowAxisTitle;
  std::array<std::string, kSeriesSlots> legendTexts;  // the hidden labels Label1N..Label5N
  std::array<ChartSeries, kSeriesSlots> series;       // slot 1 is series[0]

  const std::string& ValueAxisTitle(ChartStyle style) const {
    return style == ChartStyle::Point ? pointViewValueAxisTitle : valueAxisTitle;
  }
  bool operator==(const ChartModel&) const = default;
};

// Everything a drawing operation reads. `language` picks the column of the text table
// (1 English, 2 French, the active one).
struct GraphSource {
  const EnergyEstimate& estimate;
  ApplicationType application;
  const ProgramSettings& settings;
  const TextTable& texts;  // the estimation window's table
  int language = TextTable::kActiveLanguage;
};

// A text of the table in the requested language; language 2 falls back to language 1.
std::string ChartText(const TextTable& texts, std::string_view section, std::string_view key,
                      int language);

void ClearGraphs(ChartModel& model);
void DrawCostGraph(ChartModel& model, const GraphSource& source);
void DrawHoursGraph(ChartModel& model, const GraphSource& source);
void DrawTimeGraph(ChartModel& model, const GraphSource& source);
void DrawSelectedGraph(ChartModel& model, GraphKind kind, const GraphSource& source);

}  // namespace wattora
