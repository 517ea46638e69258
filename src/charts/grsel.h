#pragma once
// The chart style picker: six thumbnails, a frame around the current style, no cancel.
#include <QDialog>
#include <array>

#include "charts/chartmodel.h"

class QFrame;
class QLabel;
class QPushButton;

namespace wattora {

class TGRSEL : public QDialog {
  Q_OBJECT

 public:
  // `chartStyle` is the program's current style; a click changes it at once.
  explicit TGRSEL(ChartStyle& chartStyle, QWidget* parent = nullptr);

  ChartStyle chartStyle() const { return chartStyle_; }
  QLabel* image(ChartStyle style) const { return images_[StyleIndex(style)]; }
  QFrame* frame(ChartStyle style) const { return frames_[StyleIndex(style)]; }

  QFrame* Panel1;
  QLabel* Image1;
  QLabel* Image2;
  QLabel* Image3;
  QLabel* Image4;
  QLabel* Image5;
  QLabel* Image7;
  QFrame* Shape1;
  QFrame* Shape2;
  QFrame* Shape3;
  QFrame* Shape4;
  QFrame* Shape5;
  QFrame* Shape6;
  QLabel* SELLABEL;
  QFrame* Panel2;
  QPushButton* close_button;

 signals:
  void chartStyleClicked(ChartStyle style);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectStyle(ChartStyle style);
  void ShowFrameOfCurrentStyle();

  ChartStyle& chartStyle_;
  std::array<QLabel*, kChartStyleCount> images_{};
  std::array<QFrame*, kChartStyleCount> frames_{};
};

}  // namespace wattora
