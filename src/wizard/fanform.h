#pragma once
// The estimation window: five pages from the customer to the report, walked with Continue and
// Go Back or by tab, all behind the duty-cycle gate.
#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "charts/chartmodel.h"
#include "core/estimate.h"
#include "core/services.h"
#include "core/workspace.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace wattora {

class ChartsPage;
class DutyChartView;
class LinkLabel;
class TCALCREP;

class TFANFORM : public QDialog {
  Q_OBJECT

 public:
  // What the window needs from the main window.
  struct Hooks {
    std::function<void()> updateStatusPanels;
    std::function<void(const std::string& topic)> getHelp;
    // Opens the configuration dialog modally on page 1 (NOTE3) or 4 (BitBtn18).
    std::function<void(int page)> showConfiguration;
    // The main window's Save command.
    std::function<void()> saveEstimation;
  };

  TFANFORM(Workspace& ws, Messages& messages, Platform& platform, Hooks hooks,
           QWidget* parent = nullptr);
  ~TFANFORM() override;

  // A new project: parameters 1-19 to their defaults, the customer fields emptied.
  void set_default_values();

  // Window flow
  void FormShow();
  void FormActivate();
  void FormDeactivate();
  void CONTINUECLICK();
  void GOBACKCLICK();
  void PageControl1Change(int index);
  void BitBtn14Click();  // Save Estimation
  void BitBtn20Click();  // reset customer information
  void NOTE3Click();
  void BitBtn18Click();
  void ShowCustomerNote();

  // System data
  void BindParameterControls();
  void INITIALIZE_EDIT(QLineEdit* field, int direction);
  void set_fields(int direction);
  bool KEYLOCK(QLineEdit* field, const QString& typed) const;  // true: the key is discarded
  void CheckRange(QLineEdit* field);
  bool CheckDutyCycle();
  void ShowDutyTotal();
  void RefreshEstimate();
  void BitBtn19Click();  // reset duty cycle
  void ShowUnitLabels();

  // Results
  void ShowEstimateResults(ApplicationType application);
  void CostButtonClick(int slot);  // slot 0..5
  void OpenCalculationOverview(int methodCode);
  // The method whose action the cost slot carries after the last display.
  std::optional<ControlMethod> CostSlotMethod(int slot) const { return costMethods_[slot]; }

  // The inputs as the last duty sum left them (entry texts, duty texts).
  const EstimateInputs& Inputs() const { return inputs_; }
  QLineEdit* Entry(int parameter) const { return entries_.at(parameter - 1); }
  TCALCREP* CalculationOverview() const { return calcrep_; }
  bool Created() const { return created_; }

  QTabWidget* PageControl1;
  QWidget* cxTabSheet1;
  QWidget* cxTabSheet2;
  QWidget* cxTabSheet3;
  QWidget* cxTabSheet4;
  QWidget* cxTabSheet5;

  // Page 0: customer information
  QLabel* LOGO1;
  QLabel* PICTURE1;
  QLabel* PROJECTNM01A;
  QLineEdit* PROJECTNAME;
  QLabel* Label56;
  QLabel* Label48;
  QLineEdit* Companyfor;
  QLabel* Label40;
  QLineEdit* PREPFOR;
  QLabel* Label47;
  QLineEdit* Titlefor;
  QLabel* Label51;
  QLineEdit* AddressFor;
  QLabel* Label52;
  QLineEdit* ZipFor;
  QLabel* Label57;
  QLineEdit* CountryFor;
  QLabel* Label53;
  QLineEdit* Telfor;
  QLabel* Label54;
  QLineEdit* Faxfor;
  QLabel* Label58;
  QLineEdit* EmailFor;
  QLabel* Label59;
  QPushButton* BitBtn18;
  QPushButton* BitBtn20;
  QLabel* NOTE1;
  QLabel* NOTE2;
  LinkLabel* NOTE3;
  QPushButton* BitBtn1;
  QPushButton* BitBtn4;
  QPushButton* BitBtn5;

  // Page 1: system data and duty cycle
  QLabel* LOGO2;
  QLabel* Label41;
  QLabel* Label1;
  QLineEdit* A101;
  QLabel* Label12;
  QLabel* Label2;
  QLineEdit* A102;
  QLabel* Label13;
  QLabel* Label3;
  QLineEdit* A103;
  QLabel* Label14;
  QLabel* FLD01A;
  QLineEdit* A104;
  QLabel* Currency_label2;
  QLabel* Label42;
  QLabel* FLD02A;
  QLineEdit* A105;
  QLabel* Power_Label;
  QLabel* FLD03A;
  QLineEdit* A106;
  QLabel* Label17;
  QLabel* FLD04A;
  QLineEdit* A107;
  QLabel* Label18;
  QLabel* DRIVEEFF;
  QLabel* Label43;
  QLabel* FLD05A;
  QLineEdit* A108;
  QLabel* CompanyIncentiveLabel;
  QLabel* Label46;
  QLabel* FLD06A;
  QLabel* Currency_label;
  QLineEdit* A109;
  QLabel* Label39;
  QLabel* HDR05A;
  QLabel* HDR07A;
  QLabel* Label29;
  QLabel* Label30;
  QLabel* Label37;
  QLabel* Label31;
  QLabel* Label32;
  QLabel* Label33;
  QLabel* Label34;
  QLabel* Label35;
  QLabel* Label36;
  QLabel* Label38;
  QLineEdit* A110;
  QLineEdit* A111;
  QLineEdit* A112;
  QLineEdit* A113;
  QLineEdit* A114;
  QLineEdit* A115;
  QLineEdit* A116;
  QLineEdit* A117;
  QLineEdit* A118;
  QLineEdit* A119;
  QLabel* Label49;
  QLabel* Label50;
  DutyChartView* DutyChart;
  QPushButton* BitBtn19;
  QPushButton* ESCCANCEL;
  QPushButton* Help;
  QPushButton* BitBtn2;

