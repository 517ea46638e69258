#pragma once
// Moves preferences and curves between the store, the in-memory records, the configuration
// dialog's fields and parameters 20..72.
#include "core/workspace.h"
#include "persistence/settings_store.h"

namespace wattora {

class SettingsOperations {
 public:
  SettingsOperations(SettingsStore& store, Workspace& workspace)
      : store_(store), ws_(workspace) {}

  void Load_OPT2();  // start-up load
  void Load_OPT();   // reload after a project is read and before the dialog is shown
  void Save_Opt();
  void SET_DEFAULT();
  void Set_Fields(int direction);  // 0: parameters to fields, 1: fields to parameters

  // The dialog reads the two report blocks itself each time it is shown.
  SettingsStore& Store() { return store_; }

 private:
  void ReadMultipliers();
  void ReadSelectionFlags();
  void ReadReportTexts();
  void ReadReportFlags();
  void ReadUserBlocks();
  void ReadUnitsAndCurrency();
  void ShowCurvesInFields();

  SettingsStore& store_;
  Workspace& ws_;
};

// Curve value names in the store: VFDE100, VFDE90 ... C2E10.
std::string MultiplierName(Curve curve, int point);

}  // namespace wattora
