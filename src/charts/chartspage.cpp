#include "charts/chartspage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "charts/grsel.h"
#include "core/texttable.h"

namespace wattora {

namespace {

constexpr int kResetDepth = 15;
constexpr int kResetRotation = 345;

QString Qt8(const std::string& text) {
  return QString::fromStdString(text);
}

template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

template <typename Change>
void ChartsPage::ForEachView(Change change) {
  for (ChartView* view : views_) change(*view);
}

ChartsPage::ChartsPage(ChartStyle& chartStyle, QWidget* parent)
    : QWidget(parent), chartStyle_(chartStyle) {
  const TextTable& texts = TextTable::ForWindow("TFANFORM");
  const auto caption = [&](const char* name) { return Qt8(texts.Caption(name)); };
  const auto hint = [&](const char* name) { return Qt8(texts.Hint(name)); };
  setObjectName("ChartsPage");

  Panel24 = Named(new QFrame(this), "Panel24");
  Label71 = Named(new QLabel(caption("Label71"), Panel24), "Label71");
  SelectionGraphType = Named(new QComboBox(Panel24), "SelectionGraphType");
  SelectionGraphType->setToolTip(hint("SelectionGraphType"));
  // The French items are long; the list opens wide enough, the field need not be.
  SelectionGraphType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  SelectionGraphType->setMinimumContentsLength(28);
  SelectionGraphType->addItems(
      Qt8(texts.Text("stMultiLines", "SelectionGraphType.Items")).split(QLatin1Char(',')));
  Label71->setBuddy(SelectionGraphType);
  BitBtn9 = Named(new QPushButton(caption("BitBtn9"), Panel24), "BitBtn9");
  BitBtn9->setToolTip(hint("BitBtn9"));
  BW = Named(new QCheckBox(caption("BW"), Panel24), "BW");
  BW->setToolTip(hint("BW"));
  auto* top = new QHBoxLayout(Panel24);
  top->setContentsMargins(4, 4, 4, 4);
  top->addWidget(Label71);
  top->addWidget(SelectionGraphType, 1);
  top->addWidget(BitBtn9);
  top->addWidget(BW);
  top->addStretch();

  ChartsPanel = Named(new QStackedWidget(this), "ChartsPanel");
  ChartView** named[kChartStyleCount] = {&Chart1, &Chart2, &Chart3, &Chart4, &Chart5, &Chart6};
  for (int index = 0; index < kChartStyleCount; ++index) {
    auto* view = new ChartView(StyleFromIndex(index), model_, ChartsPanel);
    view->setObjectName(QStringLiteral("Chart%1").arg(index + 1));
    ChartsPanel->addWidget(view);
    views_[index] = *named[index] = view;
  }

  Panel25 = Named(new QFrame(this), "Panel25");
  CheckBox1 = Named(new QCheckBox(caption("CheckBox1"), Panel25), "CheckBox1");
  CheckBox1->setToolTip(hint("CheckBox1"));
  Label6A = Named(new QLabel(caption("Label6A"), Panel25), "Label6A");
  Label6A->setMinimumWidth(90);
  Bar3D = Named(new QScrollBar(Qt::Horizontal, Panel25), "Bar3D");
  Bar3D->setToolTip(hint("Bar3D"));
  Bar3D->setRange(1, 100);
  Bar3D->setValue(kResetDepth);
  Label60 = Named(new QLabel(caption("Label60"), Panel25), "Label60");
  ScrollBar3 = Named(new QScrollBar(Qt::Horizontal, Panel25), "ScrollBar3");
  ScrollBar3->setToolTip(hint("ScrollBar3"));
  ScrollBar3->setRange(270, 360);
  ScrollBar3->setValue(kResetRotation);
  Label60->setBuddy(ScrollBar3);
  BitBtn16 = Named(new QPushButton(caption("BitBtn16"), Panel25), "BitBtn16");
  BitBtn16->setToolTip(hint("BitBtn16"));
  BitBtn17 = Named(new QPushButton(caption("BitBtn17"), Panel25), "BitBtn17");
  BitBtn17->setToolTip(hint("BitBtn17"));
  auto* bottom = new QHBoxLayout(Panel25);
  bottom->setContentsMargins(4, 4, 4, 4);
  bottom->addWidget(CheckBox1);
  bottom->addWidget(Label6A);
  bottom->addWidget(Bar3D, 1);
  bottom->addSpacing(8);
  bottom->addWidget(Label60);
  bottom->addWidget(ScrollBar3, 1);
  bottom->addSpacing(8);
  bottom->addWidget(BitBtn16);
  bottom->addWidget(BitBtn17);

  QLabel** legendNames[kSeriesSlots] = {&Label1N, &Label2N, &Label3N, &Label4N, &Label5N};
  for (int slot = 0; slot < kSeriesSlots; ++slot) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label%1N").arg(slot + 1));
    label->hide();
    legendLabels_[slot] = *legendNames[slot] = label;
  }

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Panel24);
  layout->addWidget(ChartsPanel, 1);
  layout->addWidget(Panel25);

