#include "config/tmultip.h"

#include <QButtonGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "config/config_pictures.h"
#include "config/tclg.h"
#include "core/texttable.h"
#include "shell/uikit.h"

namespace wattora {

namespace {

constexpr QSize kClientSize(690, 472);
constexpr int kBottomBarHeight = 48;
constexpr int kTabHeight = 30;
constexpr int kMultiplierWidth = 64;
constexpr int kCurrencyLimit = 3;
constexpr int kTitleLimit = 25;
constexpr int kClosingLineLimit = 80;

const TextTable& Texts() {
  return TextTable::ForWindow("TMULTIP");
}

QString Q8(const std::string& text) {
  return QString::fromStdString(text);
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* NewLabel(QWidget* parent, const char* name) {
  return Named(new QLabel(parent), name);
}

QLabel* NewHeading(QWidget* parent, const char* name) {
  QLabel* label = NewLabel(parent, name);
  QFont font = label->font();
  font.setBold(true);
  font.setUnderline(true);
  label->setFont(font);
  return label;
}

QPushButton* NewButton(QWidget* parent, const char* name) {
  QPushButton* button = Named(new QPushButton(parent), name);
  // No button answers Enter.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// A line edit whose limit binds typing only: a longer text put in by the program (a title
// read from a project, say) is shown whole instead of being cut.
void SetLimitedText(QLineEdit* edit, const std::string& text, int limit) {
  const QString value = Q8(text);
  edit->setMaxLength(std::max<int>(limit, value.size()));
  edit->setText(value);
}

// The multi-line fields have no maximum length of their own: what is typed or pasted beyond
// the limit is cut back at the cursor.
void LimitMultiline(QPlainTextEdit* edit) {
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
    const int limit = edit->property("wattora_limit").toInt();
    const int excess = static_cast<int>(edit->toPlainText().size()) - limit;
    if (excess <= 0) return;
    QTextCursor cursor = edit->textCursor();
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - excess));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edit->setTextCursor(cursor);
  });
}

void SetMultilineText(QPlainTextEdit* edit, const std::string& text) {
  const QString value = Q8(text);
  edit->setProperty("wattora_limit", std::max<int>(TMULTIP::kMultilineLimit, value.size()));
  edit->setPlainText(value);
}

std::string MultilineText(const QPlainTextEdit* edit) {
  return edit->toPlainText().toStdString();
}

// Tabs of a fixed height; a style sheet would also replace the dialog's font on the pages.
class TabBar : public QTabBar {
 protected:
  QSize tabSizeHint(int index) const override {
    return {QTabBar::tabSizeHint(index).width() + 12, kTabHeight};
  }
};

class PageControl : public QTabWidget {
 public:
  explicit PageControl(QWidget* parent) : QTabWidget(parent) { setTabBar(new TabBar); }
};

void SetExclusiveChecked(QButtonGroup* group, int id) {
  // Clearing every button of an exclusive group needs the exclusivity off for a moment.
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(group->id(b) == id);
  group->setExclusive(true);
}

}  // namespace

TMULTIP::TMULTIP(Workspace& ws, SettingsOperations& operations, Messages& messages,
                 Platform& platform, QWidget* parent)
    : QDialog(parent), ws_(ws), operations_(operations), messages_(messages), platform_(platform) {
  setObjectName("TMULTIP");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(kClientSize);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  cxPageControl1 = Named(new PageControl(this), "cxPageControl1");
  outer->addWidget(cxPageControl1, 1);
  auto* bar = Named(new QWidget(this), "BOTTOMBAR");
  bar->setMinimumHeight(kBottomBarHeight);
  outer->addWidget(bar);

  BuildPreferencesPage();
  BuildEfficiencyPage();
  BuildCustomPage();
  BuildReportPage();
  BuildBottomBar(bar);

  logoPicker_ = new TCLG(ws_, messages_, this);

  ApplyTextTable(this, Texts());
  ScaleFormToScreen(this, 96);
  setFixedSize(size());

  connect(cxPageControl1, &QTabWidget::currentChanged, this, [this] { UpdateNavigation(); });
  connect(GoBack_button, &QPushButton::clicked, this, &TMULTIP::GoBack_buttonClick);
  connect(NextButton, &QPushButton::clicked, this, &TMULTIP::NextButtonClick);
  connect(cancel_button, &QPushButton::clicked, this, &QDialog::reject);
  connect(SelectBtn, &QPushButton::clicked, this, &TMULTIP::SelectBtnClick);
  connect(BitBtn20, &QPushButton::clicked, this, &TMULTIP::BitBtn20Click);
  connect(VIEWLOGO, &QPushButton::clicked, this, &TMULTIP::VIEWLOGOClick);
  SetPage(1);
}

