#pragma once
// The calculation overview: one control method of the last estimate, flow point by flow point.
#include <QDialog>

#include <array>
#include <functional>
#include <string>

#include "core/workspace.h"

class QLabel;
class QPushButton;

namespace wattora {

class TCALCREP : public QDialog {
  Q_OBJECT

 public:
  using HelpFunction = std::function<void(const std::string& topic)>;

  // Reads the estimate and the currency of `ws` at every showing; computes nothing.
  TCALCREP(const Workspace& ws, HelpFunction getHelp, QWidget* parent = nullptr);

  // What the results page hands over before the modal show: application code (1 fan, 2 pump),
  // OverviewMethodCode (1..5), the duty texts as the duty check cut them and the power unit
  // caption of the estimation window.
  void SetRequest(int application, int methodCode, const std::array<std::string, 10>& dutyText,
                  const QString& powerUnitCaption);

  int Application() const { return application_; }
  int MethodCode() const { return methodCode_; }

  void FormShow();
  void FillCalculationOverview(int application, int code);

  // Header band
  QLabel* HDRMEDIUM;  // AIR / LIQUID
  QLabel* HDRTIME;
  QLabel* HDROPER;
  QLabel* HDRX1A;
  QLabel* HDRX1B;
  QLabel* HDRFLOW;
  QLabel* HDRPCT;
  QLabel* HDRHRS;
  QLabel* HDRSHAFT;  // shaft-power title with the power unit
  QLabel* HDRCPH;
  QLabel* HDROC;
  // Table band; index 0 is the 100 % row (Ap10, HRY10 ...), index 9 the 10 % row.
  std::array<QLabel*, 10> FLOW{};
  std::array<QLabel*, 10> Ap{};
  std::array<QLabel*, 10> HRY{};
  std::array<QLabel*, 10> SHP{};
  std::array<QLabel*, 10> CPH{};
  std::array<QLabel*, 10> OC{};
  // Totals band
  QLabel* TOTALLBL;
  QLabel* TOTPCT;
  QLabel* TOTHOUR;
  QLabel* TOTALCOST;
  // Buttons
  QPushButton* GOBACK;
  QPushButton* HELPBTN;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const Workspace& ws_;
  HelpFunction getHelp_;
  int application_ = 0;
  int methodCode_ = 0;
  std::array<std::string, 10> dutyText_{};
  QString powerUnitCaption_;
};

}  // namespace wattora