  // As when the estimation window is created: 3D on, both bars usable, the bar style.
  CheckBox1->setChecked(true);
  ForEachView([](ChartView& v) { v.setView3D(true); });
  Bar3D->setEnabled(true);
  ScrollBar3->setEnabled(true);
  chartStyle_ = ChartStyle::VerticalBar;
  ShowChartStyle();

  connect(BitBtn9, &QPushButton::clicked, this, &ChartsPage::BitBtn9Click);
  connect(CheckBox1, &QCheckBox::toggled, this, &ChartsPage::CheckBox1Click);
  connect(Bar3D, &QScrollBar::valueChanged, this, &ChartsPage::Bar3DChange);
  connect(ScrollBar3, &QScrollBar::valueChanged, this, &ChartsPage::ScrollBar3Change);
  connect(BitBtn16, &QPushButton::clicked, this, &ChartsPage::BitBtn16Click);
  connect(BitBtn17, &QPushButton::clicked, this, &ChartsPage::BitBtn17Click);
  connect(BW, &QCheckBox::toggled, this, &ChartsPage::ApplyFillPatterns);
  connect(SelectionGraphType, &QComboBox::currentIndexChanged, this,
          &ChartsPage::DrawSelectedGraph);
}

ChartsPage::~ChartsPage() = default;

void ChartsPage::setEstimate(const EnergyEstimate& estimate, ApplicationType application,
                             const ProgramSettings& settings) {
  estimate_ = estimate;
  application_ = application;
  settings_ = settings;
}

void ChartsPage::setSeparators(const Separators& separators) {
  ForEachView([&](ChartView& v) {
    RenderOptions options = v.options();
    options.separators = separators;
    v.setOptions(options);
  });
}

void ChartsPage::setStylePicker(TGRSEL* picker) {
  picker_ = picker;
}

GraphKind ChartsPage::selectedGraph() const {
  const int index = SelectionGraphType->currentIndex();
  return index == 1 ? GraphKind::AnnualHours : index == 2 ? GraphKind::TimeShare : GraphKind::Cost;
}

ChartView* ChartsPage::currentView() const {
  return IsValidStyle(chartStyle_) ? views_[StyleIndex(chartStyle_)] : views_[0];
}

void ChartsPage::windowShown() {
  {
    const QSignalBlocker block(SelectionGraphType);
    SelectionGraphType->setCurrentIndex(0);
  }
  ShowChartStyle();
  {
    // The views' depth shows on the bar; the bar's own change handler would only repeat it.
    const QSignalBlocker block(Bar3D);
    Bar3D->setValue(Chart1->settings().depthPercent);
  }
  ShowDepthLabel(Bar3D->value());
  DrawCostGraph();
  // Every view gets the same orientation back, so switching styles never changes the look.
  ForEachView([](ChartView& v) {
    v.setOrthogonal(true);
    v.setRotation(kResetRotation);
  });
}

void ChartsPage::ClearGraphs() {
  wattora::ClearGraphs(model_);
  for (int slot = 0; slot < kSeriesSlots; ++slot) legendLabels_[slot]->clear();
  ForEachView([](ChartView& v) { v.update(); });
}

