// Mean time to render one 771 x 272 chart in each style, flat and 3D.
// Usage: charts_bench [RENDERS_PER_STYLE]
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "charts/chartrenderer.h"
#include "core/texttable.h"
#include "sample_estimate.h"

using namespace wattora;

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int renders = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

  const EnergyEstimate fan = tools::SampleEstimate(ApplicationType::Fan);
  const ProgramSettings settings = tools::SampleSettings();
  ChartModel model;
  DrawCostGraph(model, {fan, ApplicationType::Fan, settings, TextTable::ForWindow("TFANFORM")});
  RenderOptions options;
  options.separators = Separators::French();

  // One image reused, as a view repaints into its backing store.
  QImage image(771, 272, QImage::Format_ARGB32_Premultiplied);
  const char* names[kChartStyleCount] = {"area",  "line",         "horizontal bar",
                                         "point", "vertical bar", "fast line"};
  std::printf("%d renders of 771 x 272 per style\n", renders);
  std::printf("%-16s %10s %10s\n", "style", "2D ms", "3D ms");
  for (int index = 0; index < kChartStyleCount; ++index) {
    double mean[2] = {0, 0};
    for (int dim = 0; dim < 2; ++dim) {
      ViewSettings view;
      view.view3D = dim == 1;
      QElapsedTimer timer;
      timer.start();
      for (int i = 0; i < renders; ++i) {
        QPainter painter(&image);
        RenderChart(painter, QRectF(0, 0, 771, 272), model, StyleFromIndex(index), view, options);
      }
      mean[dim] = double(timer.nsecsElapsed()) / 1e6 / renders;
    }
    std::printf("%-16s %10.3f %10.3f\n", names[index], mean[0], mean[1]);
  }
  return 0;
}
