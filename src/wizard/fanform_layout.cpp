// The controls of the five pages and where they sit. Behaviour lives in the other files.
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "charts/chartspage.h"
#include "charts/dutychart.h"
#include "wizard/fanform.h"
#include "wizard/wizardkit.h"

namespace wattora {

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kHeadingBlue(0x00, 0x00, 0xff);

class TallTabBar : public QTabBar {
 public:
  using QTabBar::QTabBar;

 protected:
  QSize tabSizeHint(int index) const override {
    QSize size = QTabBar::tabSizeHint(index);
    size.setHeight(30);
    return size;
  }
};

class PageControl : public QTabWidget {
 public:
  explicit PageControl(QWidget* parent) : QTabWidget(parent) { setTabBar(new TallTabBar(this)); }
};

QFrame* Panel(QWidget* parent, const char* name, bool white = false) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setFrameShape(QFrame::StyledPanel);
  if (white) {
    frame->setAutoFillBackground(true);
    QPalette p = frame->palette();
    p.setColor(QPalette::Window, Qt::white);
    frame->setPalette(p);
  }
  return frame;
}

QLabel* Heading(QWidget* parent, const char* name, const QColor& colour) {
  QLabel* label = NamedLabel(parent, name);
  SetTextColour(label, colour);
  SetBold(label);
  return label;
}

QLabel* Logo(QWidget* parent, const char* name) {
  QLabel* logo = NamedLabel(parent, name);
  logo->setPixmap(DrawPageLogo(QSize(36, 36)));
  logo->setFixedSize(36, 36);
  return logo;
}

}  // namespace

QWidget* TFANFORM::ButtonRow(QPushButton* left, std::initializer_list<QPushButton*> middle,
                             QPushButton* right) {
  auto* row = new QWidget;
  auto* h = new QHBoxLayout(row);
  h->setContentsMargins(0, 4, 0, 0);
  for (QPushButton* b : {left, right})
    if (b) b->setMinimumWidth(100);
  h->addWidget(left);
  h->addStretch();
  for (QPushButton* b : middle) {
    b->setMinimumWidth(100);
    h->addWidget(b);
  }
  h->addStretch();
  if (right) h->addWidget(right);
  return row;
}

void TFANFORM::BuildPages() {
  PageControl1 = new PageControl(this);
  PageControl1->setObjectName("PageControl1");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(PageControl1);

  BuildCustomerPage();
  BuildSystemDataPage();
  BuildResultsPage();
  BuildGraphsPage();
  BuildReportPage();
}

