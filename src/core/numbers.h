#pragma once
// Number <-> text conversions used by every field, label, table and file of the program.
#include <cstdint>
#include <string>
#include <string_view>

namespace wattora {

// Locale separators are strings: French Qt locales use U+202F as group separator.
struct Separators {
  std::string decimal = ".";
  std::string group = ",";

  static Separators Dot() { return {".", ","}; }
  static Separators French() { return {",", "\u202F"}; }
  // When a locale reports the same separator twice, fall back to "." and ",".
  static Separators FromLocale(std::string decimal, std::string group);
};

// Fixed notation with `decimals` decimals, half away from zero on the 18-significant-digit
// form, grouping only at the thousand/million/billion thresholds of the unrounded value.
std::string FormatFixed(long double value, int decimals, const Separators& separators);

// Rounds on the 18-significant-digit decimal form and reads the result back.
double RoundDecimal18(long double value, int decimals);

struct ParsedNumber {
  double value = 0.0;
  bool valid = false;
};

// Field text to number. Empty text gives 0 and is not valid; a text that is not a number
// reads as its longest valid leading number and is not valid either.
ParsedNumber ParseLocaleNumber(std::string_view text, const Separators& separators);
// The whole-number reading: the decimal digits up to the first other character.
int ParseLocaleWholeNumber(std::string_view text, const Separators& separators);

// Reads a number written with "." whatever the process locale (the C library's own readers
// follow LC_NUMERIC, which Qt sets from the user's locale). Accepts an optional sign and
// exponent; `consumed` tells how many characters formed the number (0: none).
double ReadDotNumber(std::string_view text, size_t* consumed = nullptr);

namespace detail {
// The 18 significant digits and the decimal exponent of a positive value, as "%.17Le" gives
// them; computed without printf where the value allows. Exposed for its test.
bool EighteenDigitsFast(long double value, uint64_t& digits, int& exponent);
}  // namespace detail

// Drops group separators and turns decimal separators into ".".
std::string NormalizeNumberText(std::string_view text, const Separators& separators);

}  // namespace wattora