QLineEdit* TMULTIP::NewMultiplierField(QWidget* parent, Curve curve, int point) {
  const std::string name = MultiplierName(curve, point);
  auto* field = new QLineEdit(parent);
  field->setObjectName(Q8(name));
  field->setFixedWidth(kMultiplierWidth);
  field->setAlignment(Qt::AlignRight);
  field->setProperty("wattora_curve", static_cast<int>(curve));
  field->setProperty("wattora_point", point);
  field->installEventFilter(this);
  curveFields_[static_cast<int>(curve)][point] = field;
  return field;
}

void TMULTIP::BuildPreferencesPage() {
  cxTabSheet1 = Named(new QWidget, "cxTabSheet1");
  cxPageControl1->addTab(cxTabSheet1, QString());
  auto* page = new QVBoxLayout(cxTabSheet1);
  page->setContentsMargins(24, 16, 24, 12);
  page->addWidget(NewHeading(cxTabSheet1, "PREFHEADER"));
  page->addSpacing(8);

  QCheckBox** boxes[7] = {&L1, &L2, &L3, &L4, &L5, &L6, &L7};
  const char* names[7] = {"L1", "L2", "L3", "L4", "L5", "L6", "L7"};
  for (int k = 0; k < 7; ++k) {
    *boxes[k] = Named(new QCheckBox, names[k]);
    reportBoxes_[k] = *boxes[k];
  }
  // L2 lives on the report page; L4, L5 and L7 only carry stored flags.
  for (QCheckBox* box : {L1, L6, L3}) page->addWidget(box);
  for (QCheckBox* box : {L4, L5, L7}) {
    box->setParent(cxTabSheet1);
    box->hide();
  }
  page->addSpacing(14);

  auto* groups = new QHBoxLayout;
  groups->setSpacing(18);
  Units = Named(new QGroupBox(cxTabSheet1), "Units");
  auto* units = new QVBoxLayout(Units);
  KW = Named(new QRadioButton(Units), "KW");
  HP = Named(new QRadioButton(Units), "HP");
  units->addWidget(KW);
  units->addWidget(HP);
  units->addStretch(1);
  Units->setFixedWidth(190);
  groups->addWidget(Units);

  Currency = Named(new QGroupBox(cxTabSheet1), "Currency");
  auto* currency = new QGridLayout(Currency);
  currencyGroup_ = new QButtonGroup(this);
  QRadioButton** radios[4] = {&CUR001, &CUR002, &CUR003, &CUR004};
  const char* radioNames[4] = {"CUR001", "CUR002", "CUR003", "CUR004"};
  for (int id = 0; id < 4; ++id) {
    *radios[id] = Named(new QRadioButton(Currency), radioNames[id]);
    currencyGroup_->addButton(*radios[id], id);
    currency->addWidget(*radios[id], id, 0);
  }
  CURRCUSTOM = Named(new QLineEdit(Currency), "CURRCUSTOM");
  CURRCUSTOM->setMaxLength(kCurrencyLimit);
  CURRCUSTOM->setFixedWidth(56);
  currency->addWidget(CURRCUSTOM, 3, 1);
  currency->setColumnStretch(2, 1);
  groups->addWidget(Currency, 1);
  page->addLayout(groups);
  page->addSpacing(10);

  UNITNOTE = NewLabel(cxTabSheet1, "UNITNOTE");
  UNITNOTE->setWordWrap(true);
  QPalette grey = UNITNOTE->palette();
  grey.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
  UNITNOTE->setPalette(grey);
  page->addWidget(UNITNOTE);
  page->addStretch(1);
}