void TFANFORM::BuildCustomerPage() {
  cxTabSheet1 = new QWidget;
  cxTabSheet1->setObjectName("cxTabSheet1");
  PageControl1->addTab(cxTabSheet1, QString());
  QWidget* page = cxTabSheet1;

  LOGO1 = Logo(page, "LOGO1");
  PROJECTNM01A = NamedLabel(page, "PROJECTNM01A");
  SetBold(PROJECTNM01A);
  PROJECTNAME = NamedEdit(page, "PROJECTNAME", 45);
  PROJECTNAME->setMinimumWidth(300);
  BitBtn18 = NamedButton(page, "BitBtn18");
  BitBtn20 = NamedButton(page, "BitBtn20");
  BitBtn18->setAutoDefault(true);  // Enter presses the focused button, else Continue
  BitBtn20->setAutoDefault(true);

  auto* top = new QHBoxLayout;
  top->addWidget(LOGO1);
  top->addSpacing(8);
  top->addWidget(PROJECTNM01A);
  top->addWidget(PROJECTNAME);
  top->addStretch();
  auto* topButtons = new QVBoxLayout;
  topButtons->addWidget(BitBtn18);
  topButtons->addWidget(BitBtn20);
  top->addLayout(topButtons);

  Label56 = Heading(page, "Label56", Qt::black);
  struct Row {
    QLabel** label;
    const char* labelName;
    QLineEdit** field;
    const char* fieldName;
    int maxLength;
    int width;
    CustomerField slot;
  };
  const Row rows[] = {
      {&Label48, "Label48", &Companyfor, "Companyfor", 45, 300, CustomerField::Companyfor},
      {&Label40, "Label40", &PREPFOR, "PREPFOR", 45, 300, CustomerField::PREPFOR},
      {&Label47, "Label47", &Titlefor, "Titlefor", 5, 60, CustomerField::Titlefor},
      {&Label51, "Label51", &AddressFor, "AddressFor", 45, 300, CustomerField::AddressFor},
      {&Label52, "Label52", &ZipFor, "ZipFor", 45, 300, CustomerField::ZipFor},
      {&Label57, "Label57", &CountryFor, "CountryFor", 25, 180, CustomerField::CountryFor},
      {&Label53, "Label53", &Telfor, "Telfor", 25, 180, CustomerField::Telfor},
      {&Label54, "Label54", &Faxfor, "Faxfor", 25, 180, CustomerField::Faxfor},
      {&Label58, "Label58", &EmailFor, "EmailFor", 45, 300, CustomerField::EmailFor},
  };
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(4);
  int r = 0;
  for (const Row& row : rows) {
    *row.label = NamedLabel(page, row.labelName, Qt::AlignRight | Qt::AlignVCenter);
    *row.field = NamedEdit(page, row.fieldName, row.maxLength);
    (*row.field)->setFixedWidth(row.width);
    grid->addWidget(*row.label, r, 0);
    grid->addWidget(*row.field, r, 1, Qt::AlignLeft);
    customerFields_[row.slot] = *row.field;
    ++r;
  }
  customerFields_[CustomerField::PROJECTNAME] = PROJECTNAME;
  // Tab runs from the project name down the customer fields, then to the two buttons.
  QWidget* previous = PROJECTNAME;
  for (const Row& row : rows) {
    QWidget::setTabOrder(previous, *row.field);
    previous = *row.field;
  }
  QWidget::setTabOrder(previous, BitBtn18);
  QWidget::setTabOrder(BitBtn18, BitBtn20);
  grid->setColumnStretch(1, 1);
  Label59 = NamedLabel(page, "Label59");

  auto* block = new QVBoxLayout;
  block->addWidget(Label56);
  block->addSpacing(4);
  block->addLayout(grid);
  block->addSpacing(6);
  block->addWidget(Label59);

  PICTURE1 = NamedLabel(page, "PICTURE1", Qt::AlignCenter);
  PICTURE1->setPixmap(DrawFanPicture(QSize(180, 180)));
  auto* middle = new QHBoxLayout;
  middle->addSpacing(20);
  middle->addLayout(block, 1);
  middle->addWidget(PICTURE1, 0, Qt::AlignVCenter);
  middle->addSpacing(20);

  NOTE1 = Heading(page, "NOTE1", Qt::red);
  NOTE2 = NamedLabel(page, "NOTE2");
  NOTE2->setWordWrap(true);
  NOTE3 = new LinkLabel(page);
  NOTE3->setObjectName("NOTE3");
  auto* note = new QHBoxLayout;
  note->addWidget(NOTE1, 0, Qt::AlignTop);
  note->addWidget(NOTE2);
  note->addWidget(NOTE3, 0, Qt::AlignBottom);
  note->addStretch();

  BitBtn1 = NamedButton(page, "BitBtn1");
  BitBtn4 = NamedButton(page, "BitBtn4");
  BitBtn5 = NamedButton(page, "BitBtn5");

  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 8, 8, 6);
  v->addLayout(top);
  v->addSpacing(6);
  v->addLayout(middle);
  v->addStretch();
  v->addLayout(note);
  v->addWidget(ButtonRow(BitBtn1, {BitBtn4}, BitBtn5));
  continueButtons_[0] = BitBtn5;
  backButtons_[0] = nullptr;  // BitBtn1 closes the window
}

