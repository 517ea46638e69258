#pragma once
// The small duty-cycle bar chart of the system-data page: flat bars from 10 % to 100 % flow,
// blue while the duty cycle totals 100 and red otherwise.
#include <QColor>
#include <QWidget>

#include "charts/chartrenderer.h"

namespace wattora {

class DutyChartView : public QWidget {
  Q_OBJECT

 public:
  explicit DutyChartView(QWidget* parent = nullptr);  // object name "DutyChart"

  // Title and axis titles from the estimation window's table; run at each showing.
  void applyTexts();
  void setSeparators(const Separators& separators);
  // Clears the bars and rebuilds them from the estimate's duty percentages.
  void Redraw(const EnergyEstimate& estimate);
  // Blue for a total of 100, red otherwise; the bar heights stay as they are.
  void setTotalValid(bool valid);

  bool totalValid() const { return valid_; }
  QColor barColour() const;
  const ChartModel& model() const { return model_; }
  ChartGeometry renderTo(QPainter& painter, const QRectF& target) const;

  QSize sizeHint() const override { return {300, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RenderOptions Options() const;

  ChartModel model_;
  Separators separators_;
  bool valid_ = true;
};

}  // namespace wattora