void TMULTIP::BuildEfficiencyPage() {
  cxTabSheet2 = Named(new QWidget, "cxTabSheet2");
  cxPageControl1->addTab(cxTabSheet2, QString());
  auto* page = new QVBoxLayout(cxTabSheet2);
  page->setContentsMargins(24, 10, 24, 8);
  auto* top = new QHBoxLayout;
  top->addWidget(NewHeading(cxTabSheet2, "EFFHEADER"));
  top->addStretch(1);
  BitBtn20 = NewButton(cxTabSheet2, "BitBtn20");
  top->addWidget(BitBtn20);
  page->addLayout(top);

  auto* body = new QHBoxLayout;
  body->setSpacing(28);
  auto* vfd = Named(new QGroupBox(cxTabSheet2), "VFDPANEL");
  auto* vfdLayout = new QHBoxLayout(vfd);
  VFDE100 = NewMultiplierField(vfd, Curve::VFDE, 0);
  vfdLayout->addWidget(VFDE100);
  // The other nine drive values are kept and rewritten, never shown.
  QLineEdit** drive[9] = {&VFDE90, &VFDE80, &VFDE70, &VFDE60, &VFDE50,
                          &VFDE40, &VFDE30, &VFDE20, &VFDE10};
  for (int i = 1; i < kFlowPoints; ++i) {
    *drive[i - 1] = NewMultiplierField(vfd, Curve::VFDE, i);
    (*drive[i - 1])->hide();
  }
  auto* vfdColumn = new QVBoxLayout;
  vfdColumn->addWidget(vfd);
  vfdColumn->addStretch(1);
  body->addLayout(vfdColumn);

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(22);
  grid->setVerticalSpacing(3);
  grid->addWidget(NewLabel(cxTabSheet2, "FLOWHEADER"), 0, 0);
  const char* headers[3] = {"DAMPERHEADER", "INLETVANEHEADER", "VALVEHEADER"};
  for (int col = 0; col < 3; ++col) {
    QLabel* header = NewLabel(cxTabSheet2, headers[col]);
    header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    header->setWordWrap(true);
    header->setFixedWidth(130);  // equal columns, long titles wrap
    grid->addWidget(header, 0, col + 1, Qt::AlignHCenter | Qt::AlignBottom);
  }
  QLineEdit** columns[3][kFlowPoints] = {
      {&DE100, &DE90, &DE80, &DE70, &DE60, &DE50, &DE40, &DE30, &DE20, &DE10},
      {&IVE100, &IVE90, &IVE80, &IVE70, &IVE60, &IVE50, &IVE40, &IVE30, &IVE20, &IVE10},
      {&VAE100, &VAE90, &VAE80, &VAE70, &VAE60, &VAE50, &VAE40, &VAE30, &VAE20, &VAE10}};
  for (int i = 0; i < kFlowPoints; ++i) {
    const std::string flow = "FLOW" + std::to_string(100 - 10 * i);
    grid->addWidget(NewLabel(cxTabSheet2, flow.c_str()), i + 1, 0);
    for (int col = 0; col < 3; ++col) {
      *columns[col][i] = NewMultiplierField(cxTabSheet2, static_cast<Curve>(col + 1), i);
      grid->addWidget(*columns[col][i], i + 1, col + 1, Qt::AlignHCenter);
    }
  }
  DAMPERSELECT = Named(new QCheckBox(cxTabSheet2), "DAMPERSELECT");
  INLETVANESELECT = Named(new QCheckBox(cxTabSheet2), "INLETVANESELECT");
  VALVESELECT = Named(new QCheckBox(cxTabSheet2), "VALVESELECT");
  for (QCheckBox* box : {DAMPERSELECT, INLETVANESELECT, VALVESELECT}) box->hide();
  body->addLayout(grid);
  body->addStretch(1);
  page->addLayout(body);
  page->addStretch(1);
}