void ChartsPage::Draw(GraphKind kind) {
  const GraphSource source{estimate_, application_, settings_, TextTable::ForWindow("TFANFORM")};
  wattora::DrawSelectedGraph(model_, kind, source);
  for (int slot = 0; slot < kSeriesSlots; ++slot)
    legendLabels_[slot]->setText(Qt8(model_.legendTexts[slot]));
  ForEachView([](ChartView& v) { v.update(); });
  emit graphDrawn(kind);
}

void ChartsPage::DrawCostGraph() {
  Draw(GraphKind::Cost);
}
void ChartsPage::DrawHoursGraph() {
  Draw(GraphKind::AnnualHours);
}
void ChartsPage::DrawTimeGraph() {
  Draw(GraphKind::TimeShare);
}
void ChartsPage::DrawSelectedGraph() {
  Draw(selectedGraph());
}

void ChartsPage::ShowChartStyle() {
  ChartsPanel->setCurrentWidget(currentView());
}

void ChartsPage::ApplyFillPatterns() {
  // The fast-line view has no fill to pattern.
  const bool on = BW->isChecked();
  for (ChartView* v : views_)
    if (v->style() != ChartStyle::FastLine) v->setFillPatterns(on);
}

void ChartsPage::BitBtn9Click() {
  if (!picker_) picker_ = new TGRSEL(chartStyle_, this);
  const ChartStyle before = chartStyle_;
  picker_->exec();
  chartStyle_ = picker_->chartStyle();
  ShowChartStyle();
  if (chartStyle_ != before) emit chartStyleChanged(chartStyle_);
}

void ChartsPage::CheckBox1Click(bool checked) {
  ForEachView([&](ChartView& v) { v.setView3D(checked); });
  Bar3D->setEnabled(checked);
  ScrollBar3->setEnabled(checked);
}

void ChartsPage::Bar3DChange(int position) {
  ForEachView([&](ChartView& v) { v.setDepthPercent(position); });
  ShowDepthLabel(position);
}

void ChartsPage::ShowDepthLabel(int depth) {
  const TextTable& texts = TextTable::ForWindow("TFANFORM");
  Label6A->setText(Qt8(texts.GetText("IDS_238")) + QLatin1Char(' ') + QString::number(depth) +
                   QLatin1Char('%'));
}

void ChartsPage::ScrollBar3Change(int position) {
  if (!ScrollBar3->isEnabled()) return;
  ForEachView([&](ChartView& v) {
    v.setOrthogonal(false);
    v.setRotation(position);
  });
}

void ChartsPage::BitBtn16Click() {
  // The bars and the label keep what they show; their next move applies again.
  ForEachView([](ChartView& v) {
    v.setOrthogonal(true);
    v.setRotation(kResetRotation);
    v.setDepthPercent(kResetDepth);
  });
}

void ChartsPage::BitBtn17Click() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(printer_.get(), this);
  dialog.setObjectName("PrintDialog1");
  if (dialog.exec() != QDialog::Accepted) return;
  PrintChart(*printer_);
}

bool ChartsPage::PrintChart(QPrinter& printer) const {
  const QPageLayout::Orientation previous = printer.pageLayout().orientation();
  printer.setPageOrientation(QPageLayout::Landscape);
  QPainter painter;
  bool printed = painter.begin(&printer);
  if (printed) {
    // Across the page width with the proportions of the view on screen.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel)
                            .translated(-printer.pageRect(QPrinter::DevicePixel).topLeft());
    const ChartView* view = currentView();
    const QSizeF shown = view->isVisible() && view->width() > 0 && view->height() > 0
                             ? QSizeF(view->size())
                             : QSizeF(view->sizeHint());
    QSizeF size = shown.scaled(page.size(), Qt::KeepAspectRatio);
    view->renderTo(painter, QRectF(page.topLeft(), size));
    printed = painter.end();
  }
  printer.setPageOrientation(previous);
  return printed;
}

QImage ChartsPage::renderPicture(const QSize& size) const {
  const ChartView* view = currentView();
  return RenderChartImage(size, model_, view->style(), view->settings(), view->options());
}

bool ChartsPage::writeSvg(QIODevice* device, const QSize& size) const {
  const ChartView* view = currentView();
  return WriteChartSvg(device, size, model_, view->style(), view->settings(), view->options());
}

}  // namespace wattora
