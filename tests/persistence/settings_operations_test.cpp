#include "persistence/settings_operations.h"

#include <gtest/gtest.h>

#include "temp_config.h"

namespace wattora {
namespace {

using testing::TempFolder;
using testing::TestWorkspace;

class SettingsOperationsTest : public ::testing::Test {
 protected:
  std::string StorePath() const { return tmp.Path("VT/NRV/SETUP.ini"); }
  void Start(Separators seps = Separators::Dot()) {
    t = std::make_unique<TestWorkspace>(seps);
    store = std::make_unique<SettingsStore>(StorePath());
    ops = std::make_unique<SettingsOperations>(*store, t->ws);
    ops->Load_OPT2();
  }
  Workspace& ws() { return t->ws; }

  TempFolder tmp;
  std::unique_ptr<TestWorkspace> t;
  std::unique_ptr<SettingsStore> store;
  std::unique_ptr<SettingsOperations> ops;
};

TEST_F(SettingsOperationsTest, FirstStartCompletesTheStore) {
  Start(Separators::French());
  const ConfigFields& f = ws().configFields;
  EXPECT_EQ(f.curveText[0][0], "0,970");
  EXPECT_EQ(f.curveText[1][9], "0,003");  // shown with 3 decimals
  EXPECT_EQ(f.customTitle1, "Contrôle1");
  EXPECT_EQ(f.customTitle2, "Contrôle2");
  EXPECT_EQ(ws().settings.currencySymbol, "€");
  EXPECT_EQ(ws().settings.subUnitLabel, "Cents");
  EXPECT_TRUE(ws().settings.powerUnitIsKw);
  EXPECT_EQ(ws().settings.reportFlags, (std::array<bool, 7>{true, true, false, false, false, true, false}));
  // The in-memory curves follow the fields as shown, with 3 decimals.
  EXPECT_DOUBLE_EQ(ws().curves[Curve::DE][9], 0.003);
  // Parameters now equal the stored curves.
  EXPECT_FLOAT_EQ(ws().parameters.Value(30), 0.003f);

  SettingsStore reread(StorePath());
  const char* values[][3] = {{"EFF", "VFDE10", "0,970"}, {"EFF", "C2E10", "1,000"},
                             {"EFF", "DAMPER", "0"},     {"EFF", "INLETVANE", "0"},
                             {"EFF", "VALVE", "0"},      {"EFF", "CUSTOM1", "0"},
                             {"EFF", "CUSTOM2TITLE", "Contrôle2"},
                             {"PROGRAM", "L6", "1"},     {"PROGRAM", "L7", "0"},
                             {"PROGRAM", "PS", "1"},     {"PROGRAM", "CS", "0"},
                             {"PROGRAM", "CC", "-"},     {"CUSTOMREP", "LOGOFN", ""},
                             {"CUSTOMREP", "CL2", ""},   {"USER", "CPINFO", ""}};
  for (const auto& v : values) {
    EXPECT_TRUE(reread.Has(v[0], v[1])) << v[1];
    EXPECT_EQ(reread.ReadText(v[0], v[1], "?"), v[2]) << v[1];
  }
}

TEST_F(SettingsOperationsTest, RepairsBadValues) {
  {
    SettingsStore seed(StorePath());
    seed.WriteText("EFF", "DE50", "abc");
    seed.WriteText("EFF", "IVE90", "0,950");  // saved under a comma locale
    seed.WriteText("PROGRAM", "CS", "7");
  }
  Start(Separators::French());
  EXPECT_DOUBLE_EQ(ws().curves[Curve::DE][5], 0.177);  // the default, as the field shows it
  EXPECT_DOUBLE_EQ(ws().curves[Curve::IVE][1], 0.95);
  EXPECT_EQ(ws().settings.currencySelection, 0);
  EXPECT_EQ(ws().settings.currencySymbol, "€");
  EXPECT_EQ(ws().configFields.currencyButton, 0);
  SettingsStore reread(StorePath());
  EXPECT_EQ(reread.ReadText("PROGRAM", "CS", ""), "0");
  // The reload repairs with the default text itself.
  reread.WriteText("EFF", "DE50", "abc");
  ops->Load_OPT();
  SettingsStore again(StorePath());
  EXPECT_EQ(again.ReadText("EFF", "DE50", ""), "0.1767");
}

TEST_F(SettingsOperationsTest, MissingMultipliersDoNotDependOnTheLocale) {
  // With "." as group separator the default text "0.97" would read as 97.
  Start(Separators{",", "."});
  EXPECT_DOUBLE_EQ(ws().curves.DriveEfficiency(), 0.97);
  EXPECT_EQ(ws().configFields.curveText[0][0], "0,970");
}

TEST_F(SettingsOperationsTest, ReloadTakesTheProjectCurvesAndSelections) {
  Start();
  ParameterTable& p = ws().parameters;
  p.SetValue(22, 0.5f);
  p.SetValue(20, 0.9f);
  p.SetValue(71, 0.6f);
  p.SetValue(72, 0.4f);
  ops->Load_OPT();
  EXPECT_DOUBLE_EQ(ws().curves[Curve::DE][1], 0.5);
  for (double v : ws().curves[Curve::VFDE]) EXPECT_FLOAT_EQ(static_cast<float>(v), 0.9f);
  EXPECT_TRUE(ws().settings.custom1Selected);
  EXPECT_FALSE(ws().settings.custom2Selected);
  SettingsStore reread(StorePath());
  EXPECT_EQ(reread.ReadText("EFF", "DE90", ""), "0.768");

  // The dialog cancelled after the reload keeps the project's custom control.
  ops->Set_Fields(1);
  EXPECT_EQ(ws().parameters.Value(71), 1);
  ops->Load_OPT();
  EXPECT_TRUE(ws().settings.custom1Selected);
}

TEST_F(SettingsOperationsTest, SaveFollowsTheFields) {
  Start(Separators::French());
  ConfigFields& f = ws().configFields;
  f.curveText[4][3] = "0,800";
  f.cust1Select = true;
  f.customTitle1 = "Un titre de contrôle bien trop long pour tenir";
  f.currencyButton = 3;
  f.currCustom = "CHFXYZ";
  f.preparedBy = "A\nB";
  ops->Save_Opt();
  EXPECT_DOUBLE_EQ(ws().curves[Curve::C1E][3], 0.8);
  EXPECT_EQ(ws().settings.custom1Title, "Un titre de contrôle bien trop");
  EXPECT_EQ(ws().settings.customCurrency, "CHFXY");
  EXPECT_EQ(ws().settings.currencySymbol, "CHFXYZ");
  EXPECT_EQ(ws().settings.subUnitLabel, "CHFXY/100");
  EXPECT_EQ(ws().parameters.Value(71), 1);
  EXPECT_EQ(f.cst01, 1);
  SettingsStore reread(StorePath());
  EXPECT_EQ(reread.ReadText("EFF", "C1E70", ""), "0,800");
  EXPECT_EQ(reread.ReadText("EFF", "CUSTOM1TITLE", ""), f.customTitle1);  // as entered
  EXPECT_EQ(reread.ReadText("PROGRAM", "CC", ""), "CHFXYZ");
  EXPECT_EQ(reread.ReadText("USER", "PREP", ""), "A\r\nB\r\n");
}

TEST_F(SettingsOperationsTest, ResetThenCancelLeavesTheStore) {
  {
    SettingsStore seed(StorePath());
    seed.WriteText("EFF", "DE90", "0.5");
    seed.WriteText("EFF", "CUSTOM1", "1");
  }
  Start();
  EXPECT_TRUE(ws().settings.custom1Selected);
  ops->SET_DEFAULT();
  ops->Set_Fields(1);  // the dialog loses activation after Cancel
  EXPECT_DOUBLE_EQ(ws().curves[Curve::DE][1], 0.7683);
  EXPECT_FLOAT_EQ(ws().parameters.Value(22), 0.768f);
  EXPECT_EQ(ws().parameters.Value(71), 0);
  EXPECT_TRUE(ws().configFields.customTitle1.empty());
  SettingsStore reread(StorePath());
  EXPECT_EQ(reread.ReadText("EFF", "DE90", ""), "0.500");
  EXPECT_EQ(reread.ReadText("EFF", "CUSTOM1", ""), "1");
}

}  // namespace
}  // namespace wattora
