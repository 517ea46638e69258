#pragma once
// The configuration dialog: preferences, efficiency multipliers, custom controls, report layout.
// Its widgets mirror ws.configFields; the settings operations work on that plain state.
#include <QDialog>
#include <array>
#include <string>

#include "core/services.h"
#include "core/workspace.h"
#include "persistence/settings_operations.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace wattora {

class TCLG;

class TMULTIP : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPageCount = 4;
  static constexpr int kMultilineLimit = 240;

  TMULTIP(Workspace& ws, SettingsOperations& operations, Messages& messages, Platform& platform,
          QWidget* parent = nullptr);

  // Modal; `page` counts 1..4. Returns the QDialog result (Accepted only after OK).
  int ShowOnPage(int page);
  // Modal, on the page the dialog was last left on (the main window's setup command).
  int ShowOnCurrentPage();
  int CurrentPage() const;  // 1..4
  void SetPage(int page);

  // The one pair that binds the widgets to ws.configFields.
  void StoreFields();  // widgets -> configFields
  void ShowFields();   // configFields -> widgets

  // The multiplier field bound to parameter 20..70, or the field of curve/point.
  QLineEdit* MultiplierField(int parameter) const;
  QLineEdit* CurveField(Curve curve, int point) const;
  TCLG* LogoPicker() const { return logoPicker_; }

  // Bottom bar.
  QTabWidget* cxPageControl1;
  QPushButton* GoBack_button;
  QPushButton* NextButton;
  QPushButton* cancel_button;
  QPushButton* SelectBtn;

  // Page 1.
  QWidget* cxTabSheet1;
  QCheckBox *L1, *L2, *L3, *L4, *L5, *L6, *L7;
  QGroupBox* Units;
  QRadioButton *KW, *HP;
  QGroupBox* Currency;
  QRadioButton *CUR001, *CUR002, *CUR003, *CUR004;
  QLineEdit* CURRCUSTOM;
  QLabel* UNITNOTE;

  // Page 2.
  QWidget* cxTabSheet2;
  QPushButton* BitBtn20;
  QLineEdit *VFDE100, *VFDE90, *VFDE80, *VFDE70, *VFDE60, *VFDE50, *VFDE40, *VFDE30, *VFDE20,
      *VFDE10;
  QLineEdit *DE100, *DE90, *DE80, *DE70, *DE60, *DE50, *DE40, *DE30, *DE20, *DE10;
  QLineEdit *IVE100, *IVE90, *IVE80, *IVE70, *IVE60, *IVE50, *IVE40, *IVE30, *IVE20, *IVE10;
  QLineEdit *VAE100, *VAE90, *VAE80, *VAE70, *VAE60, *VAE50, *VAE40, *VAE30, *VAE20, *VAE10;
  QCheckBox *DAMPERSELECT, *INLETVANESELECT, *VALVESELECT;

  // Page 3.
  QWidget* cxTabSheet3;
  QCheckBox *CUST1SELECT, *CUST2SELECT;
  QLineEdit *CustomTitle1, *CustomTitle2;
  QLineEdit *C1E100, *C1E90, *C1E80, *C1E70, *C1E60, *C1E50, *C1E40, *C1E30, *C1E20, *C1E10;
  QLineEdit *C2E100, *C2E90, *C2E80, *C2E70, *C2E60, *C2E50, *C2E40, *C2E30, *C2E20, *C2E10;
  QComboBox *CST01, *CST02;

  // Page 4.
  QWidget* cxTabSheet4;
  QPlainTextEdit* CompanyInfo;
  QPlainTextEdit* PRBY;
  QLineEdit* LOGOFILEN;
  QPushButton* VIEWLOGO;
  QLineEdit *Closing_Line1, *Closing_Line2;

  // Handlers, public so the owning windows and tests can run them as the buttons do.
  void FormShow();
  void MULTEXIT(QLineEdit* field);
  void GoBack_buttonClick();
  void NextButtonClick();
  void SelectBtnClick();
  void BitBtn20Click();
  void VIEWLOGOClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 public slots:
  void done(int result) override;

 private:
  void BuildPreferencesPage();
  void BuildEfficiencyPage();
  void BuildCustomPage();
  void BuildReportPage();
  void BuildBottomBar(QWidget* bar);
  QLineEdit* NewMultiplierField(QWidget* parent, Curve curve, int point);
  bool MULTkeyPress(const QString& typed) const;
  void CheckPendingField();
  void LoseActivation();
  void UpdateNavigation();
  void EnableUnitsAndCurrency(bool enabled);
  int BoundParameter(const QLineEdit* field) const;

  Workspace& ws_;
  SettingsOperations& operations_;
  Messages& messages_;
  Platform& platform_;
  TCLG* logoPicker_ = nullptr;
  QButtonGroup* currencyGroup_ = nullptr;
  std::array<std::array<QLineEdit*, kFlowPoints>, kCurveCount> curveFields_{};
  std::array<QCheckBox*, 7> reportBoxes_{};
  std::string logoFileAtShow_;
  bool confirmed_ = false;
};

}  // namespace wattora