void TFANFORM::BuildSystemDataPage() {
  cxTabSheet2 = new QWidget;
  cxTabSheet2->setObjectName("cxTabSheet2");
  PageControl1->addTab(cxTabSheet2, QString());
  QWidget* page = cxTabSheet2;

  LOGO2 = Logo(page, "LOGO2");

  // Operating data on the left, in four groups under blue headings.
  auto* data = new QGridLayout;
  data->setHorizontalSpacing(6);
  data->setVerticalSpacing(3);
  data->setColumnMinimumWidth(1, 10);
  int row = 0;
  const auto heading = [&](QLabel** label, const char* name) {
    *label = Heading(page, name, kHeadingBlue);
    if (row > 0) data->setRowMinimumHeight(row++, 6);
    data->addWidget(*label, row++, 0, 1, 4);
  };
  const auto entry = [&](QLabel** caption, const char* captionName, QLineEdit** field,
                         const char* fieldName, int maxLength, QLabel** unit, const char* unitName) {
    *caption = NamedLabel(page, captionName, Qt::AlignLeft | Qt::AlignVCenter);
    *field = NamedEdit(page, fieldName, maxLength);
    (*field)->setFixedWidth(72);
    (*field)->setAlignment(Qt::AlignRight);
    data->addWidget(*caption, row, 0);
    data->addWidget(*field, row, 2);
    if (unit) {
      *unit = NamedLabel(page, unitName);
      data->addWidget(*unit, row, 3);
    }
    ++row;
  };
  heading(&Label41, "Label41");
  entry(&Label1, "Label1", &A101, "A101", 6, &Label12, "Label12");
  entry(&Label2, "Label2", &A102, "A102", 6, &Label13, "Label13");
  entry(&Label3, "Label3", &A103, "A103", 6, &Label14, "Label14");
  entry(&FLD01A, "FLD01A", &A104, "A104", 6, &Currency_label2, "Currency_label2");
  heading(&Label42, "Label42");
  entry(&FLD02A, "FLD02A", &A105, "A105", 8, &Power_Label, "Power_Label");
  entry(&FLD03A, "FLD03A", &A106, "A106", 6, &Label17, "Label17");
  // Drive efficiency: kept and stored, never shown; the computation reads VFDE instead.
  entry(&FLD04A, "FLD04A", &A107, "A107", 6, &Label18, "Label18");
  DRIVEEFF = NamedLabel(page, "DRIVEEFF");
  for (QWidget* w : std::initializer_list<QWidget*>{FLD04A, A107, Label18, DRIVEEFF}) w->hide();
  heading(&Label43, "Label43");
  entry(&FLD05A, "FLD05A", &A108, "A108", 6, &CompanyIncentiveLabel, "CompanyIncentiveLabel");
  heading(&Label46, "Label46");
  entry(&FLD06A, "FLD06A", &A109, "A109", 6, nullptr, nullptr);
  Currency_label = NamedLabel(page, "Currency_label", Qt::AlignRight | Qt::AlignVCenter);
  data->addWidget(Currency_label, row - 1, 1);
  data->setColumnStretch(0, 1);
  data->setColumnMinimumWidth(3, 60);

  // Duty cycle on the right: ten rows, the total and the small chart.
  auto* duty = Panel(page, "DutyPanel");
  Label39 = Heading(duty, "Label39", Qt::black);
  HDR05A = NamedLabel(duty, "HDR05A", Qt::AlignRight | Qt::AlignVCenter);
  HDR07A = NamedLabel(duty, "HDR07A", Qt::AlignRight | Qt::AlignVCenter);
  SetBold(HDR05A);
  SetBold(HDR07A);
  auto* rows = new QGridLayout;
  rows->setHorizontalSpacing(6);
  rows->setVerticalSpacing(1);
  rows->addWidget(HDR05A, 0, 0);
  rows->addWidget(HDR07A, 0, 1, 1, 2);
  QLabel** flowLabels[10] = {&Label29, &Label30, &Label37, &Label31, &Label32,
                             &Label33, &Label34, &Label35, &Label36, &Label38};
  const char* flowNames[10] = {"Label29", "Label30", "Label37", "Label31", "Label32",
                               "Label33", "Label34", "Label35", "Label36", "Label38"};
  QLineEdit** dutyEntries[10] = {&A110, &A111, &A112, &A113, &A114,
                                 &A115, &A116, &A117, &A118, &A119};
  for (int i = 0; i < 10; ++i) {
    *flowLabels[i] = NamedLabel(duty, flowNames[i], Qt::AlignRight | Qt::AlignVCenter);
    const QByteArray name = "A1" + QByteArray::number(10 + i);
    *dutyEntries[i] = NamedEdit(duty, name.constData(), 6);
    (*dutyEntries[i])->setFixedWidth(46);
    (*dutyEntries[i])->setAlignment(Qt::AlignRight);
    QLabel* percent = NamedLabel(duty, ("PCT" + name).constData());
    percent->setText(QStringLiteral("%"));
    rows->addWidget(*flowLabels[i], i + 1, 0);
    rows->addWidget(*dutyEntries[i], i + 1, 1);
    rows->addWidget(percent, i + 1, 2);
  }
  Label49 = NamedLabel(duty, "Label49", Qt::AlignRight | Qt::AlignVCenter);
  rows->addWidget(Label49, 11, 1, 1, 2);
  Label50 = NamedLabel(duty, "Label50", Qt::AlignRight | Qt::AlignTop);
  Label50->setWordWrap(true);
  SetBold(Label50);
  rows->addWidget(Label50, 12, 0, 1, 3);

  DutyChart = new DutyChartView(duty);
  DutyChart->setMinimumSize(220, 200);
  BitBtn19 = NamedButton(duty, "BitBtn19");
  BitBtn19->setAutoDefault(true);

  auto* dutyColumn = new QVBoxLayout;
  dutyColumn->addLayout(rows);
  dutyColumn->addStretch();
  auto* chartColumn = new QVBoxLayout;
  chartColumn->addWidget(DutyChart, 1);
  chartColumn->addWidget(BitBtn19, 0, Qt::AlignRight);
  auto* dutyBody = new QHBoxLayout;
  dutyBody->addLayout(dutyColumn);
  dutyBody->addSpacing(6);
  dutyBody->addLayout(chartColumn, 1);
  auto* dutyLayout = new QVBoxLayout(duty);
  dutyLayout->setContentsMargins(8, 6, 8, 6);
  dutyLayout->addWidget(Label39);
  dutyLayout->addLayout(dutyBody, 1);

  auto* left = new QVBoxLayout;
  left->addWidget(LOGO2);
  left->addSpacing(4);
  left->addLayout(data);
  left->addStretch();
  auto* body = new QHBoxLayout;
  body->addLayout(left, 10);
  body->addSpacing(10);
  body->addWidget(duty, 11);

  ESCCANCEL = NamedButton(page, "ESCCANCEL");
  Help = NamedButton(page, "Help");
  BitBtn2 = NamedButton(page, "BitBtn2");
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 6, 8, 6);
  v->addLayout(body, 1);
  v->addWidget(ButtonRow(ESCCANCEL, {Help}, BitBtn2));
  continueButtons_[1] = BitBtn2;
  backButtons_[1] = ESCCANCEL;

  entries_ = {A101, A102, A103, A104, A105, A106, A107, A108, A109, A110,
              A111, A112, A113, A114, A115, A116, A117, A118, A119};
}

