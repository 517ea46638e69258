#pragma once
// The graphs page of the estimation window: six chart views stacked over one model and the
// controls that choose the graph kind, the style, the 3D look, the patterns and printing.
#include <QWidget>
#include <array>
#include <memory>

#include "charts/chartmodel.h"
#include "charts/chartview.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QIODevice;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollBar;
class QStackedWidget;

namespace wattora {

class TGRSEL;

class ChartsPage : public QWidget {
  Q_OBJECT

 public:
  // `chartStyle` is the program's current style, shared with the picker and the report; the
  // page sets it to the vertical bar once, as the estimation window does when it is created.
  explicit ChartsPage(ChartStyle& chartStyle, QWidget* parent = nullptr);
  ~ChartsPage() override;

  // The estimate to plot; nothing is drawn until refresh() or a Draw operation runs.
  void setEstimate(const EnergyEstimate& estimate, ApplicationType application,
                   const ProgramSettings& settings);
  void setSeparators(const Separators& separators);
  // The program's one picker; without it the page makes its own on first use.
  void setStylePicker(TGRSEL* picker);

  // Redraws the graph kind selected in the list (after a new estimate).
  void refresh() { DrawSelectedGraph(); }
  // What the page does each time the estimation window is shown: cost graph, current style,
  // depth bar and label from the views, orientation reset.
  void windowShown();

  void ClearGraphs();
  void DrawCostGraph();
  void DrawHoursGraph();
  void DrawTimeGraph();
  void DrawSelectedGraph();
  void ShowChartStyle();
  void ApplyFillPatterns();

  // Prints the current view in landscape, restoring the printer's orientation afterwards.
  bool PrintChart(QPrinter& printer) const;
  // The current view as a picture of the given size, for the report.
  QImage renderPicture(const QSize& size) const;
  bool writeSvg(QIODevice* device, const QSize& size) const;

  ChartStyle chartStyle() const { return chartStyle_; }
  GraphKind selectedGraph() const;
  const ChartModel& model() const { return model_; }
  ChartView* view(ChartStyle style) const { return views_[StyleIndex(style)]; }
  ChartView* currentView() const;

  QFrame* Panel24;
  QFrame* Panel25;
  QPushButton* BitBtn9;
  QCheckBox* CheckBox1;
  QLabel* Label6A;
  QScrollBar* Bar3D;
  QLabel* Label60;
  QScrollBar* ScrollBar3;
  QPushButton* BitBtn16;
  QPushButton* BitBtn17;
  QLabel* Label71;
  QComboBox* SelectionGraphType;
  QCheckBox* BW;
  QStackedWidget* ChartsPanel;
  ChartView* Chart1;
  ChartView* Chart2;
  ChartView* Chart3;
  ChartView* Chart4;
  ChartView* Chart5;
  ChartView* Chart6;
  // Hidden holders of the five legend texts.
  QLabel* Label1N;
  QLabel* Label2N;
  QLabel* Label3N;
  QLabel* Label4N;
  QLabel* Label5N;

 signals:
  void chartStyleChanged(wattora::ChartStyle style);
  void graphDrawn(wattora::GraphKind kind);

 private:
  void BitBtn9Click();
  void CheckBox1Click(bool checked);
  void Bar3DChange(int position);
  void ScrollBar3Change(int position);
  void BitBtn16Click();
  void BitBtn17Click();
  void ShowDepthLabel(int depth);
  void Draw(GraphKind kind);
  template <typename Change>
  void ForEachView(Change change);

  ChartStyle& chartStyle_;
  ChartModel model_;
  EnergyEstimate estimate_;
  ApplicationType application_ = ApplicationType::Fan;
  ProgramSettings settings_;
  std::array<ChartView*, kChartStyleCount> views_{};
  std::array<QLabel*, kSeriesSlots> legendLabels_{};
  TGRSEL* picker_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace wattora
