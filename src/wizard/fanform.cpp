#include "wizard/fanform.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

#include "charts/chartspage.h"
#include "charts/dutychart.h"
#include "core/comparison.h"
#include "shell/uikit.h"
#include "wizard/calcrep.h"
#include "wizard/wizardkit.h"

namespace wattora {

namespace {
constexpr const char* kProductTitle = "Vantrel Wattora VV";
}

TFANFORM::TFANFORM(Workspace& ws, Messages& messages, Platform& platform, Hooks hooks,
                   QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      messages_(messages),
      platform_(platform),
      hooks_(std::move(hooks)),
      texts_(TextTable::ForWindow("TFANFORM")) {
  setObjectName("TFANFORM");
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  UseDesignFont(this);

  BuildPages();
  ApplyTextTable(this, texts_);
  BalanceNote();
  resize(775, 500);
  ScaleFormToScreen(this, 96);
  setFixedSize(size());

  calcrep_ = new TCALCREP(ws_, hooks_.getHelp, this);
  ConnectHandlers();

  // Creation: page 0, entries bound, charts in the bar style.
  GoToPage(0);
  BindParameterControls();
  ws_.chartStyle = static_cast<int>(chartStyle_);
  created_ = true;
}

TFANFORM::~TFANFORM() {
  // Children go after this object; their last focus events must not reach it.
  for (QLineEdit* entry : entries_) entry->removeEventFilter(this);
}

void TFANFORM::ConnectHandlers() {
  for (QPushButton* b : continueButtons_)
    if (b) connect(b, &QPushButton::clicked, this, &TFANFORM::CONTINUECLICK);
  for (QPushButton* b : backButtons_)
    if (b) connect(b, &QPushButton::clicked, this, &TFANFORM::GOBACKCLICK);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
  connect(BitBtn15, &QPushButton::clicked, this, &QDialog::reject);

  connect(BitBtn4, &QPushButton::clicked, this, [this] { ShowHelp("STEP1"); });
  connect(Help, &QPushButton::clicked, this, [this] { ShowHelp("STEP2"); });
  connect(BitBtn7, &QPushButton::clicked, this, [this] { ShowHelp("STEP4"); });
  connect(BitBtn12, &QPushButton::clicked, this, [this] { ShowHelp("STEP5"); });
  connect(BitBtn10, &QPushButton::clicked, this, [this] { ShowHelp("STEP6"); });

  connect(BitBtn14, &QPushButton::clicked, this, &TFANFORM::BitBtn14Click);
  connect(BitBtn18, &QPushButton::clicked, this, &TFANFORM::BitBtn18Click);
  connect(BitBtn20, &QPushButton::clicked, this, &TFANFORM::BitBtn20Click);
  connect(NOTE3, &LinkLabel::clicked, this, &TFANFORM::NOTE3Click);
  connect(BitBtn19, &QPushButton::clicked, this, &TFANFORM::BitBtn19Click);
  connect(PageControl1, &QTabWidget::currentChanged, this, &TFANFORM::PageControl1Change);

  for (int slot = 0; slot < 6; ++slot)
    connect(costButtons_[slot], &QPushButton::clicked, this, [this, slot] { CostButtonClick(slot); });

  for (QLineEdit* entry : entries_) {
    entry->installEventFilter(this);
    connect(entry, &QLineEdit::textEdited, this, [this, entry] {
      entry->setProperty("wattora_left", QVariant());
      // An emptied entry is no change the project keeps; anything typed is, even if the
      // window closes before the entry is left.
      if (!entry->text().isEmpty()) MarkModified();
    });
  }
  for (int field = 0; field < 10; ++field)
    connect(customerFields_[field], &QLineEdit::textEdited, this,
            [this, field](const QString& text) { CustomerFieldEdited(field, text); });

  connect(Charts, &ChartsPage::chartStyleChanged, this,
          [this](ChartStyle style) { ws_.chartStyle = static_cast<int>(style); });
}

// --- Showing, activation, closing ---------------------------------------------------------

bool TFANFORM::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  if (e->type() == QEvent::WindowDeactivate) FormDeactivate();
  return QDialog::event(e);
}

void TFANFORM::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!e->spontaneous()) FormShow();
}

void TFANFORM::hideEvent(QHideEvent* e) {
  // Closing is a deactivation too: the entries go back into the parameter table.
  if (!e->spontaneous()) set_fields(1);
  QDialog::hideEvent(e);
}

void TFANFORM::FormShow() {
  // The order matters: the entries are filled before the duty check reads them, and the graphs
  // page is set up last, on whatever estimate the check left.
  ShowCustomerFields();
  DutyChart->applyTexts();
  DutyChart->setSeparators(ws_.separators);
  ExportSelection->setCurrentIndex(0);
  ShowUnitLabels();
  for (int index = 0; index < kChartStyleCount; ++index)
    Charts->view(StyleFromIndex(index))->setToolTip(QString());
  ShowCustomerNote();
  GoToPage(0);
  raise();
  activateWindow();

  set_fields(0);
  DRIVEEFF->setText(QString::fromStdString(
      FormatFixed(ws_.curves.DriveEfficiency() * 100.0, 2, ws_.separators)));
  ShowDutyTotal();
  const ApplicationType application = ws_.project.application;
  // A failed check has shown its message; caption and results stay from the last valid one.
  if (CheckDutyCycle()) {
    SetCaptionForApplication();
    ComputeEstimate(application, inputs_, ws_.estimate);
    ShowEstimateResults(application);
  }

  SyncChartStyle();
  Charts->setSeparators(ws_.separators);
  Charts->setEstimate(ws_.estimate, application, ws_.settings);
  Charts->windowShown();
}

void TFANFORM::FormActivate() { BindParameterControls(); }

