// The energy-estimation page: cost, savings and payback slots, and the cost buttons' actions.
#include <QLabel>
#include <QPushButton>

#include "core/comparison.h"
#include "shell/uikit.h"
#include "wizard/calcrep.h"
#include "wizard/entryrules.h"
#include "wizard/fanform.h"
#include "wizard/wizardkit.h"

namespace wattora {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

void ShowPair(QWidget* a, QWidget* b, bool visible) {
  a->setVisible(visible);
  b->setVisible(visible);
}

void EmptyAndHide(QLabel* name, QLabel* value) {
  name->clear();
  value->clear();
  ShowPair(name, value, false);
}

}  // namespace

void TFANFORM::ShowEstimateResults(ApplicationType application) {
  const EstimateComparison c =
      CompareEstimate(application, ws_.estimate, ws_.settings, texts_, ws_.separators);
  const bool pump = application == ApplicationType::Pump;
  const int selected = int(ws_.settings.custom1Selected) + int(ws_.settings.custom2Selected);

  FLOWM->setText(Q(c.title));

  // Cost slots: cheapest first; each button carries the action of the method it shows.
  if (!pump) ShowPair(LINE4, VAL4, true);
  costMethods_.fill(std::nullopt);
  for (size_t k = 0; k < c.costRows.size() && k < costButtons_.size(); ++k) {
    costButtons_[k]->setText(Q(c.costRows[k].name));
    costValues_[k]->setText(Q(c.costRows[k].amount));
    costMethods_[k] = c.costRows[k].method;
  }
  if (!pump) {
    LINECUSTOM1->setVisible(selected >= 1);
    LINECUSTOM2->setVisible(selected == 2);
    if (selected < 2) VALCUSTOM2->clear();
    if (selected == 0) VALCUSTOM1->clear();
  } else {
    LINECUSTOM2->hide();
    VALCUSTOM2->clear();
    LINE4->setVisible(selected >= 1);
    LINECUSTOM1->setVisible(selected == 2);
    if (selected < 2) VALCUSTOM1->clear();
    if (selected == 0) VAL4->clear();
  }

  // Savings slots: largest first.
  const int alwaysShown = pump ? 2 : 3;
  for (int k = 0; k < alwaysShown; ++k) ShowPair(CONTROL[k], VALUE[k], true);
  for (size_t k = 0; k < c.savingsRows.size() && k < CONTROL.size(); ++k) {
    CONTROL[k]->setText(Q(c.savingsRows[k].name));
    VALUE[k]->setText(Q(c.savingsRows[k].amount));
  }
  // The custom controls' slots follow the fixed ones; a pump's last slot stays empty.
  if (pump) {
    CONTROL[4]->clear();
    VALUE[4]->clear();
  }
  for (int k = 0; k < 2; ++k) {
    const int slot = alwaysShown + k;
    if (k < selected)
      ShowPair(CONTROL[slot], VALUE[slot], true);
    else
      EmptyAndHide(CONTROL[slot], VALUE[slot]);
  }

  // Payback slots: fixed order; "Never" in red.
  for (int k = alwaysShown; k < 5; ++k) {
    PAYBACK[k]->clear();
    PAYBACKVALUE[k]->clear();
  }
  for (size_t k = 0; k < c.paybackRows.size() && k < PAYBACK.size(); ++k) {
    const PaybackRow& row = c.paybackRows[k];
    PAYBACK[k]->setText(Q(row.name));
    PAYBACKVALUE[k]->setText(Q(row.value));
    SetTextColour(PAYBACKVALUE[k], row.never ? QColor(Qt::red) : QColor(Qt::black));
  }
}

void TFANFORM::CostButtonClick(int slot) {
  const std::optional<ControlMethod> method = costMethods_.at(slot);
  if (!method) return;
  if (*method == ControlMethod::NoSpeedControl) {
    messages_.Show(texts_, MessageKind::Information, texts_.GetText("IDS_248"),
                   MessageButtons::Ok);
    return;
  }
  OpenCalculationOverview(OverviewMethodCode(*method));
}

void TFANFORM::OpenCalculationOverview(int methodCode) {
  if (!CheckDutyCycle()) return;
  const ApplicationType application = ws_.project.application;
  ComputeEstimate(application, inputs_, ws_.estimate);
  calcrep_->SetRequest(static_cast<int>(application), methodCode, inputs_.dutyText,
                       Power_Label->text());
  calcrep_->exec();
}

}  // namespace wattora
