#include "core/numbers.h"

#include <gtest/gtest.h>

#include <climits>

namespace wattora {
namespace {

const Separators kDot = Separators::Dot();
const Separators kComma{",", "."};  // decimal comma, dot grouping
const Separators kFrench = Separators::French();

struct FormatCase {
  long double value;
  int decimals;
  const char* dot;
  const char* comma;
};

TEST(FormatFixed, RoundsGroupsAndSigns) {
  const FormatCase cases[] = {
      {1234567.891L, 2, "1,234,567.89", "1.234.567,89"},
      {999.6L, 0, "1000", "1000"},            // threshold looks at the unrounded value
      {999.999L, 2, "1000.00", "1000,00"},
      {1000, 0, "1,000", "1.000"},
      {1000000, 0, "1,000,000", "1.000.000"},
      {1234567890.5L, 0, "1,234,567,891", "1.234.567.891"},
      {1234567890123.0L, 0, "1234,567,890,123", "1234.567.890.123"},  // nowhere else
      {-0.001L, 2, "-0.00", "-0,00"},
      {-0.4L, 0, "-0", "-0"},
      {-1234.5L, 0, "-1,235", "-1.235"},      // half away from zero
      {0.125L, 2, "0.13", "0,13"},
      {2.5L, 0, "3", "3"},
      {0, 3, "0.000", "0,000"},
      {0.0049L, 0, "0", "0"},
      {0.5L, 0, "1", "1"},
      {0.97f, 3, "0.970", "0,970"},           // a single-precision parameter value
      {12000, 0, "12,000", "12.000"},
      {99.995L, 2, "100.00", "100,00"},
      {16.277665544L, 2, "16.28", "16,28"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatFixed(c.value, c.decimals, kDot), c.dot) << (double)c.value;
    EXPECT_EQ(FormatFixed(c.value, c.decimals, kComma), c.comma) << (double)c.value;
  }
}

TEST(FormatFixed, RoundsOnEighteenSignificantDigits) {
  // 2.675 is stored as 2.67499999999999982..., which stays below the half.
  EXPECT_EQ(FormatFixed(2.675, 2, kDot), "2.67");
  // 1.0049999999999999999 has more digits than 18: its 18-digit form is 1.00500000000000000.
  EXPECT_EQ(FormatFixed(1.0049999999999999999L, 2, kDot), "1.01");
  EXPECT_DOUBLE_EQ(RoundDecimal18(16.2777, 2), 16.28);
  EXPECT_DOUBLE_EQ(RoundDecimal18(-0.005L, 2), -0.01);
}

TEST(FormatFixed, FrenchGroupSeparatorIsNarrowNoBreakSpace) {
  EXPECT_EQ(FormatFixed(8760, 2, kFrench), "8\u202F760,00");
  EXPECT_EQ(FormatFixed(138315.789, 0, kFrench), "138\u202F316");
}

TEST(FormatFixed, NonFiniteGivesEmptyText) {
  EXPECT_EQ(FormatFixed(1.0L / 0.0L, 2, kDot), "");
  EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 2, kDot), "");
}

TEST(ParseLocaleNumber, NormalisesAndValidates) {
  struct Case {
    const char* text;
    Separators seps;
    double value;
    bool valid;
  } cases[] = {
      {"1.234.567,89", kComma, 1234567.89, true},
      {"1,234,567.89", kDot, 1234567.89, true},
      {"8\u202F760,00", kFrench, 8760, true},
      {"12,5", kFrench, 12.5, true},
      {"", kDot, 0, false},
      {"  -3,5  ", kFrench, -3.5, true},
      {"+7", kDot, 7, true},
      {"1e5", kDot, 100000, true},
      {"2,5E-1", kFrench, 0.25, true},
      {"1,2,3", kFrench, 1.2, false},  // two decimal separators: the longest leading number
      {"42abc", kDot, 42, false},
      {"abc", kDot, 0, false},
      {"1e", kDot, 1, false},
      {",5", kFrench, 0.5, true},
      {"-", kDot, 0, false},
      {"1e999", kDot, 0, false},  // overflow is not a number
  };
  for (const Case& c : cases) {
    const ParsedNumber n = ParseLocaleNumber(c.text, c.seps);
    EXPECT_DOUBLE_EQ(n.value, c.value) << c.text;
    EXPECT_EQ(n.valid, c.valid) << c.text;
  }
}

TEST(ParseLocaleNumber, WholeNumberReadsLeadingDigits) {
  EXPECT_EQ(ParseLocaleWholeNumber("12,5", kFrench), 12);
  EXPECT_EQ(ParseLocaleWholeNumber("12.5", kDot), 12);
  EXPECT_EQ(ParseLocaleWholeNumber("", kDot), 0);
  EXPECT_EQ(ParseLocaleWholeNumber("1.000", kComma), 1000);  // group dropped first
  EXPECT_EQ(ParseLocaleWholeNumber("x7", kDot), 0);
  EXPECT_EQ(ParseLocaleWholeNumber("99999999999999", kDot), INT_MAX);
}