void TFANFORM::FormDeactivate() {
  // A deactivation that arrives after the window was hidden would write stale entries over a
  // project opened since.
  if (isVisible()) set_fields(1);
}

void TFANFORM::SetCaptionForApplication() {
  const char* key = ws_.project.application == ApplicationType::Pump ? "IDS_237" : "IDS_236";
  setWindowTitle(QString::fromLatin1(kProductTitle) + QText(texts_, key));
}

void TFANFORM::SyncChartStyle() {
  const auto style = static_cast<ChartStyle>(ws_.chartStyle);
  if (IsValidStyle(style)) chartStyle_ = style;
  ws_.chartStyle = static_cast<int>(chartStyle_);
}

// --- Navigation -----------------------------------------------------------------------------

void TFANFORM::GoToPage(int index) {
  switching_ = true;
  PageControl1->setCurrentIndex(index);
  switching_ = false;
  SelectDefaultButton(index);
}

void TFANFORM::SelectDefaultButton(int index) {
  if (QPushButton* b = continueButtons_[index]) {
    b->setDefault(true);
    return;
  }
  for (QPushButton* other : continueButtons_)
    if (other) other->setDefault(false);
}

QPushButton* TFANFORM::CancelButtonOf(int index) const {
  // Page 4 has two cancel buttons; Esc goes back there as on every other page.
  return index == 0 ? BitBtn1 : backButtons_[index];
}

void TFANFORM::LeaveFocusedEntry() {
  // Enter and Esc act without moving the focus; the entry is left all the same, so the value
  // behind the page change is the checked one, as after a mouse click.
  auto* entry = qobject_cast<QLineEdit*>(focusWidget());
  if (!entry || std::find(entries_.begin(), entries_.end(), entry) == entries_.end()) return;
  if (!entry->isVisible()) return;
  CheckRange(entry);
  entry->setProperty("wattora_left", entry->text());
}

void TFANFORM::CONTINUECLICK() {
  LeaveFocusedEntry();
  if (!CheckDutyCycle()) return;
  RefreshEstimate();
  const int index = PageControl1->currentIndex();
  if (index < 4) GoToPage(index + 1);
}

void TFANFORM::GOBACKCLICK() {
  LeaveFocusedEntry();
  if (!CheckDutyCycle()) return;
  RefreshEstimate();
  const int index = PageControl1->currentIndex();
  if (index > 0) GoToPage(index - 1);
}

void TFANFORM::PageControl1Change(int index) {
  SelectDefaultButton(index);
  if (switching_ || !created_) return;
  if (CheckDutyCycle())
    RefreshEstimate();
  else
    GoToPage(1);
}

void TFANFORM::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Cancel)) {
    if (QPushButton* cancel = CancelButtonOf(PageControl1->currentIndex())) cancel->click();
    e->accept();
    return;
  }
  QDialog::keyPressEvent(e);
}

void TFANFORM::ShowHelp(const char* topic) {
  if (hooks_.getHelp) hooks_.getHelp(topic);
}

// --- Customer information -------------------------------------------------------------------

void TFANFORM::MarkModified() {
  ws_.project.modified = true;
  if (hooks_.updateStatusPanels) hooks_.updateStatusPanels();
}

void TFANFORM::CustomerFieldEdited(int field, const QString& text) {
  ws_.customer[field] = text.toStdString();
  MarkModified();
}

void TFANFORM::SetCustomerField(int field, const QString& text) {
  if (customerFields_[field]->text() != text) SetEditText(customerFields_[field], text);
  const std::string value = text.toStdString();
  if (ws_.customer[field] == value) return;
  ws_.customer[field] = value;
  MarkModified();
}

void TFANFORM::ShowCustomerFields() {
  for (int field = 0; field < 10; ++field)
    SetEditText(customerFields_[field], QString::fromStdString(ws_.customer[field]));
}

void TFANFORM::BitBtn20Click() {
  for (int field = 0; field < 10; ++field) SetCustomerField(field, QString());
}

void TFANFORM::set_default_values() {
  ws_.parameters.ResetOperatingData();
  for (int field = 0; field < 10; ++field) SetCustomerField(field, QString());
}

void TFANFORM::BalanceNote() {
  // The note is too long for one line: two lines of even length put the link right after
  // its last word.
  const int width = NOTE2->fontMetrics().horizontalAdvance(NOTE2->text());
  const int room = 775 - 40 - NOTE1->sizeHint().width() - NOTE3->sizeHint().width();
  NOTE2->setFixedWidth(width <= room ? width + 4 : std::min(room, width / 2 + 40));
}

void TFANFORM::ShowCustomerNote() {
  const bool shown = !ws_.settings.reportFlags[0];  // L1: customer block on the report
  NOTE1->setVisible(shown);
  NOTE2->setVisible(shown);
  NOTE3->setVisible(shown);
}

void TFANFORM::NOTE3Click() {
  if (hooks_.showConfiguration) hooks_.showConfiguration(1);
  ShowCustomerNote();
  // The dialog can change the power unit and the currency; the labels and the kW factor of
  // the next computation follow at once instead of at the next showing.
  ShowUnitLabels();
}

void TFANFORM::BitBtn18Click() {
  if (hooks_.showConfiguration) hooks_.showConfiguration(4);
  ShowCustomerNote();
  ShowUnitLabels();
}

void TFANFORM::BitBtn14Click() {
  set_fields(1);
  if (hooks_.saveEstimation) hooks_.saveEstimation();
}

void TFANFORM::Fatal(MessageKind kind, const std::string& text, MessageButtons buttons) {
  // Only a broken built-in table gets here.
  messages_.Show(texts_, kind, text, buttons);
  std::exit(EXIT_FAILURE);
}

}  // namespace wattora
