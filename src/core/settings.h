#pragma once
// In-memory efficiency curves and program preferences.
#include <array>
#include <string>

namespace wattora {

class TextTable;

enum class Curve { VFDE = 0, DE, IVE, VAE, C1E, C2E };
constexpr int kCurveCount = 6;
constexpr int kFlowPoints = 10;

struct EfficiencyCurves {
  std::array<std::array<double, kFlowPoints>, kCurveCount> values{};  // all zero before loading

  std::array<double, kFlowPoints>& operator[](Curve c) { return values[static_cast<int>(c)]; }
  const std::array<double, kFlowPoints>& operator[](Curve c) const {
    return values[static_cast<int>(c)];
  }
  double DriveEfficiency() const { return (*this)[Curve::VFDE][0]; }

  // Stored names ("VFDE") and default texts as kept in the settings store.
  static const char* Name(Curve c);
  static const char* DefaultText(Curve c, int point);
  static double DefaultValue(Curve c, int point);
  void ResetToDefaults();
};

struct ProgramSettings {
  static constexpr size_t kTitleLength = 30;
  static constexpr size_t kClosingLineLength = 80;
  static constexpr size_t kCustomCurrencyLength = 5;

  bool powerUnitIsKw = true;
  int currencySelection = 0;
  std::string currencySymbol = "$";
  std::string subUnitLabel = "Cents";
  std::string customCurrency;
  std::array<bool, 7> reportFlags{};  // L1..L7
  bool custom1Selected = false;
  bool custom2Selected = false;
  std::string custom1Title;
  std::string custom2Title;
  std::string logoFile;
  std::string closingLine1;
  std::string closingLine2;
  bool damperSelected = false;
  bool inletVaneSelected = false;
  bool valveSelected = false;

  void SetCustomTitle(int which, const std::string& title);
  // Where a window's table keeps the currency texts: euro, cents, pound, pence, "/100".
  struct CurrencyKeys {
    const char* euro;
    const char* cents;
    const char* pound;
    const char* pence;
    const char* hundredth;
  };
  static constexpr CurrencyKeys kDialogCurrencyKeys{"IDS_152", "IDS_153", "IDS_159", "IDS_160",
                                                    "IDS_163"};
  static constexpr CurrencyKeys kHolderCurrencyKeys{"IDS_28", "IDS_29", "IDS_31", "IDS_32",
                                                    "IDS_33"};

  // Symbol and sub-unit label from the selection; by default the configuration dialog's texts.
  void DeriveCurrency(const TextTable& texts, const CurrencyKeys& keys = kDialogCurrencyKeys);
  double KwPerPowerUnit() const { return powerUnitIsKw ? 1.0 : 0.7457; }
};

// Cuts a UTF-8 text to its first `length` characters.
std::string CutCharacters(const std::string& text, size_t length);

}  // namespace wattora
