#include "core/settings.h"

#include <cstdlib>

#include "core/numbers.h"
#include "core/texttable.h"

namespace wattora {

namespace {

constexpr const char* kDefaultTexts[kCurveCount][kFlowPoints] = {
    {"0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97", "0.97"},
    {"1.000", "0.7683", "0.5725", "0.4098", "0.2789", "0.1767", "0.1012", "0.049", "0.0179",
     "0.0033"},
    {"1.000", "0.81", "0.64", "0.49", "0.36", "0.25", "0.16", "0.091", "0.04", "0.0104"},
    {"1.000", "0.7683", "0.5725", "0.4098", "0.2789", "0.1767", "0.1012", "0.049", "0.0179",
     "0.0033"},
    {"1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000"},
    {"1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000", "1.000"},
};

}  // namespace

const char* EfficiencyCurves::Name(Curve c) {
  static constexpr const char* kNames[kCurveCount] = {"VFDE", "DE", "IVE", "VAE", "C1E", "C2E"};
  return kNames[static_cast<int>(c)];
}

const char* EfficiencyCurves::DefaultText(Curve c, int point) {
  return kDefaultTexts[static_cast<int>(c)][point];
}

double EfficiencyCurves::DefaultValue(Curve c, int point) {
  return ReadDotNumber(DefaultText(c, point));
}

void EfficiencyCurves::ResetToDefaults() {
  for (int c = 0; c < kCurveCount; ++c)
    for (int i = 0; i < kFlowPoints; ++i) values[c][i] = DefaultValue(static_cast<Curve>(c), i);
}

std::string CutCharacters(const std::string& text, size_t length) {
  size_t count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
    if (count == length) return text.substr(0, i);
    ++count;
  }
  return text;
}

void ProgramSettings::SetCustomTitle(int which, const std::string& title) {
  (which == 1 ? custom1Title : custom2Title) = CutCharacters(title, kTitleLength);
}

void ProgramSettings::DeriveCurrency(const TextTable& texts, const CurrencyKeys& keys) {
  switch (currencySelection) {
    case 1:
      currencySymbol = "$";
      subUnitLabel = texts.GetText(keys.cents);
      break;
    case 2:
      currencySymbol = texts.GetText(keys.pound);
      subUnitLabel = texts.GetText(keys.pence);
      break;
    case 3:
      currencySymbol = customCurrency;
      subUnitLabel = customCurrency + texts.GetText(keys.hundredth);
      break;
    default:
      currencySymbol = texts.GetText(keys.euro);
      subUnitLabel = texts.GetText(keys.cents);
      break;
  }
}

}  // namespace wattora
