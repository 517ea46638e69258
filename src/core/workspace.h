#pragma once
// The process-wide records, owned by one object that main() creates and hands to every window.
#include <array>
#include <string>

#include "core/comparison.h"
#include "core/estimate.h"
#include "core/parameters.h"
#include "core/settings.h"

namespace wattora {

// The configuration dialog's field state, as the settings operations read and write it.
struct ConfigFields {
  std::array<std::array<std::string, kFlowPoints>, kCurveCount> curveText;  // VFDE100 .. C2E10
  int cst01 = 0, cst02 = 0;  // selected item of the hidden lists
  bool cust1Select = false, cust2Select = false;
  std::string customTitle1, customTitle2;
  bool damper = false, inletVane = false, valve = false;  // hidden boxes
  std::array<bool, 7> reportFlags{};                         // L1 .. L7
  bool kw = true;                                            // KW checked, else HP
  int currencyButton = -1;                                   // CUR001..CUR004 as 0..3, -1 none
  std::string currCustom = "-";
  std::string logoFile;
  std::string closingLine1, closingLine2;
  std::string preparedBy, companyInfo;  // multi-line, "\n" between lines

  ConfigFields() {
    for (auto& curve : curveText) curve.fill("1");
  }
  // The field bound to parameter 20..70.
  std::string& CurveFieldOf(int parameter);
};

// The ten customer-information fields of the estimation window, in project-file order.
enum CustomerField { PREPFOR, Titlefor, Companyfor, AddressFor, ZipFor, CountryFor, Telfor,
                     Faxfor, EmailFor, PROJECTNAME };
using CustomerInfo = std::array<std::string, 10>;

struct ProjectState {
  bool active = false;
  ApplicationType application = ApplicationType::Fan;
  bool modified = false;
  std::string fileName;
};

struct Workspace {
  explicit Workspace(FatalErrorSink& sink) : parameters(sink) {}

  ParameterTable parameters;
  EfficiencyCurves curves;
  ProgramSettings settings;
  EnergyEstimate estimate;
  ProjectState project;
  CustomerInfo customer;
  ConfigFields configFields;
  double kwPerPowerUnit = 1.0;
  int chartStyle = 1;
  Separators separators;
  std::string programFolder;
  std::string temporaryFolder;
};

// The nineteen entry texts as the estimation window shows them when it is filled from the table.
EstimateInputs InputsFromParameters(const ParameterTable& table, const EfficiencyCurves& curves,
                                    double kwPerPowerUnit, const Separators& separators);

}  // namespace wattora