void TMULTIP::BuildCustomPage() {
  cxTabSheet3 = Named(new QWidget, "cxTabSheet3");
  cxPageControl1->addTab(cxTabSheet3, QString());
  auto* page = new QVBoxLayout(cxTabSheet3);
  page->setContentsMargins(24, 10, 24, 6);
  page->addWidget(NewHeading(cxTabSheet3, "CUSTEFFHEADER"));

  auto* body = new QHBoxLayout;
  body->setSpacing(16);
  auto* left = new QVBoxLayout;
  left->addSpacing(20);
  left->addWidget(NewLabel(cxTabSheet3, "CUST1LABEL"));
  CUST1SELECT = Named(new QCheckBox(cxTabSheet3), "CUST1SELECT");
  left->addWidget(CUST1SELECT);
  left->addSpacing(24);
  left->addWidget(NewLabel(cxTabSheet3, "CUST2LABEL"));
  CUST2SELECT = Named(new QCheckBox(cxTabSheet3), "CUST2SELECT");
  left->addWidget(CUST2SELECT);
  left->addStretch(1);
  // Bound to parameters 71 and 72; never shown.
  CST01 = Named(new QComboBox(cxTabSheet3), "CST01");
  CST02 = Named(new QComboBox(cxTabSheet3), "CST02");
  CST01->hide();
  CST02->hide();
  body->addLayout(left);
  body->addStretch(1);

  struct Panel {
    const char* panel;
    const char* title;
    QLineEdit** titleField;
    const char* titleName;
    const char* prefix;  // of the flow and heading labels
    Curve curve;
    std::array<QLineEdit**, kFlowPoints> fields;
  };
  const Panel panels[2] = {
      {"CUST1PANEL",
       "TITLE1LABEL",
       &CustomTitle1,
       "CustomTitle1",
       "C1",
       Curve::C1E,
       {&C1E100, &C1E90, &C1E80, &C1E70, &C1E60, &C1E50, &C1E40, &C1E30, &C1E20, &C1E10}},
      {"CUST2PANEL",
       "TITLE2LABEL",
       &CustomTitle2,
       "CustomTitle2",
       "C2",
       Curve::C2E,
       {&C2E100, &C2E90, &C2E80, &C2E70, &C2E60, &C2E50, &C2E40, &C2E30, &C2E20, &C2E10}}};
  for (const Panel& p : panels) {
    auto* box = Named(new QGroupBox(cxTabSheet3), p.panel);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(10, 4, 10, 6);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(12);
    grid->addWidget(NewLabel(box, p.title), 0, 0);
    *p.titleField = Named(new QLineEdit(box), p.titleName);
    (*p.titleField)->setMaxLength(kTitleLimit);
    grid->addWidget(*p.titleField, 0, 1);
    const std::string prefix = p.prefix;
    grid->addWidget(NewLabel(box, (prefix + "FLOWHEADER").c_str()), 1, 0);
    grid->addWidget(NewLabel(box, (prefix + "EFFHEADER").c_str()), 1, 1, Qt::AlignLeft);
    for (int i = 0; i < kFlowPoints; ++i) {
      const std::string flow = prefix + "FLOW" + std::to_string(100 - 10 * i);
      grid->addWidget(NewLabel(box, flow.c_str()), i + 2, 0);
      *p.fields[i] = NewMultiplierField(box, p.curve, i);
      grid->addWidget(*p.fields[i], i + 2, 1, Qt::AlignLeft);
    }
    box->setFixedWidth(220);
    body->addWidget(box, 0, Qt::AlignTop);
  }
  page->addLayout(body, 1);
}

void TMULTIP::BuildReportPage() {
  cxTabSheet4 = Named(new QWidget, "cxTabSheet4");
  cxPageControl1->addTab(cxTabSheet4, QString());
  auto* page = new QVBoxLayout(cxTabSheet4);
  page->setContentsMargins(16, 8, 16, 10);
  auto* top = new QHBoxLayout;
  top->addStretch(1);
  L2->setParent(cxTabSheet4);
  top->addWidget(L2);
  page->addLayout(top);

  const auto textColumn = [this](const char* labelName, QPlainTextEdit** field,
                                 const char* fieldName, int marker, const char* markerName) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(NewLabel(cxTabSheet4, labelName));
    *field = Named(new QPlainTextEdit(cxTabSheet4), fieldName);
    (*field)->setProperty("wattora_limit", kMultilineLimit);
    (*field)->setTabChangesFocus(true);
    (*field)->setFixedHeight(170);
    LimitMultiline(*field);
    column->addWidget(*field);
    QLabel* badge = NewLabel(cxTabSheet4, markerName);
    badge->setPixmap(MarkerPicture(marker));
    column->addWidget(badge, 0, Qt::AlignHCenter);
    column->addStretch(1);
    return column;
  };
  auto* middle = new QHBoxLayout;
  middle->setSpacing(14);
  middle->addLayout(textColumn("COMPANYINFOLABEL", &CompanyInfo, "CompanyInfo", 1, "MARKER1"), 1);
  QLabel* thumbnail = NewLabel(cxTabSheet4, "REPORTTHUMB");
  thumbnail->setPixmap(ReportThumbnail());
  middle->addWidget(thumbnail, 0, Qt::AlignTop);
  middle->addLayout(textColumn("PRBYLABEL", &PRBY, "PRBY", 2, "MARKER2"), 1);
  page->addLayout(middle, 1);

  page->addWidget(NewLabel(cxTabSheet4, "LOGOFILELABEL"));
  LOGOFILEN = Named(new QLineEdit(cxTabSheet4), "LOGOFILEN");
  page->addWidget(LOGOFILEN);
  auto* logoRow = new QHBoxLayout;
  VIEWLOGO = NewButton(cxTabSheet4, "VIEWLOGO");
  logoRow->addWidget(VIEWLOGO);
  logoRow->addStretch(1);
  page->addLayout(logoRow);

  // Kept and stored, never shown.
  Closing_Line1 = Named(new QLineEdit(cxTabSheet4), "Closing_Line1");
  Closing_Line2 = Named(new QLineEdit(cxTabSheet4), "Closing_Line2");
  for (QLineEdit* line : {Closing_Line1, Closing_Line2}) {
    line->setMaxLength(kClosingLineLimit);
    line->hide();
  }
}

