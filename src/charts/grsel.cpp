#include "charts/grsel.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "charts/chartrenderer.h"
#include "core/texttable.h"
#include "shell/uikit.h"

namespace wattora {

namespace {

constexpr QSize kDialogSize(406, 283);
constexpr QSize kThumbnailSize(110, 78);

QString Qt8(const std::string& text) {
  return QString::fromStdString(text);
}

// Three rising series: enough to tell the styles apart at thumbnail size.
const ChartModel& ThumbnailModel() {
  static const ChartModel model = [] {
    ChartModel m;
    const double scale[3] = {0.35, 1.0, 0.7};
    for (int slot = 0; slot < kSeriesSlots; ++slot) {
      ChartSeries& s = m.series[slot];
      s.active = slot < 3;
      if (!s.active) continue;
      s.points.push_back({0, 0});
      for (int i = 1; i <= 5; ++i) s.points.push_back({20.0 * i, scale[slot] * i * i});
    }
    return m;
  }();
  return model;
}

QPixmap Thumbnail(ChartStyle style) {
  QPixmap pixmap(kThumbnailSize);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  RenderOptions options;
  options.decorations = false;
  ViewSettings view;
  view.depthPercent = 25;
  RenderChart(painter, QRectF(pixmap.rect()), ThumbnailModel(), style, view, options);
  return pixmap;
}

}  // namespace

TGRSEL::TGRSEL(ChartStyle& chartStyle, QWidget* parent) : QDialog(parent), chartStyle_(chartStyle) {
  const TextTable& texts = TextTable::ForWindow("TGRSEL");
  setObjectName("TGRSEL");
  setWindowTitle(Qt8(texts.Caption("TGRSEL")));
  setFixedSize(kDialogSize);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setGeometry(8, 8, 390, 200);
  Panel1->setAutoFillBackground(true);
  QPalette panelPalette = Panel1->palette();
  panelPalette.setColor(QPalette::Window, QColor(0xBF, 0xDF, 0xFF));
  Panel1->setPalette(panelPalette);

  // Picture names follow the historical form; styles run in two rows of three.
  struct Place {
    QLabel** image;
    const char* imageName;
    QFrame** frame;
    const char* frameName;
    int row, column;
  };
  const Place places[kChartStyleCount] = {
      {&Image1, "Image1", &Shape1, "Shape1", 0, 0}, {&Image2, "Image2", &Shape2, "Shape2", 0, 1},
      {&Image5, "Image5", &Shape3, "Shape3", 0, 2}, {&Image4, "Image4", &Shape4, "Shape4", 1, 0},
      {&Image3, "Image3", &Shape5, "Shape5", 1, 1}, {&Image7, "Image7", &Shape6, "Shape6", 1, 2}};
  for (int index = 0; index < kChartStyleCount; ++index) {
    const Place& place = places[index];
    const QRect cell(15 + place.column * 125, 16 + place.row * 94, kThumbnailSize.width(),
                     kThumbnailSize.height());
    // The frame is made first so the picture lies on top of it.
    QFrame* frame = new QFrame(Panel1);
    frame->setObjectName(place.frameName);
    frame->setGeometry(cell.adjusted(-5, -5, 5, 5));
    frame->setStyleSheet("QFrame { border: 2px solid #000080; background: transparent; }");
    QLabel* image = new QLabel(Panel1);
    image->setObjectName(place.imageName);
    image->setGeometry(cell);
    image->setPixmap(Thumbnail(StyleFromIndex(index)));
    image->setCursor(Qt::PointingHandCursor);
    image->setToolTip(Qt8(texts.Hint(place.imageName)));
    image->installEventFilter(this);
    *place.image = image;
    *place.frame = frame;
    images_[index] = image;
    frames_[index] = frame;
  }

  SELLABEL = new QLabel(Qt8(texts.Caption("SELLABEL")), this);
  SELLABEL->setObjectName("SELLABEL");
  SELLABEL->setGeometry(8, 212, 390, 20);
  SELLABEL->setAlignment(Qt::AlignCenter);

  Panel2 = new QFrame(this);
  Panel2->setObjectName("Panel2");
  Panel2->setFrameShape(QFrame::StyledPanel);
  Panel2->setGeometry(0, 238, kDialogSize.width(), kDialogSize.height() - 238);
  close_button = new QPushButton(Qt8(texts.Caption("close_button")), Panel2);
  close_button->setObjectName("close_button");
  close_button->setGeometry(kDialogSize.width() - 100, 8, 90, 28);
  close_button->setAutoDefault(false);  // the picker answers Escape only
  // Escape reaches QDialog::reject; there is no cancel, so both ways just close.
  connect(close_button, &QPushButton::clicked, this, &QDialog::accept);
  ApplyTextTable(this, texts);  // the font of its table, like every window
  ScaleFormToScreen(this, 96);
}

void TGRSEL::showEvent(QShowEvent* event) {
  ShowFrameOfCurrentStyle();
  QDialog::showEvent(event);
}

bool TGRSEL::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    for (int index = 0; index < kChartStyleCount; ++index) {
      if (watched == images_[index] && mouse->button() == Qt::LeftButton &&
          images_[index]->rect().contains(mouse->position().toPoint())) {
        SelectStyle(StyleFromIndex(index));
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TGRSEL::SelectStyle(ChartStyle style) {
  chartStyle_ = style;
  ShowFrameOfCurrentStyle();
  emit chartStyleClicked(style);
}

void TGRSEL::ShowFrameOfCurrentStyle() {
  for (QFrame* frame : frames_) frame->hide();
  if (IsValidStyle(chartStyle_)) frames_[StyleIndex(chartStyle_)]->show();
}

}  // namespace wattora
