#include "charts/dutychart.h"

#include <QPainter>

#include "core/texttable.h"

namespace wattora {

namespace {
constexpr int kDutySlot = 0;  // DutySeries1
}

DutyChartView::DutyChartView(QWidget* parent) : QWidget(parent) {
  setObjectName("DutyChart");
  setAttribute(Qt::WA_OpaquePaintEvent);
  for (ChartSeries& s : model_.series) s.active = false;
  ChartSeries& duty = model_.series[kDutySlot];
  duty.active = true;
  duty.inLegend = false;
  applyTexts();
}

void DutyChartView::applyTexts() {
  const TextTable& texts = TextTable::ForWindow("TFANFORM");
  model_.title = "   " + texts.Caption("HDR04A");
  model_.flowAxisTitle = texts.GetText("IDS_7");
  model_.valueAxisTitle = model_.pointViewValueAxisTitle = texts.GetText("IDS_78");
  update();
}

void DutyChartView::setSeparators(const Separators& separators) {
  separators_ = separators;
  update();
}

void DutyChartView::Redraw(const EnergyEstimate& estimate) {
  std::vector<ChartPoint>& points = model_.series[kDutySlot].points;
  points.clear();
  points.push_back({0, 0});
  for (int k = 1; k <= kFlowPoints; ++k)
    points.push_back({10.0 * k, static_cast<double>(estimate.dutyPercent[kFlowPoints - k])});
  update();
}

void DutyChartView::setTotalValid(bool valid) {
  valid_ = valid;
  update();
}

QColor DutyChartView::barColour() const {
  return valid_ ? QColor(Qt::blue) : QColor(Qt::red);
}

RenderOptions DutyChartView::Options() const {
  RenderOptions options;
  options.separators = separators_;
  options.legend = false;
  options.flowRange = std::pair(0.0, 105.0);
  options.colours[kDutySlot] = barColour();
  return options;
}

ChartGeometry DutyChartView::renderTo(QPainter& painter, const QRectF& target) const {
  ViewSettings flat;
  flat.view3D = false;
  return RenderChart(painter, target, model_, ChartStyle::VerticalBar, flat, Options());
}

void DutyChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderTo(painter, QRectF(rect()));
}

}  // namespace wattora