void TMULTIP::BuildBottomBar(QWidget* bar) {
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(12, 8, 12, 10);
  GoBack_button = NewButton(bar, "GoBack_button");
  NextButton = NewButton(bar, "NextButton");
  cancel_button = NewButton(bar, "cancel_button");
  SelectBtn = NewButton(bar, "SelectBtn");
  for (QPushButton* b : {GoBack_button, NextButton, cancel_button, SelectBtn})
    b->setMinimumWidth(110);
  row->addWidget(GoBack_button);
  row->addWidget(NextButton);
  row->addStretch(1);
  row->addWidget(cancel_button);
  row->addWidget(SelectBtn);
}

// --- Showing and pages ------------------------------------------------------------------

int TMULTIP::ShowOnPage(int page) {
  SetPage(page);
  return exec();
}

int TMULTIP::ShowOnCurrentPage() {
  return exec();
}

int TMULTIP::CurrentPage() const {
  return cxPageControl1->currentIndex() + 1;
}

void TMULTIP::SetPage(int page) {
  cxPageControl1->setCurrentIndex(std::clamp(page, 1, kPageCount) - 1);
  UpdateNavigation();
}

void TMULTIP::UpdateNavigation() {
  GoBack_button->setVisible(CurrentPage() != 1);
  NextButton->setVisible(CurrentPage() != kPageCount);
}

void TMULTIP::GoBack_buttonClick() {
  if (CurrentPage() != 1) SetPage(CurrentPage() - 1);
}

void TMULTIP::NextButtonClick() {
  if (CurrentPage() != kPageCount) SetPage(CurrentPage() + 1);
}

void TMULTIP::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TMULTIP::EnableUnitsAndCurrency(bool enabled) {
  for (QWidget* w : std::initializer_list<QWidget*>{Units, Currency, CUR001, CUR002, CUR003, CUR004,
                                                    KW, HP, CURRCUSTOM})
    w->setEnabled(enabled);
}

void TMULTIP::FormShow() {
  const ProgramSettings& s = ws_.settings;
  ConfigFields& f = ws_.configFields;
  EnableUnitsAndCurrency(!ws_.project.active);
  f.kw = s.powerUnitIsKw;
  f.currencyButton = s.currencySelection >= 0 && s.currencySelection <= 3 ? s.currencySelection : 1;
  f.currCustom = s.customCurrency;
  f.reportFlags = s.reportFlags;
  for (int c = 0; c < kCurveCount; ++c)
    for (int i = 0; i < kFlowPoints; ++i)
      f.curveText[c][i] = FormatFixed(ws_.curves.values[c][i], 3, ws_.separators);
  f.customTitle1 = s.custom1Title;
  f.customTitle2 = s.custom2Title;
  f.damper = s.damperSelected;
  f.inletVane = s.inletVaneSelected;
  f.valve = s.valveSelected;
  f.cust1Select = s.custom1Selected;
  f.cust2Select = s.custom2Selected;
  f.logoFile = s.logoFile;
  f.closingLine1 = s.closingLine1;
  f.closingLine2 = s.closingLine2;
  SettingsStore& store = operations_.Store();
  store.Open();
  f.preparedBy = FromStoredLines(store.ReadText("USER", "PREP", ""));
  f.companyInfo = FromStoredLines(store.ReadText("USER", "CPINFO", ""));
  store.Close();
  ShowFields();
  LOGOFILEN->setToolTip(Q8(s.logoFile));
  logoFileAtShow_ = s.logoFile;
  confirmed_ = false;
  UpdateNavigation();
}

