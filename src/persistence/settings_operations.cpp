#include "persistence/settings_operations.h"

#include <cmath>

#include "core/texttable.h"

namespace wattora {

namespace {

const TextTable& DialogTexts() { return TextTable::ForWindow("TMULTIP"); }

constexpr const char* kFlagNames[7] = {"L1", "L2", "L3", "L4", "L5", "L6", "L7"};
constexpr bool kFlagDefaults[7] = {true, true, false, false, false, true, false};

}  // namespace

std::string MultiplierName(Curve curve, int point) {
  return std::string(EfficiencyCurves::Name(curve)) + std::to_string(100 - 10 * point);
}

void SettingsOperations::ReadMultipliers() {
  for (int c = 0; c < kCurveCount; ++c) {
    const Curve curve = static_cast<Curve>(c);
    for (int i = 0; i < kFlowPoints; ++i) {
      const std::string name = MultiplierName(curve, i);
      double value = EfficiencyCurves::DefaultValue(curve, i);
      // A missing value takes the default number itself, whatever the locale separators.
      if (store_.Has("EFF", name)) {
        const ParsedNumber n =
            ParseLocaleNumber(store_.ReadText("EFF", name, ""), ws_.separators);
        if (n.valid)
          value = n.value;
        else
          store_.WriteText("EFF", name, EfficiencyCurves::DefaultText(curve, i));
      }
      ws_.curves[curve][i] = value;
    }
  }
}

void SettingsOperations::ReadSelectionFlags() {
  // Read and kept for the layout; the estimation does not use them.
  store_.ReadFlag("EFF", "DAMPER", true);
  store_.ReadFlag("EFF", "INLETVANE", true);
  store_.ReadFlag("EFF", "VALVE", true);
  ws_.settings.custom1Selected = store_.ReadFlag("EFF", "CUSTOM1", false);
  ws_.settings.custom2Selected = store_.ReadFlag("EFF", "CUSTOM2", false);
}

void SettingsOperations::ReadReportTexts() {
  ProgramSettings& s = ws_.settings;
  ConfigFields& f = ws_.configFields;
  s.logoFile = store_.ReadText("CUSTOMREP", "LOGOFN", "");
  f.logoFile = s.logoFile;
  f.closingLine1 = store_.ReadText("CUSTOMREP", "CL1", "");
  f.closingLine2 = store_.ReadText("CUSTOMREP", "CL2", "");
  s.closingLine1 = CutCharacters(f.closingLine1, ProgramSettings::kClosingLineLength);
  s.closingLine2 = CutCharacters(f.closingLine2, ProgramSettings::kClosingLineLength);
}

void SettingsOperations::ReadReportFlags() {
  for (int k = 0; k < 7; ++k)
    ws_.settings.reportFlags[k] = store_.ReadFlag("PROGRAM", kFlagNames[k], kFlagDefaults[k]);
}

void SettingsOperations::ReadUserBlocks() {
  ws_.configFields.preparedBy = FromStoredLines(store_.ReadText("USER", "PREP", ""));
  ws_.configFields.companyInfo = FromStoredLines(store_.ReadText("USER", "CPINFO", ""));
}

void SettingsOperations::ReadUnitsAndCurrency() {
  ProgramSettings& s = ws_.settings;
  ConfigFields& f = ws_.configFields;
  f.kw = store_.ReadFlag("PROGRAM", "PS", true);
  s.powerUnitIsKw = f.kw;
  s.customCurrency =
      CutCharacters(store_.ReadText("PROGRAM", "CC", "-"), ProgramSettings::kCustomCurrencyLength);
  f.currCustom = s.customCurrency;
  f.currencyButton = -1;
  int selection = store_.ReadInteger("PROGRAM", "CS", 0);
  if (selection < 0 || selection > 3) {
    store_.WriteText("PROGRAM", "CS", "0");
    selection = 0;
  }
  s.currencySelection = selection;
  f.currencyButton = selection;
  s.DeriveCurrency(DialogTexts());
}

void SettingsOperations::ShowCurvesInFields() {
  for (int c = 0; c < kCurveCount; ++c)
    for (int i = 0; i < kFlowPoints; ++i)
      ws_.configFields.curveText[c][i] = FormatFixed(ws_.curves.values[c][i], 3, ws_.separators);
}

void SettingsOperations::Load_OPT2() {
  Set_Fields(0);
  store_.Open();
  ReadMultipliers();
  ReadSelectionFlags();
  ws_.configFields.cust1Select = ws_.settings.custom1Selected;
  ws_.configFields.cust2Select = ws_.settings.custom2Selected;
  const TextTable& texts = DialogTexts();
  ws_.settings.SetCustomTitle(1, store_.ReadText("EFF", "CUSTOM1TITLE", texts.GetText("IDS_164")));
  ws_.settings.SetCustomTitle(2, store_.ReadText("EFF", "CUSTOM2TITLE", texts.GetText("IDS_165")));
  ws_.configFields.customTitle1 = ws_.settings.custom1Title;
  ws_.configFields.customTitle2 = ws_.settings.custom2Title;
  ReadReportTexts();
  ReadReportFlags();
  ws_.configFields.reportFlags = ws_.settings.reportFlags;
  ReadUserBlocks();
  ReadUnitsAndCurrency();
  store_.Close();
  ShowCurvesInFields();
  Save_Opt();
  Set_Fields(1);
}

void SettingsOperations::Load_OPT() {
  store_.Open();
  ReadMultipliers();
  const ParameterTable& p = ws_.parameters;
  ws_.curves[Curve::VFDE].fill(p.Value(20));
  for (int c = 1; c < kCurveCount; ++c)
    for (int i = 0; i < kFlowPoints; ++i) ws_.curves.values[c][i] = p.Value(11 + 10 * c + i);
  ReadSelectionFlags();
  ws_.settings.custom1Selected = std::nearbyint(p.Value(71)) > 0;
  ws_.settings.custom2Selected = std::nearbyint(p.Value(72)) > 0;
  ws_.configFields.cust1Select = ws_.settings.custom1Selected;
  ws_.configFields.cust2Select = ws_.settings.custom2Selected;
  // The hidden lists follow too: left stale, a cancelled dialog would write them back into
  // parameters 71 and 72 and drop the project's custom controls.
  ws_.configFields.cst01 = ws_.settings.custom1Selected ? 1 : 0;
  ws_.configFields.cst02 = ws_.settings.custom2Selected ? 1 : 0;
  ReadReportTexts();
  ReadReportFlags();
  ReadUserBlocks();
  ReadUnitsAndCurrency();
  store_.Close();
}

void SettingsOperations::Save_Opt() {
  ProgramSettings& s = ws_.settings;
  ConfigFields& f = ws_.configFields;
  store_.Open();
  for (int c = 0; c < kCurveCount; ++c) {
    const Curve curve = static_cast<Curve>(c);
    for (int i = 0; i < kFlowPoints; ++i)
      store_.WriteText("EFF", MultiplierName(curve, i), f.curveText[c][i]);
    for (int i = 0; i < kFlowPoints; ++i)
      ws_.curves[curve][i] = ParseLocaleNumber(f.curveText[c][i], ws_.separators).value;
  }
  store_.WriteText("EFF", "CUSTOM1TITLE", f.customTitle1);
  store_.WriteText("EFF", "CUSTOM2TITLE", f.customTitle2);
  s.SetCustomTitle(1, f.customTitle1);
  s.SetCustomTitle(2, f.customTitle2);
  store_.WriteFlag("EFF", "DAMPER", f.damper);
  store_.WriteFlag("EFF", "INLETVANE", f.inletVane);
  store_.WriteFlag("EFF", "VALVE", f.valve);
  s.damperSelected = f.damper;
  s.inletVaneSelected = f.inletVane;
  s.valveSelected = f.valve;
  store_.WriteFlag("EFF", "CUSTOM1", f.cust1Select);
  store_.WriteFlag("EFF", "CUSTOM2", f.cust2Select);
  s.custom1Selected = f.cust1Select;
  s.custom2Selected = f.cust2Select;
  for (int k = 0; k < 7; ++k) store_.WriteFlag("PROGRAM", kFlagNames[k], f.reportFlags[k]);
  store_.WriteFlag("PROGRAM", "PS", f.kw);
  s.powerUnitIsKw = f.kw;

  const int selection = f.currencyButton >= 0 && f.currencyButton <= 3 ? f.currencyButton : 0;
  store_.WriteInteger("PROGRAM", "CS", selection);
  s.currencySelection = selection;
  if (selection == 3)
    s.customCurrency = CutCharacters(f.currCustom, ProgramSettings::kCustomCurrencyLength);
  s.DeriveCurrency(DialogTexts());
  if (selection == 3) s.currencySymbol = CutCharacters(f.currCustom, 10);
  store_.WriteText("PROGRAM", "CC", f.currCustom);

  s.reportFlags = f.reportFlags;
  store_.WriteText("CUSTOMREP", "LOGOFN", f.logoFile);
  s.logoFile = f.logoFile;
  store_.WriteText("CUSTOMREP", "CL1", f.closingLine1);
  store_.WriteText("CUSTOMREP", "CL2", f.closingLine2);
  s.closingLine1 = CutCharacters(f.closingLine1, ProgramSettings::kClosingLineLength);
  s.closingLine2 = CutCharacters(f.closingLine2, ProgramSettings::kClosingLineLength);
  store_.WriteText("USER", "PREP", ToStoredLines(f.preparedBy));
  store_.WriteText("USER", "CPINFO", ToStoredLines(f.companyInfo));
  store_.Close();

  ws_.parameters.SetValue(71, s.custom1Selected ? 1 : 0);
  ws_.parameters.SetValue(72, s.custom2Selected ? 1 : 0);
  f.cst01 = s.custom1Selected ? 1 : 0;
  f.cst02 = s.custom2Selected ? 1 : 0;
}

void SettingsOperations::SET_DEFAULT() {
  ws_.curves.ResetToDefaults();
  ShowCurvesInFields();
  ConfigFields& f = ws_.configFields;
  f.cust1Select = f.cust2Select = false;
  f.cst01 = f.cst02 = 0;
  ws_.settings.custom1Selected = ws_.settings.custom2Selected = false;
  ws_.settings.custom1Title.clear();
  ws_.settings.custom2Title.clear();
  f.customTitle1.clear();
  f.customTitle2.clear();
}

void SettingsOperations::Set_Fields(int direction) {
  ParameterTable& p = ws_.parameters;
  ConfigFields& f = ws_.configFields;
  for (int n = 20; n <= 70; ++n) {
    std::string& field = f.CurveFieldOf(n);
    if (direction == 0)
      field = FormatFixed(p.Value(n), p[n].Decimals(), ws_.separators);
    else
      p.SetValue(n, static_cast<float>(ParseLocaleNumber(field, ws_.separators).value));
  }
  if (direction == 0) {
    f.cst01 = static_cast<int>(std::nearbyint(p.Value(71)));
    f.cst02 = static_cast<int>(std::nearbyint(p.Value(72)));
  } else {
    p.SetValue(71, static_cast<float>(f.cst01));
    p.SetValue(72, static_cast<float>(f.cst02));
  }
}

}  // namespace wattora