void TFANFORM::BuildResultsPage() {
  cxTabSheet3 = new QWidget;
  cxTabSheet3->setObjectName("cxTabSheet3");
  PageControl1->addTab(cxTabSheet3, QString());
  QWidget* page = cxTabSheet3;

  LOGO3 = Logo(page, "LOGO3");
  FLOWM = NamedLabel(page, "FLOWM");
  SetTextColour(FLOWM, Qt::red);
  SetBold(FLOWM);
  {
    QFont f = FLOWM->font();
    f.setPointSize(10);
    FLOWM->setFont(f);
  }
  auto* top = new QHBoxLayout;
  top->addWidget(LOGO3);
  top->addSpacing(8);
  top->addWidget(FLOWM, 1);

  // Annual cost: four slots on the left, the custom controls on the right.
  Panel13 = Panel(page, "Panel13");
  Panel14 = Panel(Panel13, "Panel14", true);
  HDR02A = Heading(Panel14, "HDR02A", Qt::black);
  auto* header14 = new QHBoxLayout(Panel14);
  header14->setContentsMargins(6, 2, 6, 2);
  header14->addWidget(HDR02A);
  QPushButton** buttons[6] = {&LINE1, &LINE2, &LINE3, &LINE4, &LINECUSTOM1, &LINECUSTOM2};
  QLabel** values[6] = {&VAL1, &VAL2, &VAL3, &VAL4, &VALCUSTOM1, &VALCUSTOM2};
  const char* buttonNames[6] = {"LINE1", "LINE2", "LINE3", "LINE4", "LINECUSTOM1", "LINECUSTOM2"};
  const char* valueNames[6] = {"VAL1", "VAL2", "VAL3", "VAL4", "VALCUSTOM1", "VALCUSTOM2"};
  auto* costs = new QGridLayout;
  costs->setHorizontalSpacing(8);
  costs->setVerticalSpacing(3);
  for (int slot = 0; slot < 6; ++slot) {
    *buttons[slot] = NamedButton(Panel13, buttonNames[slot]);
    (*buttons[slot])->setFixedWidth(230);
    (*buttons[slot])->setAutoDefault(true);
    *values[slot] = NamedLabel(Panel13, valueNames[slot], Qt::AlignRight | Qt::AlignVCenter);
    (*values[slot])->setMinimumWidth(95);
    SetBold(*values[slot]);
    const int column = slot < 4 ? 0 : 3;
    const int line = slot < 4 ? slot : slot - 4;
    costs->addWidget(*buttons[slot], line, column);
    costs->addWidget(*values[slot], line, column + 1);
    costButtons_[slot] = *buttons[slot];
    costValues_[slot] = *values[slot];
  }
  LINECUSTOM1->hide();
  LINECUSTOM2->hide();
  Label61 = NamedLabel(Panel13, "Label61");
  Label61->setWordWrap(true);
  SetTextColour(Label61, kNavy);
  costs->addWidget(Label61, 2, 3, 2, 2);
  costs->setColumnMinimumWidth(2, 20);
  costs->setColumnStretch(2, 1);
  auto* costLayout = new QVBoxLayout(Panel13);
  costLayout->setContentsMargins(0, 0, 0, 4);
  costLayout->addWidget(Panel14);
  auto* costBody = new QHBoxLayout;
  costBody->setContentsMargins(6, 2, 6, 0);
  costBody->addLayout(costs);
  costLayout->addLayout(costBody);

  // Savings and payback side by side below.
  const auto slotPanel = [&](QFrame** panel, const char* panelName, QFrame** header,
                             const char* headerName, std::array<QLabel*, 5>& names,
                             const char* namePrefix, std::array<QLabel*, 5>& amounts,
                             const char* amountPrefix) {
    *panel = Panel(page, panelName);
    *header = Panel(*panel, headerName, true);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(2);
    for (int k = 0; k < 5; ++k) {
      const QByteArray suffix = QByteArray::number(k + 1);
      names[k] = NamedLabel(*panel, (namePrefix + suffix).constData());
      amounts[k] = NamedLabel(*panel, (amountPrefix + suffix).constData(),
                              Qt::AlignRight | Qt::AlignVCenter);
      SetBold(amounts[k]);
      grid->addWidget(names[k], k, 0);
      grid->addWidget(amounts[k], k, 1);
    }
    grid->setColumnStretch(0, 1);
    auto* v = new QVBoxLayout(*panel);
    v->setContentsMargins(0, 0, 0, 2);
    v->addWidget(*header);
    v->addLayout(grid);
    v->addStretch();
  };
  slotPanel(&Panel19, "Panel19", &Panel20, "Panel20", CONTROL, "CONTROL", VALUE, "VALUE");
  Label64 = NamedLabel(Panel20, "Label64");
  SetTextColour(Label64, kNavy);
  SetBold(Label64);
  auto* header20 = new QVBoxLayout(Panel20);
  header20->setContentsMargins(6, 2, 6, 2);
  header20->addWidget(Label64);

  slotPanel(&Panel15, "Panel15", &Panel18, "Panel18", PAYBACK, "PAYBACK", PAYBACKVALUE,
            "PAYBACKVALUE");
  HDR08AA = NamedLabel(Panel18, "HDR08AA");
  HDR09A = NamedLabel(Panel18, "HDR09A");
  for (QLabel* l : {HDR08AA, HDR09A}) SetTextColour(l, kNavy);
  SetBold(HDR08AA);
  auto* header18 = new QVBoxLayout(Panel18);
  header18->setContentsMargins(6, 2, 6, 2);
  header18->setSpacing(0);
  header18->addWidget(HDR08AA);
  header18->addWidget(HDR09A);
  // Both headers get the height of the two-line one, so the slot rows line up.
  Panel20->setMinimumHeight(Panel18->sizeHint().height());
  for (QFrame* header : {Panel14, Panel18, Panel20})
    header->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Panel19, 1);
  bottom->addSpacing(8);
  bottom->addWidget(Panel15, 1);

  // Captions the report takes from this page; never shown here.
  HDR03A = NamedLabel(page, "HDR03A");
  HDR08A = NamedLabel(page, "HDR08A");
  PAGELBL01A = NamedLabel(page, "PAGELBL01A");
  for (QLabel* l : {HDR03A, HDR08A, PAGELBL01A}) l->hide();

  BitBtn6 = NamedButton(page, "BitBtn6");
  BitBtn7 = NamedButton(page, "BitBtn7");
  BitBtn8 = NamedButton(page, "BitBtn8");
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 6, 8, 6);
  v->addLayout(top);
  v->addSpacing(4);
  v->addWidget(Panel13);
  v->addSpacing(6);
  v->addLayout(bottom);
  v->addStretch();
  v->addWidget(ButtonRow(BitBtn6, {BitBtn7}, BitBtn8));
  continueButtons_[2] = BitBtn8;
  backButtons_[2] = BitBtn6;
}