// --- Binding to ws.configFields -----------------------------------------------------------

void TMULTIP::StoreFields() {
  ConfigFields& f = ws_.configFields;
  for (int c = 0; c < kCurveCount; ++c)
    for (int i = 0; i < kFlowPoints; ++i)
      f.curveText[c][i] = curveFields_[c][i]->text().toStdString();
  f.cst01 = std::max(0, CST01->currentIndex());
  f.cst02 = std::max(0, CST02->currentIndex());
  f.cust1Select = CUST1SELECT->isChecked();
  f.cust2Select = CUST2SELECT->isChecked();
  f.customTitle1 = CustomTitle1->text().toStdString();
  f.customTitle2 = CustomTitle2->text().toStdString();
  f.damper = DAMPERSELECT->isChecked();
  f.inletVane = INLETVANESELECT->isChecked();
  f.valve = VALVESELECT->isChecked();
  for (int k = 0; k < 7; ++k) f.reportFlags[k] = reportBoxes_[k]->isChecked();
  f.kw = KW->isChecked();
  f.currencyButton = currencyGroup_->checkedId();
  f.currCustom = CURRCUSTOM->text().toStdString();
  f.logoFile = LOGOFILEN->text().toStdString();
  f.closingLine1 = Closing_Line1->text().toStdString();
  f.closingLine2 = Closing_Line2->text().toStdString();
  f.preparedBy = MultilineText(PRBY);
  f.companyInfo = MultilineText(CompanyInfo);
}

void TMULTIP::ShowFields() {
  const ConfigFields& f = ws_.configFields;
  for (int c = 0; c < kCurveCount; ++c)
    for (int i = 0; i < kFlowPoints; ++i) curveFields_[c][i]->setText(Q8(f.curveText[c][i]));
  CST01->setCurrentIndex(std::clamp(f.cst01, 0, std::max(0, CST01->count() - 1)));
  CST02->setCurrentIndex(std::clamp(f.cst02, 0, std::max(0, CST02->count() - 1)));
  CUST1SELECT->setChecked(f.cust1Select);
  CUST2SELECT->setChecked(f.cust2Select);
  SetLimitedText(CustomTitle1, f.customTitle1, kTitleLimit);
  SetLimitedText(CustomTitle2, f.customTitle2, kTitleLimit);
  DAMPERSELECT->setChecked(f.damper);
  INLETVANESELECT->setChecked(f.inletVane);
  VALVESELECT->setChecked(f.valve);
  for (int k = 0; k < 7; ++k) reportBoxes_[k]->setChecked(f.reportFlags[k]);
  KW->setChecked(f.kw);
  HP->setChecked(!f.kw);
  SetExclusiveChecked(currencyGroup_, f.currencyButton);
  SetLimitedText(CURRCUSTOM, f.currCustom, kCurrencyLimit);
  LOGOFILEN->setText(Q8(f.logoFile));
  SetLimitedText(Closing_Line1, f.closingLine1, kClosingLineLimit);
  SetLimitedText(Closing_Line2, f.closingLine2, kClosingLineLimit);
  SetMultilineText(PRBY, f.preparedBy);
  SetMultilineText(CompanyInfo, f.companyInfo);
}

QLineEdit* TMULTIP::CurveField(Curve curve, int point) const {
  return curveFields_.at(static_cast<int>(curve)).at(point);
}

QLineEdit* TMULTIP::MultiplierField(int parameter) const {
  if (parameter == 20) return VFDE100;
  if (parameter < 21 || parameter > 70) return nullptr;
  return curveFields_[(parameter - 11) / 10][(parameter - 21) % 10];
}