  // Page 2: energy estimation
  QLabel* LOGO3;
  QLabel* FLOWM;
  QFrame* Panel13;
  QFrame* Panel14;
  QLabel* HDR02A;
  QPushButton* LINE1;
  QPushButton* LINE2;
  QPushButton* LINE3;
  QPushButton* LINE4;
  QPushButton* LINECUSTOM1;
  QPushButton* LINECUSTOM2;
  QLabel* VAL1;
  QLabel* VAL2;
  QLabel* VAL3;
  QLabel* VAL4;
  QLabel* VALCUSTOM1;
  QLabel* VALCUSTOM2;
  QLabel* Label61;
  QFrame* Panel19;
  QFrame* Panel20;
  QLabel* Label64;
  std::array<QLabel*, 5> CONTROL{};  // CONTROL1 .. CONTROL5
  std::array<QLabel*, 5> VALUE{};    // VALUE1 .. VALUE5
  QFrame* Panel15;
  QFrame* Panel18;
  QLabel* HDR08AA;
  QLabel* HDR09A;
  std::array<QLabel*, 5> PAYBACK{};       // PAYBACK1 .. PAYBACK5
  std::array<QLabel*, 5> PAYBACKVALUE{};  // PAYBACKVALUE1 .. PAYBACKVALUE5
  QLabel* HDR03A;
  QLabel* HDR08A;
  QLabel* PAGELBL01A;
  QPushButton* BitBtn6;
  QPushButton* BitBtn7;
  QPushButton* BitBtn8;

  // Page 3: energy graphs
  ChartsPage* Charts;
  QPushButton* BitBtn11;
  QPushButton* BitBtn12;
  QPushButton* BitBtn13;

  // Page 4: report
  QLabel* LOGO5;
  QLabel* Label233;
  QLabel* Label239;
  QPushButton* BitBtn28;
  QLabel* Label235;
  QLabel* Label240;
  QPushButton* BitBtn25;
  QLabel* Label237;
  QLabel* Label241;
  QComboBox* ExportSelection;
  QPushButton* BitBtn27;
  QLabel* Label242;
  QLabel* Label245;
  QPushButton* BitBtn33;
  QPushButton* BitBtn3;
  QPushButton* BitBtn10;
  QPushButton* BitBtn14;
  QPushButton* BitBtn15;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildPages();
  void BuildCustomerPage();
  void BuildSystemDataPage();
  void BuildResultsPage();
  void BuildGraphsPage();
  void BuildReportPage();
  QWidget* ButtonRow(QPushButton* left, std::initializer_list<QPushButton*> middle,
                     QPushButton* right);
  void ConnectHandlers();
  void BalanceNote();

  void GoToPage(int index);
  void SelectDefaultButton(int index);
  QPushButton* CancelButtonOf(int index) const;
  void LeaveFocusedEntry();
  void MarkModified();
  void CustomerFieldEdited(int field, const QString& text);
  void SetCustomerField(int field, const QString& text);
  void ShowCustomerFields();
  int DutySum();
  void SetCaptionForApplication();
  void ShowHelp(const char* topic);
  void SyncChartStyle();
  void Fatal(MessageKind kind, const std::string& text, MessageButtons buttons);

  Workspace& ws_;
  Messages& messages_;
  Platform& platform_;
  Hooks hooks_;
  const TextTable& texts_;
  TCALCREP* calcrep_ = nullptr;
  ChartStyle chartStyle_ = ChartStyle::VerticalBar;

  std::array<QLineEdit*, 19> entries_{};
  std::array<QLineEdit*, 10> customerFields_{};  // in CustomerField order
  std::array<QPushButton*, 6> costButtons_{};
  std::array<QLabel*, 6> costValues_{};
  std::array<std::optional<ControlMethod>, 6> costMethods_{};
  std::array<QPushButton*, 5> continueButtons_{};  // page 4 has none
  std::array<QPushButton*, 5> backButtons_{};

  EstimateInputs inputs_;
  bool created_ = false;
  bool switching_ = false;  // page changes made by the window itself are not tab clicks
};

}  // namespace wattora
