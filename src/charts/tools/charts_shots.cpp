// Writes every chart style, flat and 3D, plain and patterned, as PNG files to look at.
// Usage: charts_shots DIRECTORY
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cstdio>

#include "charts/chartrenderer.h"
#include "charts/chartspage.h"
#include "charts/dutychart.h"
#include "charts/grsel.h"
#include "core/texttable.h"
#include "sample_estimate.h"

using namespace wattora;

namespace {

const char* kStyleNames[kChartStyleCount] = {"area", "line", "hbar", "point", "vbar", "fastline"};

bool Save(const QImage& image, const QDir& dir, const QString& name) {
  const QString path = dir.filePath(name);
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: charts_shots DIRECTORY\n");
    return 2;
  }
  QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(".")) return 1;

  const EnergyEstimate fan = tools::SampleEstimate(ApplicationType::Fan);
  const EnergyEstimate pump = tools::SampleEstimate(ApplicationType::Pump);
  const ProgramSettings settings = tools::SampleSettings();
  const TextTable& texts = TextTable::ForWindow("TFANFORM");

  RenderOptions options;
  options.separators = Separators::French();
  const QSize size(771, 272);
  bool ok = true;

  ChartModel cost, hours, pumpCost, time;
  DrawCostGraph(cost, {fan, ApplicationType::Fan, settings, texts});
  DrawHoursGraph(hours, {fan, ApplicationType::Fan, settings, texts});
  DrawTimeGraph(time, {pump, ApplicationType::Pump, settings, texts});
  DrawCostGraph(pumpCost, {pump, ApplicationType::Pump, ProgramSettings(), texts, 1});

  for (int index = 0; index < kChartStyleCount; ++index) {
    const ChartStyle style = StyleFromIndex(index);
    for (int variant = 0; variant < 4; ++variant) {
      ViewSettings view;
      view.view3D = variant >= 2;
      view.fillPatterns = variant % 2 == 1;
      const QString name = QString("%1-%2%3.png")
                               .arg(kStyleNames[index])
                               .arg(view.view3D ? "3d" : "2d")
                               .arg(view.fillPatterns ? "-pattern" : "");
      ok &= Save(RenderChartImage(size, cost, style, view, options), dir, "cost-" + name);
    }
    ViewSettings turned;
    turned.orthogonal = false;
    turned.rotation = 300;
    turned.depthPercent = 60;
    ok &= Save(RenderChartImage(size, cost, style, turned, options), dir,
               QString("cost-%1-rot300-depth60.png").arg(kStyleNames[index]));
    ok &= Save(RenderChartImage(size, hours, style, ViewSettings(), options), dir,
               QString("hours-%1-3d.png").arg(kStyleNames[index]));
    ok &= Save(RenderChartImage(size, time, style, ViewSettings(), options), dir,
               QString("time-pump-%1-3d.png").arg(kStyleNames[index]));
    RenderOptions english;
    ok &= Save(RenderChartImage(size, pumpCost, style, ViewSettings(), english), dir,
               QString("cost-pump-english-%1-3d.png").arg(kStyleNames[index]));
  }
  for (int depth : {1, 100}) {
    ViewSettings view;
    view.depthPercent = depth;
    ok &= Save(RenderChartImage(size, cost, ChartStyle::VerticalBar, view, options), dir,
               QString("cost-vbar-depth%1.png").arg(depth));
  }
  for (int rotation : {270, 360}) {
    ViewSettings view;
    view.orthogonal = false;
    view.rotation = rotation;
    ok &= Save(RenderChartImage(size, cost, ChartStyle::Area, view, options), dir,
               QString("cost-area-rot%1.png").arg(rotation));
  }
  ChartModel empty;
  ok &= Save(RenderChartImage(size, empty, ChartStyle::Area, ViewSettings(), options), dir,
             "empty-area.png");
  ok &= Save(
      RenderChartImage(QSize(1600, 560), cost, ChartStyle::VerticalBar, ViewSettings(), options),
      dir, "cost-vbar-large.png");

  // The widgets as a person sees them.
  ChartStyle style = ChartStyle::VerticalBar;
  ChartsPage page(style);
  page.setSeparators(Separators::French());
  page.setEstimate(fan, ApplicationType::Fan, settings);
  page.windowShown();
  page.resize(790, 360);
  ok &= Save(page.grab().toImage(), dir, "page.png");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("printed.pdf"));
  ok &= page.PrintChart(printer);
  TGRSEL picker(style);
  picker.show();
  ok &= Save(picker.grab().toImage(), dir, "picker.png");
  DutyChartView duty;
  duty.setSeparators(Separators::French());
  duty.Redraw(fan);
  duty.resize(300, 200);
  ok &= Save(duty.grab().toImage(), dir, "duty-valid.png");
  duty.setTotalValid(false);
  ok &= Save(duty.grab().toImage(), dir, "duty-invalid.png");
  return ok ? 0 : 1;
}