int TMULTIP::BoundParameter(const QLineEdit* field) const {
  const int curve = field->property("wattora_curve").toInt();
  const int point = field->property("wattora_point").toInt();
  // The nine hidden drive values have no parameter; they share the range of parameter 20.
  if (curve == 0) return 20;
  return 11 + 10 * curve + point;
}

// --- Multiplier entry ---------------------------------------------------------------------

bool TMULTIP::MULTkeyPress(const QString& typed) const {
  const QString decimal = Q8(ws_.separators.decimal);
  const QString group = Q8(ws_.separators.group);
  for (const QChar ch : typed) {
    if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) continue;  // backspace and control keys
    if (ch >= '0' && ch <= '9') continue;
    if (QString(ch) == decimal || QString(ch) == group) continue;
    return false;
  }
  return true;
}

void TMULTIP::MULTEXIT(QLineEdit* field) {
  const std::string text = field->text().toStdString();
  if (text.empty()) return;
  const Parameter& p = ws_.parameters[BoundParameter(field)];
  int decimals = 0;
  for (int d = 4; d >= 1; --d)
    if (p.stepsPerUnit == static_cast<float>(Parameter::StepsForDecimals(d))) decimals = d;
  const float value = static_cast<float>(ParseLocaleNumber(text, ws_.separators).value);
  float shown = value;
  if (value > p.maximum) {
    platform_.Beep();
    shown = p.maximum;
  } else if (!(value >= p.minimum)) {
    platform_.Beep();
    shown = p.minimum;
  }
  field->setText(Q8(FormatFixed(shown, decimals, ws_.separators)));
  // With no project open there is nothing to mark.
  if (ws_.project.active) ws_.project.modified = true;
}

void TMULTIP::CheckPendingField() {
  // An edit not yet checked (closing by a shortcut key, or the window losing activation
  // while typing) is checked now, so no parameter takes a value outside its range.
  for (const auto& curve : curveFields_)
    for (QLineEdit* field : curve)
      if (field->isModified()) MULTEXIT(field);
}

bool TMULTIP::eventFilter(QObject* watched, QEvent* event) {
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field && field->property("wattora_curve").isValid()) {
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (!key->text().isEmpty() && !MULTkeyPress(key->text())) return true;
    } else if (event->type() == QEvent::FocusOut) {
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      // Switching windows or opening a context menu is not leaving the field.
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) MULTEXIT(field);
    }
  }
  return QDialog::eventFilter(watched, event);
}

// --- Buttons, keys and activation ---------------------------------------------------------

void TMULTIP::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // Back answers Escape first; on page 1 Escape is Cancel.
      if (!GoBack_button->isHidden())
        GoBack_buttonClick();
      else
        reject();
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();  // no button answers Enter
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TMULTIP::SelectBtnClick() {
  CheckPendingField();
  StoreFields();
  operations_.Save_Opt();
  ShowFields();
  confirmed_ = true;
  accept();
}

void TMULTIP::BitBtn20Click() {
  StoreFields();
  operations_.SET_DEFAULT();
  ShowFields();
}

void TMULTIP::VIEWLOGOClick() {
  ws_.settings.logoFile = LOGOFILEN->text().toStdString();
  logoPicker_->exec();
  if (logoPicker_->Accepted())
    LOGOFILEN->setText(Q8(ws_.settings.logoFile));
  else
    // A picture that was refused or not confirmed does not become the report's logo.
    ws_.settings.logoFile = LOGOFILEN->text().toStdString();
  LOGOFILEN->setToolTip(Q8(ws_.settings.logoFile));
}

void TMULTIP::LoseActivation() {
  CheckPendingField();
  StoreFields();
  operations_.Set_Fields(1);
}

void TMULTIP::changeEvent(QEvent* event) {
  // Another window of the program taking over; switching to another program is no loss of
  // activation (no beep for a half-typed value while the user looks elsewhere).
  if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow() &&
      QApplication::activeWindow() != nullptr)
    LoseActivation();
  QDialog::changeEvent(event);
}

void TMULTIP::done(int result) {
  if (isVisible()) {
    // Closing always loses the activation; do it here so it never depends on the platform.
    LoseActivation();
    // Without OK the in-memory settings keep their values, the logo name included.
    if (!confirmed_) ws_.settings.logoFile = logoFileAtShow_;
  }
  QDialog::done(result);
}

}  // namespace wattora
