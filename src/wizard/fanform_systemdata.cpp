// The system-data page: entries bound to parameters 1-19, key filter, range check, duty cycle.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "charts/chartspage.h"
#include "charts/dutychart.h"
#include "core/comparison.h"
#include "shell/uikit.h"
#include "wizard/entryrules.h"
#include "wizard/fanform.h"
#include "wizard/wizardkit.h"

namespace wattora {

namespace {

constexpr const char* kTag = "tag";
constexpr const char* kLeftText = "wattora_left";

bool IsDutyParameter(int number) { return number >= 10 && number <= 19; }

// Leaving by Tab, click or a page change; a message box or a menu over the window is not.
bool LeavesEntry(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

}  // namespace

void TFANFORM::BindParameterControls() {
  const ParameterTable& table = ws_.parameters;
  for (int n = 1; n <= table.Count() && n <= ParameterTable::kSlots; ++n) {
    if (!table.IsDefined(n)) continue;
    const Parameter& p = table[n];
    if (p.listLetter != 'A' || p.listDigit != '1') continue;
    if (p.codeNumber < 1 || p.codeNumber > ParameterTable::kProgramParameters) {
      Fatal(MessageKind::Error, texts_.GetText("IDS_239"), MessageButtons::Ok);
      return;
    }
    // 20..72 belong to the configuration dialog, which binds its own fields.
    if (p.codeNumber <= 19) entries_[p.codeNumber - 1]->setProperty(kTag, n);
  }
}

void TFANFORM::INITIALIZE_EDIT(QLineEdit* field, int direction) {
  const int tag = field->property(kTag).toInt();
  if (tag == 0) {
    Fatal(MessageKind::Warning, "LIST TAG NUMBER = 0", MessageButtons::Yes);
    return;
  }
  Parameter& p = ws_.parameters[tag];
  if (direction == 0) {
    field->setEnabled(true);
    SetEditText(field, QString::fromStdString(FormatFixed(p.value, p.Decimals(), ws_.separators)));
    field->update();
  } else {
    p.value = static_cast<float>(ParseLocaleNumber(field->text().toStdString(), ws_.separators).value);
  }
}

void TFANFORM::set_fields(int direction) {
  for (QLineEdit* entry : entries_) INITIALIZE_EDIT(entry, direction);
}

bool TFANFORM::KEYLOCK(QLineEdit*, const QString& typed) const {
  return !KeyAccepted(typed.toStdString(), ws_.separators);
}

bool TFANFORM::eventFilter(QObject* watched, QEvent* e) {
  auto* entry = qobject_cast<QLineEdit*>(watched);
  if (entry && (e->type() == QEvent::KeyPress || e->type() == QEvent::FocusOut)) {
    if (e->type() == QEvent::KeyPress) {
      if (KEYLOCK(entry, static_cast<QKeyEvent*>(e)->text())) return true;
    } else if (LeavesEntry(static_cast<QFocusEvent*>(e)->reason())) {
      // Enter or Esc already checked this text; leaving it now repeats nothing.
      const QVariant checked = entry->property(kLeftText);
      entry->setProperty(kLeftText, QVariant());
      if (!checked.isValid() || checked.toString() != entry->text()) CheckRange(entry);
    }
  }
  return QDialog::eventFilter(watched, e);
}

void TFANFORM::CheckRange(QLineEdit* field) {
  const int tag = field->property(kTag).toInt();
  if (tag == 0) {
    Fatal(MessageKind::Warning, "LIST TAG NUMBER = 0", MessageButtons::Yes);
    return;
  }
  const std::optional<RangeCheckResult> result =
      CheckRangeText(field->text().toStdString(), ws_.parameters[tag], ws_.separators);
  if (!result) return;
  if (result->beep) platform_.Beep();
  SetEditText(field, QString::fromStdString(result->text));
  MarkModified();
  if (IsDutyParameter(tag)) ShowDutyTotal();
}

int TFANFORM::DutySum() {
  for (int i = 0; i < 19; ++i) inputs_.entries[i] = entries_[i]->text().toStdString();
  inputs_.CopyDutyText();
  inputs_.curves = ws_.curves;
  inputs_.kwPerPowerUnit = ws_.kwPerPowerUnit;
  inputs_.separators = ws_.separators;
  return DutyTotal(inputs_);
}

bool TFANFORM::CheckDutyCycle() {
  const int total = DutySum();
  if (total == 100) return true;
  messages_.Show(texts_, MessageKind::Error, DutyCycleMessage(total, texts_), MessageButtons::Ok);
  return false;
}

void TFANFORM::ShowDutyTotal() {
  const int total = DutySum();
  const QString amount = QString::number(total);  // as the duty-cycle message writes it
  if (total == 100) {
    DutyChart->setTotalValid(true);
    SetTextColour(Label50, Qt::black);
    Label50->setText(amount + QLatin1Char('%'));
    RefreshEstimate();
  } else {
    DutyChart->setTotalValid(false);
    SetTextColour(Label50, Qt::red);
    Label50->setText(amount + QText(texts_, "IDS_246"));
  }
}

void TFANFORM::RefreshEstimate() {
  const ApplicationType application = ws_.project.application;
  if (CheckDutyCycle()) {
    ComputeEstimate(application, inputs_, ws_.estimate);
    ShowEstimateResults(application);
    Charts->setEstimate(ws_.estimate, application, ws_.settings);
    Charts->refresh();
  }
  DutyChart->Redraw(ws_.estimate);
}

void TFANFORM::BitBtn19Click() {
  for (int n = 10; n <= 19; ++n)
    SetEditText(entries_[n - 1],
                QString::fromStdString(FormatFixed(DefaultParameterValue(n), 0, ws_.separators)));
  MarkModified();
  ShowDutyTotal();
}

void TFANFORM::ShowUnitLabels() {
  const ProgramSettings& s = ws_.settings;
  Power_Label->setText(QText(texts_, s.powerUnitIsKw ? "IDS_234" : "IDS_235"));
  ws_.kwPerPowerUnit = s.KwPerPowerUnit();
  const QString symbol = QString::fromStdString(s.currencySymbol);
  Currency_label->setText(symbol);
  Currency_label2->setText(QString::fromStdString(s.subUnitLabel));
  CompanyIncentiveLabel->setText(symbol + QLatin1Char('/') + Power_Label->text());
}

}  // namespace wattora
