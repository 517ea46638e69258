#include "wizard/calcrep.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "shell/uikit.h"
#include "wizard/entryrules.h"
#include "wizard/wizardkit.h"

namespace wattora {

namespace {

constexpr int kRowHeight = 24;
const char* const kColumnNames[] = {"Ap", "HRY", "SHP", "CPH", "OC"};

}  // namespace

TCALCREP::TCALCREP(const Workspace& ws, HelpFunction getHelp, QWidget* parent)
    : QDialog(parent), ws_(ws), getHelp_(std::move(getHelp)) {
  setObjectName("TCALCREP");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                 Qt::WindowTitleHint);
  UseDesignFont(this);

  auto* header = new QFrame(this);
  header->setObjectName("HeaderBand");
  header->setAutoFillBackground(true);
  QPalette headerPalette = header->palette();
  headerPalette.setColor(QPalette::Window, QColor(0xdc, 0xe6, 0xf2));
  header->setPalette(headerPalette);
  header->setFrameShape(QFrame::StyledPanel);

  auto* grid = new QGridLayout(header);
  grid->setContentsMargins(8, 4, 8, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(2);
  const auto headerLabel = [&](const char* name, int row, int column, int span) {
    QLabel* label = NamedLabel(header, name, Qt::AlignRight | Qt::AlignVCenter);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    grid->addWidget(label, row, column, 1, span);
    return label;
  };
  HDRMEDIUM = headerLabel("HDRMEDIUM", 0, 0, 1);
  HDRTIME = headerLabel("HDRTIME", 0, 1, 2);
  HDRTIME->setAlignment(Qt::AlignCenter);
  HDROPER = headerLabel("HDROPER", 0, 3, 1);
  HDRX1A = headerLabel("HDRX1A", 0, 4, 1);
  HDRX1B = headerLabel("HDRX1B", 0, 5, 1);
  HDRFLOW = headerLabel("HDRFLOW", 1, 0, 1);
  HDRPCT = headerLabel("HDRPCT", 1, 1, 1);
  HDRHRS = headerLabel("HDRHRS", 1, 2, 1);
  HDRSHAFT = headerLabel("HDRSHAFT", 1, 3, 1);
  HDRCPH = headerLabel("HDRCPH", 1, 4, 1);
  HDROC = headerLabel("HDROC", 1, 5, 1);

  auto* table = new QWidget(this);
  table->setObjectName("TableBand");
  auto* rows = new QGridLayout(table);
  rows->setContentsMargins(8, 2, 8, 2);
  rows->setHorizontalSpacing(6);
  rows->setVerticalSpacing(0);
  std::array<std::array<QLabel*, 10>*, 5> columns = {&Ap, &HRY, &SHP, &CPH, &OC};
  for (int i = 0; i < kFlowPoints; ++i) {
    // Row i is flow point i: the field ending in 10 is 100 % flow, the one ending in 100 is 10 %.
    const QString suffix = QString::number(10 * (i + 1));
    FLOW[i] = NamedLabel(table, ("FLOW" + suffix).toLatin1().constData(),
                         Qt::AlignRight | Qt::AlignVCenter);
    rows->addWidget(FLOW[i], i, 0);
    for (int c = 0; c < 5; ++c) {
      QLabel* cell = NamedLabel(table, (kColumnNames[c] + suffix).toLatin1().constData(),
                                Qt::AlignRight | Qt::AlignVCenter);
      (*columns[c])[i] = cell;
      rows->addWidget(cell, i, c + 1);
    }
    rows->setRowMinimumHeight(i, kRowHeight);
  }

  auto* totals = new QFrame(this);
  totals->setObjectName("TotalsBand");
  totals->setFrameShape(QFrame::StyledPanel);
  auto* sums = new QGridLayout(totals);
  sums->setContentsMargins(8, 4, 8, 4);
  sums->setHorizontalSpacing(6);
  TOTALLBL = NamedLabel(totals, "TOTALLBL", Qt::AlignRight | Qt::AlignVCenter);
  TOTPCT = NamedLabel(totals, "TOTPCT", Qt::AlignRight | Qt::AlignVCenter);
  TOTHOUR = NamedLabel(totals, "TOTHOUR", Qt::AlignRight | Qt::AlignVCenter);
  TOTALCOST = NamedLabel(totals, "TOTALCOST", Qt::AlignRight | Qt::AlignVCenter);
  for (QLabel* l : {TOTALLBL, TOTPCT, TOTHOUR, TOTALCOST}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
  }
  sums->addWidget(TOTALLBL, 0, 0);
  sums->addWidget(TOTPCT, 0, 1);
  sums->addWidget(TOTHOUR, 0, 2);
  sums->addWidget(TOTALCOST, 0, 5);

  // Same column widths in the three bands, so the numbers line up under their titles.
  const int widths[6] = {70, 60, 100, 100, 130, 150};
  for (QGridLayout* g : {grid, rows, sums})
    for (int c = 0; c < 6; ++c) {
      g->setColumnMinimumWidth(c, widths[c]);
      g->setColumnStretch(c, widths[c]);
    }

  GOBACK = NamedButton(this, "GOBACK");
  HELPBTN = NamedButton(this, "HELPBTN");
  GOBACK->setAutoDefault(true);
  HELPBTN->setAutoDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(GOBACK);
  buttons->addStretch();
  buttons->addWidget(HELPBTN);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setSpacing(4);
  layout->addWidget(header);
  layout->addWidget(table);
  layout->addWidget(totals);
  layout->addStretch();
  layout->addLayout(buttons);

  ApplyTextTable(this, TextTable::ForWindow("TCALCREP"));
  resize(665, 396);
  ScaleFormToScreen(this, 96);
  setFixedSize(size());

  connect(GOBACK, &QPushButton::clicked, this, &QDialog::reject);
  connect(HELPBTN, &QPushButton::clicked, this, [this] {
    if (getHelp_) getHelp_("STEP4");
  });
}

void TCALCREP::SetRequest(int application, int methodCode,
                          const std::array<std::string, 10>& dutyText,
                          const QString& powerUnitCaption) {
  application_ = application;
  methodCode_ = methodCode;
  dutyText_ = dutyText;
  powerUnitCaption_ = powerUnitCaption;
}

void TCALCREP::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TCALCREP::FormShow() {
  HDRSHAFT->setText(QText(TextTable::ForWindow("TCALCREP"), "IDS_10") + powerUnitCaption_);
  FillCalculationOverview(application_, methodCode_);
}

void TCALCREP::FillCalculationOverview(int application, int code) {
  if (application != 1 && application != 2) return;
  const TextTable& texts = TextTable::ForWindow("TCALCREP");
  const Separators& seps = ws_.separators;
  const EnergyEstimate& e = ws_.estimate;
  const auto number = [&](double value, int decimals) {
    return QString::fromStdString(FormatFixed(value, decimals, seps));
  };

  HDRMEDIUM->setText(QText(texts, application == 1 ? "IDS_0" : "IDS_5"));
  for (int i = 0; i < kFlowPoints; ++i) {
    Ap[i]->setText(QString::fromStdString(dutyText_[i]));
    HRY[i]->setText(number(e.flowHours[i], 2));
  }
  if (const std::optional<ControlMethod> m = OverviewMethod(application, code)) {
    const int k = Index(*m);
    // A method whose cost divides by zero has no numbers to show.
    const bool shown = e.IsAvailable(*m);
    const QString money = QString::fromStdString(ws_.settings.currencySymbol) + "  ";
    for (int i = 0; i < kFlowPoints; ++i) {
      SHP[i]->setText(shown ? number(e.power[k][i], 2) : QString());
      CPH[i]->setText(shown ? money + number(e.hourlyCost[k][i], 2) : QString());
      OC[i]->setText(shown ? money + number(e.annualCost[k][i], 2) : QString());
    }
    TOTALCOST->setText(shown ? money + number(e.annualTotal[k], 0) : QString());
  }
  TOTHOUR->setText(number(e.totalFlowHours, 2));
}

}  // namespace wattora