void TFANFORM::BuildGraphsPage() {
  cxTabSheet4 = new QWidget;
  cxTabSheet4->setObjectName("cxTabSheet4");
  PageControl1->addTab(cxTabSheet4, QString());
  QWidget* page = cxTabSheet4;

  Charts = new ChartsPage(chartStyle_, page);
  // The tab page carries the page's name; the hosted widget gets its own.
  Charts->setObjectName("ChartsPage");
  BitBtn11 = NamedButton(page, "BitBtn11");
  BitBtn12 = NamedButton(page, "BitBtn12");
  BitBtn13 = NamedButton(page, "BitBtn13");
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(2, 2, 2, 6);
  v->addWidget(Charts, 1);
  QWidget* buttons = ButtonRow(BitBtn11, {BitBtn12}, BitBtn13);
  buttons->setContentsMargins(6, 0, 6, 0);
  v->addWidget(buttons);
  continueButtons_[3] = BitBtn13;
  backButtons_[3] = BitBtn11;
}

void TFANFORM::BuildReportPage() {
  cxTabSheet5 = new QWidget;
  cxTabSheet5->setObjectName("cxTabSheet5");
  PageControl1->addTab(cxTabSheet5, QString());
  QWidget* page = cxTabSheet5;

  LOGO5 = Logo(page, "LOGO5");
  ExportSelection = new QComboBox(page);
  ExportSelection->setObjectName("ExportSelection");
  ExportSelection->setMinimumWidth(230);
  auto* actions = new QGridLayout;
  actions->setHorizontalSpacing(12);
  actions->setVerticalSpacing(10);
  const auto action = [&](int line, QLabel** heading, const char* headingName,
                          QLabel** description, const char* descriptionName, QPushButton** go,
                          const char* goName, QWidget* extra) {
    *heading = Heading(page, headingName, kHeadingBlue);
    *description = NamedLabel(page, descriptionName);
    (*description)->setWordWrap(true);
    *go = NamedButton(page, goName);
    (*go)->setFixedSize(110, 40);
    (*go)->setAutoDefault(true);
    SetBold(*go);
    auto* text = new QVBoxLayout;
    text->setSpacing(3);
    text->addWidget(*heading);
    text->addWidget(*description);
    if (extra) text->addWidget(extra, 0, Qt::AlignLeft);
    text->addStretch();
    actions->addLayout(text, line, 0);
    actions->addWidget(*go, line, 1, Qt::AlignTop);
  };
  action(0, &Label233, "Label233", &Label239, "Label239", &BitBtn28, "BitBtn28", nullptr);
  action(1, &Label235, "Label235", &Label240, "Label240", &BitBtn25, "BitBtn25", nullptr);
  action(2, &Label237, "Label237", &Label241, "Label241", &BitBtn27, "BitBtn27",
         ExportSelection);
  action(3, &Label242, "Label242", &Label245, "Label245", &BitBtn33, "BitBtn33", nullptr);
  actions->setColumnStretch(0, 1);

  BitBtn3 = NamedButton(page, "BitBtn3");
  BitBtn10 = NamedButton(page, "BitBtn10");
  BitBtn14 = NamedButton(page, "BitBtn14");
  BitBtn15 = NamedButton(page, "BitBtn15");
  auto* top = new QHBoxLayout;
  top->addWidget(LOGO5);
  top->addStretch();
  auto* v = new QVBoxLayout(page);
  v->setContentsMargins(8, 6, 8, 6);
  v->addLayout(top);
  v->addLayout(actions);
  v->addStretch();
  v->addWidget(ButtonRow(BitBtn3, {BitBtn10, BitBtn14}, BitBtn15));
  continueButtons_[4] = nullptr;
  backButtons_[4] = BitBtn3;
}

}  // namespace wattora
