#include "charts/chartmodel.h"

namespace wattora {

namespace {

struct KindTexts {
  const char* fanTitle;
  const char* pumpTitle;
  const char* valueAxis;
  const char* pointViewValueAxis;
};

constexpr KindTexts kHoursTexts{"IDS_41", "IDS_59", "IDS_42", "IDS_51"};
constexpr KindTexts kTimeTexts{"IDS_77", "IDS_95", "IDS_78", "IDS_87"};

std::string Text(const GraphSource& source, std::string_view key) {
  return ChartText(source.texts, "stStrings", key, source.language);
}

bool IsPump(const GraphSource& source) {
  return source.application == ApplicationType::Pump;
}

// Every series restarts from the origin so each axis scales from 0.
void StartSeries(ChartModel& model) {
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    model.series[slot].points.push_back({0, 0});
    model.series[slot].title = model.legendTexts[slot];
  }
}

// Point i takes flow 10 * i %; the estimate keeps 100 % at index 0.
template <typename Values>
void AddFlowPoints(ChartSeries& series, const Values& values) {
  for (int i = 1; i <= kFlowPoints; ++i)
    series.points.push_back({10.0 * i, static_cast<double>(values[kFlowPoints - i])});
}

void DrawFlowShareGraph(ChartModel& model, const GraphSource& source, const KindTexts& texts,
                        bool hours) {
  ClearGraphs(model);
  model.title = Text(source, IsPump(source) ? texts.pumpTitle : texts.fanTitle);
  model.valueAxisTitle = Text(source, texts.valueAxis);
  model.pointViewValueAxisTitle = Text(source, texts.pointViewValueAxis);
  model.flowAxisTitle = Text(source, "IDS_7");
  StartSeries(model);
  for (ChartSeries& s : model.series) s.active = false;
  ChartSeries& shown = model.series[2];
  shown.active = true;
  shown.inLegend = false;
  if (hours)
    AddFlowPoints(shown, source.estimate.flowHours);
  else
    AddFlowPoints(shown, source.estimate.dutyPercent);
}

}  // namespace

const char* SeriesName(ChartStyle style, int slot) {
  static constexpr const char* kNames[kChartStyleCount][kSeriesSlots] = {
      {"Series1", "Series2", "Series3", "Series4", "Series5"},
      {"AreaSeries1", "AreaSeries2", "AreaSeries3", "AreaSeries4", "AreaSeries5"},
      {"LineSeries1", "LineSeries2", "LineSeries3", "LineSeries4", "LineSeries5"},
      {"BarSeries1", "BarSeries2", "BarSeries3", "BarSeries4", "BarSeries5"},
      {"HorizBarSeries1", "HorizBarSeries2", "HorizBarSeries3", "HorizBarSeries4",
       "HorizBarSeries5"},
      {"PointSeries1", "PointSeries2", "PointSeries3", "PointSeries4", "PointSeries5"}};
  if (!IsValidStyle(style) || slot < 1 || slot > kSeriesSlots) return "";
  return kNames[StyleIndex(style)][slot - 1];
}

std::string ChartText(const TextTable& texts, std::string_view section, std::string_view key,
                      int language) {
  const TextEntry* entry = texts.Find(section, key);
  if (!entry) return {};
  if (language == 1 || entry->language2.empty()) return entry->language1;
  return entry->language2;
}

void ClearGraphs(ChartModel& model) {
  for (ChartSeries& s : model.series) s.points.clear();
  for (std::string& text : model.legendTexts) text.clear();
}

void DrawCostGraph(ChartModel& model, const GraphSource& source) {
  ClearGraphs(model);
  const bool pump = IsPump(source);
  const ProgramSettings& settings = source.settings;

  model.legendTexts[0] = Text(source, "IDS_0");
  model.legendTexts[1] = Text(source, pump ? "IDS_4" : "IDS_1");
  model.legendTexts[2] = pump ? std::string() : Text(source, "IDS_2");
  model.legendTexts[3] = settings.custom1Selected ? settings.custom1Title : std::string();
  model.legendTexts[4] = settings.custom2Selected ? settings.custom2Title : std::string();

  model.title = Text(source, pump ? "IDS_23" : "IDS_5");
  // The symbol follows the text directly; the English text carries its own blank.
  model.valueAxisTitle = Text(source, "IDS_6") + settings.currencySymbol;
  model.pointViewValueAxisTitle = model.valueAxisTitle;
  model.flowAxisTitle = Text(source, "IDS_7");
  StartSeries(model);

  const std::array<ControlMethod, kSeriesSlots> methods = {
      ControlMethod::Drive, pump ? ControlMethod::ThrottlingValve : ControlMethod::OutletDamper,
      ControlMethod::InletVane, ControlMethod::Custom1, ControlMethod::Custom2};
  const std::array<bool, kSeriesSlots> shown = {true, true, !pump, settings.custom1Selected,
                                                settings.custom2Selected};
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    ChartSeries& series = model.series[slot];
    series.inLegend = true;
    // A method whose cost could not be computed holds zeros; plotting them would show it as
    // free, so its series stays out like a method that is not selected.
    series.active = shown[slot] && source.estimate.IsAvailable(methods[slot]);
    if (series.active) AddFlowPoints(series, source.estimate.annualCost[Index(methods[slot])]);
  }
}

void DrawHoursGraph(ChartModel& model, const GraphSource& source) {
  DrawFlowShareGraph(model, source, kHoursTexts, true);
}

void DrawTimeGraph(ChartModel& model, const GraphSource& source) {
  DrawFlowShareGraph(model, source, kTimeTexts, false);
}

void DrawSelectedGraph(ChartModel& model, GraphKind kind, const GraphSource& source) {
  switch (kind) {
    case GraphKind::AnnualHours:
      DrawHoursGraph(model, source);
      break;
    case GraphKind::TimeShare:
      DrawTimeGraph(model, source);
      break;
    default:
      DrawCostGraph(model, source);
      break;
  }
}

}  // namespace wattora