TEST(Separators, SameCharacterTwiceFallsBackToDotAndComma) {
  const Separators s = Separators::FromLocale(",", ",");
  EXPECT_EQ(s.decimal, ".");
  EXPECT_EQ(s.group, ",");
}

}  // namespace
}  // namespace wattora

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "core/settings.h"

namespace wattora {
namespace {

// Qt sets the process locale from the user's: the readers must not follow its decimal comma.
TEST(NumbersUnderAFrenchProcessLocale, ReadAndRoundTheSame) {
  char pattern[] = "/tmp/wattora-locale-XXXXXX";
  const char* made = mkdtemp(pattern);
  ASSERT_NE(made, nullptr);
  const std::string folder = made;
  struct Cleanup {
    std::string folder;
    ~Cleanup() {
      std::setlocale(LC_NUMERIC, "C");
      unsetenv("LOCPATH");
      std::filesystem::remove_all(folder);
    }
  } cleanup{folder};
  const std::string build = "localedef -i fr_FR -f UTF-8 " + folder + "/fr_FR.UTF-8 >/dev/null 2>&1";
  if (std::system(build.c_str()) != 0) GTEST_SKIP() << "cannot build a French locale here";
  setenv("LOCPATH", folder.c_str(), 1);
  if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) GTEST_SKIP() << "French locale not loadable";

  const double dot = std::strtod("0.5", nullptr);
  EXPECT_EQ(dot, 0);  // the C library itself now stops at "."

  EXPECT_DOUBLE_EQ(ParseLocaleNumber("0,97", kFrench).value, 0.97);
  EXPECT_DOUBLE_EQ(ParseLocaleNumber("0.970", kDot).value, 0.97);
  EXPECT_DOUBLE_EQ(RoundDecimal18(16.2777L, 2), 16.28);
  EXPECT_DOUBLE_EQ(EfficiencyCurves::DefaultValue(Curve::DE, 9), 0.0033);
  EXPECT_EQ(FormatFixed(1234.55L, 1, kDot), "1,234.6");
  size_t consumed = 0;
  EXPECT_DOUBLE_EQ(ReadDotNumber("12000.5;", &consumed), 12000.5);
  EXPECT_EQ(consumed, 7u);

}

TEST(ReadDotNumber, SignsExponentsAndLimits) {
  size_t consumed = 0;
  EXPECT_DOUBLE_EQ(ReadDotNumber("+2.5e1", &consumed), 25);
  EXPECT_EQ(consumed, 6u);
  EXPECT_DOUBLE_EQ(ReadDotNumber("-0.25"), -0.25);
  EXPECT_EQ(ReadDotNumber("1e-999"), 0);
  EXPECT_TRUE(std::isinf(ReadDotNumber("1e999")));
  EXPECT_EQ(ReadDotNumber("abc", &consumed), 0);
  EXPECT_EQ(consumed, 0u);
}

}  // namespace
}  // namespace wattora

#include <cstdio>
#include <random>

namespace wattora {
namespace {

// The fast digit path must give exactly what the C library's "%.17Le" gives.
TEST(EighteenDigits, MatchThePrintfForm) {
  std::mt19937_64 random(20261211);
  std::vector<long double> values = {1, 0.5L, 2.675L, 16.2777L, 0.0163L, 99.995L, 1e17L - 1,
                                     123456789.123456789L, 0.015L, 0.025L, 8760.0L * 0.12L};
  for (int i = 0; i < 20000; ++i) {
    const double cents = static_cast<double>(random() % 10000000) / 100.0;
    values.push_back(cents + 0.005);                                   // near halves
    values.push_back(std::nextafter(cents + 0.005, 0.0));
    values.push_back(std::ldexp(static_cast<double>(random() % (1ULL << 53)), -(int)(random() % 60)));
    values.push_back(static_cast<long double>(cents) * 0.7457L / 0.95L / 0.97L);  // extended
  }
  int fast = 0;
  for (long double v : values) {
    if (!(v > 0)) continue;
    uint64_t digits = 0;
    int exponent = 0;
    if (!detail::EighteenDigitsFast(v, digits, exponent)) continue;
    ++fast;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", v);
    std::string expected;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
      if (*p >= '0' && *p <= '9') expected += *p;
    ASSERT_EQ(std::to_string(digits), expected) << buffer;
    ASSERT_EQ(exponent, std::atoi(p + 1)) << buffer;
  }
  EXPECT_GT(fast, 40000);  // the fast path covers the computation's range
}

}  // namespace
}  // namespace wattora
