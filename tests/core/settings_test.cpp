#include "core/settings.h"

#include <gtest/gtest.h>

#include "core/texttable.h"

namespace wattora {
namespace {

TEST(ProgramSettings, CurrencyDerivation) {
  const TextTable& texts = TextTable::ForWindow("TMULTIP");
  struct Case {
    int selection;
    const char* symbol;
    const char* subUnit;
  } cases[] = {{0, "€", "Cents"}, {1, "$", "Cents"}, {2, "£", "Pence"}, {3, "CHF", "CHF/100"}};
  for (const Case& c : cases) {
    ProgramSettings s;
    s.customCurrency = "CHF";
    s.currencySelection = c.selection;
    s.DeriveCurrency(texts);
    EXPECT_EQ(s.currencySymbol, c.symbol);
    EXPECT_EQ(s.subUnitLabel, c.subUnit);
  }
}

TEST(ProgramSettings, InitialValuesAndTitleCut) {
  ProgramSettings s;
  EXPECT_TRUE(s.powerUnitIsKw);
  EXPECT_EQ(s.currencySymbol, "$");
  EXPECT_EQ(s.subUnitLabel, "Cents");
  s.SetCustomTitle(1, "Régulation à très haute efficacité énergétique");  // accents count once
  EXPECT_EQ(s.custom1Title, "Régulation à très haute effica");
  s.SetCustomTitle(2, std::string(25, 'x'));
  EXPECT_EQ(s.custom2Title.size(), 25u);
}

TEST(EfficiencyCurves, DefaultsAreTheStoredTexts) {
  EfficiencyCurves c;
  EXPECT_EQ(c.DriveEfficiency(), 0);  // nothing before the first load
  c.ResetToDefaults();
  EXPECT_EQ(c[Curve::VFDE][0], 0.97);
  EXPECT_EQ(c[Curve::DE][9], 0.0033);
  EXPECT_EQ(c[Curve::IVE][7], 0.091);
  EXPECT_EQ(c[Curve::VAE], c[Curve::DE]);
  EXPECT_STREQ(EfficiencyCurves::DefaultText(Curve::C1E, 4), "1.000");
  EXPECT_STREQ(EfficiencyCurves::DefaultText(Curve::DE, 5), "0.1767");
}

}  // namespace
}  // namespace wattora
