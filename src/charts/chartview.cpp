#include "charts/chartview.h"

#include <QPainter>
#include <algorithm>

namespace wattora {

ChartView::ChartView(ChartStyle style, const ChartModel& model, QWidget* parent)
    : QWidget(parent), style_(style), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ChartView::setSettings(const ViewSettings& settings) {
  if (settings_ == settings) return;
  settings_ = settings;
  update();
}

void ChartView::setView3D(bool on) {
  ViewSettings s = settings_;
  s.view3D = on;
  setSettings(s);
}

void ChartView::setDepthPercent(int depth) {
  ViewSettings s = settings_;
  s.depthPercent = std::clamp(depth, 1, 100);
  setSettings(s);
}

void ChartView::setOrthogonal(bool on) {
  ViewSettings s = settings_;
  s.orthogonal = on;
  setSettings(s);
}

void ChartView::setRotation(int degrees) {
  ViewSettings s = settings_;
  s.rotation = std::clamp(degrees, 270, 360);
  setSettings(s);
}

void ChartView::setFillPatterns(bool on) {
  ViewSettings s = settings_;
  s.fillPatterns = on;
  setSettings(s);
}

void ChartView::setOptions(const RenderOptions& options) {
  options_ = options;
  update();
}

ChartGeometry ChartView::renderTo(QPainter& painter, const QRectF& target) const {
  return RenderChart(painter, target, model_, style_, settings_, options_);
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  renderTo(painter, QRectF(rect()));
}

}  // namespace wattora
