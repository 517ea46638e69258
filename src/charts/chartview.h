#pragma once
// One chart view: a fixed style drawn over the shared chart model.
#include <QWidget>

#include "charts/chartrenderer.h"

namespace wattora {

class ChartView : public QWidget {
  Q_OBJECT

 public:
  ChartView(ChartStyle style, const ChartModel& model, QWidget* parent = nullptr);

  ChartStyle style() const { return style_; }
  const ViewSettings& settings() const { return settings_; }
  void setSettings(const ViewSettings& settings);
  void setView3D(bool on);
  void setDepthPercent(int depth);
  void setOrthogonal(bool on);
  void setRotation(int degrees);
  void setFillPatterns(bool on);

  const RenderOptions& options() const { return options_; }
  void setOptions(const RenderOptions& options);

  // Paints exactly what the view shows into any device (printer, picture).
  ChartGeometry renderTo(QPainter& painter, const QRectF& target) const;

  QSize sizeHint() const override { return {771, 272}; }
  QSize minimumSizeHint() const override { return {320, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ChartStyle style_;
  const ChartModel& model_;
  ViewSettings settings_;
  RenderOptions options_;
};

}  // namespace wattora
